// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What happened in one game, recorded as it goes: the questions asked and the first answers,
// the symbols drawn and where they were placed, how the game ended and what the high-score step
// made of it. The review and the class record are built from this, never from the windows.
// Widget-free.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace classroom {

struct AskedQuestion {
    int number = 0;          // position in the question file, 1 = first; 0 when not known
    QString question;
    QStringList answers;     // as the file gives them: the first is the right one
    QString rightAnswer;
    QString firstAnswer;     // empty while unanswered
    bool answered = false;
    bool right = false;      // the first answer was the right one
};

struct DrawnSymbol {
    QImage picture;
    QString region;
    QString firstPlace;      // the region clicked first; empty: outside the map
    int tries = 0;           // clicks on the map while this symbol waited
    bool found = false;
    int question = -1;       // the question (index in the log) whose right answer drew it

    // Placed, and placed first somewhere else than its region.
    bool placedWrong() const { return tries > 0 && firstPlace != region; }
};

enum class GameEnd { Running, TimeUp, AllTurns, BrokenOff };

struct GameSetup {
    QString questionFile;
    int minutes = 0;
    int symbols = 0;
    int difficulty = 0;
    bool practice = false;
};

class GameLog {
public:
    void startGame(const GameSetup& setup);
    void questionAsked(int number, const QString& question, const QStringList& answers);
    // Only the first answer to the question on show counts; later ones are ignored.
    void answered(const QString& answer, bool right, int points);
    void symbolDrawn(const QImage& picture, const QString& region);
    // `region` is the name of the region clicked, empty outside the map.
    void placed(const QString& region, bool found, int points);
    void ended(GameEnd how, qint32 finalScore, qint32 bonus);

    // The high-score step's verdict, once it is over.
    void highScoreStep(bool entered, qint32 lastEntry, const QString& name);

    const GameSetup& setup() const { return m_setup; }
    const QList<AskedQuestion>& questions() const { return m_questions; }
    const QList<DrawnSymbol>& symbols() const { return m_symbols; }
    GameEnd end() const { return m_end; }
    bool naturalEnd() const { return m_end == GameEnd::TimeUp || m_end == GameEnd::AllTurns; }
    qint32 finalScore() const { return m_finalScore; }
    qint32 bonus() const { return m_bonus; }
    qint32 answerPoints() const { return m_answerPoints; }
    qint32 symbolPoints() const { return m_symbolPoints; }
    bool enteredHighScores() const { return m_entered; }
    qint32 lastHighScore() const { return m_lastEntry; }
    QString highScoreName() const { return m_highScoreName; }

    int questionsAnswered() const;
    int rightFirstTime() const;
    int symbolsPlaced() const;
    int triesOnMap() const;
    // Positions in the question file, in the order asked, each once.
    QList<int> missedNumbers() const;
    QList<int> askedNumbers() const;
    // The same by the questions' texts, which stay true when the question file is edited.
    QStringList missedTexts() const;
    QStringList askedTexts() const;
    // The questions answered wrongly first, each once, in the order asked.
    QList<AskedQuestion> missedQuestions() const;
    // What a practice asks again: the missed questions and the questions whose symbol was then
    // placed wrong, each once, in the order asked.
    QList<AskedQuestion> practiceQuestions() const;
    // The regions of the symbols placed wrong, each once, in the order drawn.
    QStringList missedPlacements() const;

private:
    GameSetup m_setup;
    QList<AskedQuestion> m_questions;
    QList<DrawnSymbol> m_symbols;
    GameEnd m_end = GameEnd::Running;
    qint32 m_finalScore = 0;
    qint32 m_bonus = 0;
    qint32 m_answerPoints = 0;
    qint32 m_symbolPoints = 0;
    bool m_entered = false;
    qint32 m_lastEntry = 0;
    QString m_highScoreName;
};

} // namespace classroom
