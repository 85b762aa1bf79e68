// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "files/loadmessage.h"
#include "files/questionfile.h"
#include "checker/questioncheck.h"
#include "classroom/classroom.h"
#include "game/questionbank.h"
#include "game/state.h"

#include <QCoreApplication>

#include <utility>

void Form1::LoadData()
{
    const QString identity = files::fileIdentity(modValdra::QuizFile);
    // At start-up the questions now, and the findings, which measure every text in the game's
    // font, once the window is shown, where they would be told anyway, in the place among the
    // boxes they had. Afterwards both at once.
    questionfile::Reading reading = questionfile::readQuestionFile(modValdra::QuizFile, false);
    m_questionFileUnread = questionbank::loadQuestionBank(reading) == questionbank::LoadOutcome::NotOpened;
    // A file that cannot be read is told where it is chosen; here, what a read file holds.
    if (!m_questionFileUnread) {
        m_startupFindings = [this, reading = std::move(reading), identity, at = m_pendingTells.size()]() mutable {
            checker::checkQuestions(reading, reading.report);
            tellFileFindings(QCoreApplication::translate("Form1", "The question file"), reading.report, identity, at);
        };
        if (m_shownOnce)
            std::exchange(m_startupFindings, nullptr)();
    }
    m_classroom->questionFileLoaded();
}
