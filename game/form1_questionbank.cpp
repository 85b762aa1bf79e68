#include "game/form1.h"
#include "files/loadmessage.h"
#include "files/questionfile.h"
#include "classroom/classroom.h"
#include "game/questionbank.h"
#include "game/state.h"

#include <QCoreApplication>

void Form1::LoadData()
{
    const QString identity = files::fileIdentity(modValdra::QuizFile);
    const questionfile::Reading reading = questionfile::readQuestionFile(modValdra::QuizFile);
    m_questionFileUnread = questionbank::loadQuestionBank(reading) == questionbank::LoadOutcome::NotOpened;
    // A file that cannot be read is told where it is chosen; here, what a read file holds.
    if (!m_questionFileUnread)
        tellFileFindings(QCoreApplication::translate("Form1", "The question file"), reading.report, identity);
    m_classroom->questionFileLoaded();
}
