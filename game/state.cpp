// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/state.h"

namespace modValdra {

void resetState()
{
    ProgramTitle.clear();
    QuizFile.clear();
    PicListFile.clear();
    QuizPicFile.clear();
    ScoreFile.clear();
    StartFolder.clear();
    CustomSetName.clear();
    SymbolSetChoice = 0;
    GameSeconds = 0;
    SymbolCount = 0;
    DifficultyLevel = 0;
    SymbolListPending = 0;
    ChooserMode = 0;
    for (QString* text : {&GameWidth, &GameHeight, &QuizTop, &QuizLeft, &TimeOption, &DoorOption})
        text->clear();
    ResultsFile.clear();
    PupilsFile.clear();
    for (auto& q : QuestionText)
        q.clear();
    for (auto& answers : AnswerText)
        for (auto& a : answers)
            a.clear();
    QuestionCount = 0;
    QuestionsLeft = 0;
    CurrentQuestion.clear();
    for (auto& a : CurrentAnswers)
        a.clear();
    CorrectAnswer.clear();
    Score = Bonus = 0;
    CorrectCount = QuestionsAnswered = 0;
    AwaitingAnswer = AwaitingLocation = GameFinished = 0;
    for (int i = 0; i < 13; ++i)
        SymbolOrder[i] = i;
    SymbolPoolTop = 12;
    TargetName.clear();
    FoundCount = 0;
    RegionColours.fill(0);
    ClockRunning = 0;
    EndTime = 0;
    SecondsLeft = 0;
    for (auto& n : HighScoreNames)
        n.clear();
    HighScoreValues.fill(0);
}

void setDefaults()
{
    SymbolSetChoice = 0;
    ScoreFile = QStringLiteral("Valdra.scr");
    CustomSetName = QStringLiteral("Custom Symbols");
    PicListFile.clear();
    GameFinished = 0;
    GameSeconds = 180;
    SymbolCount = 12;
    DifficultyLevel = 0;
}

} // namespace modValdra
