// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's side of the review, practice and the class record: the game log it keeps,
// the practice round it may set up, the row it appends, and the windows it opens.
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "classroom/classresultswindow.h"
#include "classroom/gamelog.h"
#include "classroom/gamereview.h"

class Form1;

namespace classroom {

class Classroom : public QObject {
    Q_OBJECT
public:
    explicit Classroom(Form1* form);

    // The question file in file order, taken as it is loaded, so a question keeps its number
    // however the deck moves it about.
    void questionFileLoaded();
    const QStringList& questionTexts() const { return m_texts; }

    // Hooks of the game as it goes.
    void gameStarting();
    void questionShown();
    void answerGiven(const QString& answer, bool right, int points);
    void symbolDrawn(const QImage& picture, const QString& region);
    void symbolPlaced(const QString& region, bool found, int points);
    void gameEnded(bool natural, qint32 finalScore, qint32 bonus);
    void highScoreStep(bool entered, qint32 lastEntry, const QString& name);
    // Once the high-score step is over: the class record, then the review.
    void gameFinished();

    const GameLog& log() const { return m_log; }

    // Practice: the next game asks only these questions.
    bool practising() const { return m_practising; }
    int practiceTurns() const { return m_practiceTurns; }
    // Starts a practice game; false (and the player told) when none of the questions is in the
    // question bank any more.
    bool startPractice(const QList<AskedQuestion>& questions, const QStringList& symbols = {});
    // The next symbol a practice asks to place again (its region), taken off the list; empty
    // when none is left or no practice runs.
    QString takePracticeSymbol();
    void stopPractice() { m_practising = false; }

    GameReview* review() const { return m_review; }
    ClassResults* classResults() const { return m_results; }
    void showClassResults();

private:
    void recordGame();
    void showReview();
    int numberOf(const QString& question, const QStringList& answers) const;

    Form1* m_form;
    GameLog m_log;
    QStringList m_texts;
    QList<QStringList> m_answers;
    QList<AskedQuestion> m_practice;
    QStringList m_practiceSymbols;
    QStringList m_symbolsToAsk;
    bool m_practising = false;
    int m_practiceTurns = 0;
    bool m_highScorePrompted = false;
    QPointer<GameReview> m_review;
    QPointer<ClassResults> m_results;
};

} // namespace classroom
