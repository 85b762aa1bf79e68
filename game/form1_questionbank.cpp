#include "game/form1.h"
#include "classroom/classroom.h"
#include "game/questionbank.h"
#include "game/state.h"

void Form1::LoadData()
{
    m_questionFileUnread = questionbank::loadQuestionBank(modValdra::QuizFile) == questionbank::LoadOutcome::NotOpened;
    m_classroom->questionFileLoaded();
}
