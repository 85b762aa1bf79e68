// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values that the game's windows share. Widths are deliberate where they carry a file
// format or a conversion: the 16-bit settings values stay qint16; the score and the high-score
// values are 32-bit, so a final score above 32767 is kept whole in memory and in the file.
#include <QString>
#include <array>

namespace modValdra {

struct Region {
    const char* name;
    int x;
    int y;
};

// The thirteen provinces and territories in the fixed index order every table follows, with the
// map point inside each one where its colour is sampled.
inline constexpr std::array<Region, 13> RegionTable{{
    {"British Columbia", 35, 209},
    {"Alberta", 77, 216},
    {"Saskatchewan", 113, 235},
    {"Manitoba", 166, 207},
    {"Ontario", 221, 234},
    {"Quebec", 277, 212},
    {"New Brunswick", 336, 244},
    {"Nova Scotia", 355, 249},
    {"Prince Edward Island", 350, 240},
    {"Newfoundland", 337, 199},
    {"Yukon", 39, 141},
    {"Northwest Territories", 77, 154},
    {"Nunavut", 155, 154},
}};

inline constexpr int MaxQuestions = 100;
inline constexpr int QuestionSlots = 201;  // 0..200, 0 unused
inline constexpr int HighScoreSlots = 16;  // 0..14 the list, 15 takes a sixteenth file entry

// Settings and file names.
inline QString ProgramTitle;
inline QString QuizFile;
inline QString PicListFile;
inline QString QuizPicFile;
inline QString ScoreFile;
inline QString StartFolder;
inline QString CustomSetName;
inline qint16 SymbolSetChoice = 0;
inline qint16 GameSeconds = 0;
inline qint16 SymbolCount = 0;
inline qint16 DifficultyLevel = 0;
inline qint16 SymbolListPending = 0;
inline qint16 ChooserMode = 0;
// The settings that only the settings editor holds, as the text of its boxes.
inline QString GameWidth;
inline QString GameHeight;
inline QString QuizTop;
inline QString QuizLeft;
inline QString TimeOption;
inline QString DoorOption;
// The class record's file, from the settings file; empty: no record is kept.
inline QString ResultsFile;
// The class list the record's name prompt offers, from the settings file; empty: none.
inline QString PupilsFile;

// Question bank.
inline std::array<QString, QuestionSlots> QuestionText;
inline std::array<std::array<QString, 5>, QuestionSlots> AnswerText;
inline int QuestionCount = 0;
inline int QuestionsLeft = 0;
inline QString CurrentQuestion;
inline std::array<QString, 5> CurrentAnswers;
inline QString CorrectAnswer;

// The game in progress.
inline qint32 Score = 0;
inline qint32 Bonus = 0;
inline int CorrectCount = 0;
inline int QuestionsAnswered = 0;
inline int AwaitingAnswer = 0;
inline int AwaitingLocation = 0;
inline int GameFinished = 0;
inline std::array<int, 13> SymbolOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
inline int SymbolPoolTop = 12;
inline QString TargetName;
inline int FoundCount = 0;
inline std::array<qint64, 13> RegionColours{};

// The game clock.
inline int ClockRunning = 0;
inline qint32 EndTime = 0;
inline int SecondsLeft = 0;

// The high-score list.
inline std::array<QString, HighScoreSlots> HighScoreNames;
inline std::array<qint32, HighScoreSlots> HighScoreValues{};

// Puts every value back to what it is before start-up sets it: tests start from here.
void resetState();
// The defaults that start-up sets once the title, the folder and the question file are in
// place and the window is dressed.
void setDefaults();

} // namespace modValdra
