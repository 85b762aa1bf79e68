// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/gamelog.h"

namespace classroom {

void GameLog::startGame(const GameSetup& setup) { *this = GameLog(); m_setup = setup; }

void GameLog::questionAsked(int number, const QString& question, const QStringList& answers)
{
    AskedQuestion q;
    q.number = number;
    q.question = question;
    q.answers = answers;
    q.rightAnswer = answers.value(0);
    m_questions << q;
}

void GameLog::answered(const QString& answer, bool right, int points)
{
    if (m_questions.isEmpty() || m_questions.last().answered)
        return;
    AskedQuestion& q = m_questions.last();
    q.answered = true;
    q.firstAnswer = answer;
    q.right = right;
    if (right)
        m_answerPoints += points;
}

void GameLog::symbolDrawn(const QImage& picture, const QString& region)
{
    DrawnSymbol s;
    s.picture = picture;
    s.region = region;
    s.question = int(m_questions.size()) - 1;
    m_symbols << s;
}

void GameLog::placed(const QString& region, bool found, int points)
{
    if (m_symbols.isEmpty())
        return;
    DrawnSymbol& s = m_symbols.last();
    if (s.tries == 0)
        s.firstPlace = region;
    ++s.tries;
    if (found && !s.found) {
        s.found = true;
        m_symbolPoints += points;
    }
}

void GameLog::ended(GameEnd how, qint32 finalScore, qint32 bonus)
{
    if (m_end != GameEnd::Running)
        return;
    m_end = how;
    m_finalScore = finalScore;
    m_bonus = bonus;
}

void GameLog::highScoreStep(bool entered, qint32 lastEntry, const QString& name)
{
    m_entered = entered;
    m_lastEntry = lastEntry;
    m_highScoreName = name;
}

int GameLog::questionsAnswered() const
{
    int n = 0;
    for (const AskedQuestion& q : m_questions)
        n += q.answered ? 1 : 0;
    return n;
}

int GameLog::rightFirstTime() const
{
    int n = 0;
    for (const AskedQuestion& q : m_questions)
        n += q.right ? 1 : 0;
    return n;
}

int GameLog::symbolsPlaced() const
{
    int n = 0;
    for (const DrawnSymbol& s : m_symbols)
        n += s.found ? 1 : 0;
    return n;
}

int GameLog::triesOnMap() const
{
    int n = 0;
    for (const DrawnSymbol& s : m_symbols)
        n += s.tries;
    return n;
}

QList<int> GameLog::missedNumbers() const
{
    QList<int> numbers;
    for (const AskedQuestion& q : missedQuestions())
        if (q.number > 0)
            numbers << q.number;
    return numbers;
}

QList<int> GameLog::askedNumbers() const
{
    QList<int> numbers;
    for (const AskedQuestion& q : m_questions)
        if (q.answered && q.number > 0 && !numbers.contains(q.number))
            numbers << q.number;
    return numbers;
}

QStringList GameLog::missedTexts() const
{
    QStringList texts;
    for (const AskedQuestion& q : missedQuestions())
        if (!texts.contains(q.question))
            texts << q.question;
    return texts;
}

QStringList GameLog::askedTexts() const
{
    QStringList texts;
    for (const AskedQuestion& q : m_questions)
        if (q.answered && !texts.contains(q.question))
            texts << q.question;
    return texts;
}

namespace {

// A deck that came round again may ask a question twice; practising it once is enough.
void addOnce(QList<AskedQuestion>& list, const AskedQuestion& q)
{
    for (const AskedQuestion& m : list)
        if (m.question == q.question && m.answers == q.answers)
            return;
    list << q;
}

} // namespace

QList<AskedQuestion> GameLog::missedQuestions() const
{
    QList<AskedQuestion> missed;
    for (const AskedQuestion& q : m_questions)
        if (q.answered && !q.right)
            addOnce(missed, q);
    return missed;
}

QList<AskedQuestion> GameLog::practiceQuestions() const
{
    QList<bool> misplaced(m_questions.size(), false);
    for (const DrawnSymbol& s : m_symbols)
        if (s.placedWrong() && s.question >= 0 && s.question < misplaced.size())
            misplaced[s.question] = true;
    QList<AskedQuestion> wanted;
    for (int i = 0; i < m_questions.size(); ++i)
        if ((m_questions[i].answered && !m_questions[i].right) || misplaced[i])
            addOnce(wanted, m_questions[i]);
    return wanted;
}

QStringList GameLog::missedPlacements() const
{
    QStringList regions;
    for (const DrawnSymbol& s : m_symbols)
        if (s.placedWrong() && !regions.contains(s.region))
            regions << s.region;
    return regions;
}

} // namespace classroom
