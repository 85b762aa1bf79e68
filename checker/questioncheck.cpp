// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/questioncheck.h"

#include "checker/textfit.h"
#include "checker/textscan.h"
#include "files/csv.h"
#include "files/questionfile.h"
#include "game/deck.h"
#include "game/state.h"

#include <QCoreApplication>
#include <QHash>
#include <vector>

namespace checker {

namespace {

constexpr int BlockLines = 5;
constexpr int ReadLimit = modValdra::MaxQuestions * BlockLines;

bool blank(const QString& line) { return line.trimmed().isEmpty(); }

QString ordinal(int n)
{
    // Of an answer: "its second answer".
    static const char* const names[] = {"", QT_TRANSLATE_NOOP("checker", "first"), QT_TRANSLATE_NOOP("checker", "second"),
                                        QT_TRANSLATE_NOOP("checker", "third"), QT_TRANSLATE_NOOP("checker", "fourth")};
    return n >= 1 && n <= 4 ? QCoreApplication::translate("checker", names[n]) : QString::number(n);
}

QString linesWord(int n) { return n == 1 ? QCoreApplication::translate("checker", "1 line") : QCoreApplication::translate("checker", "%1 lines").arg(n); }

// A question block as its author meant it: where its question stands and its answer lines,
// by 0-based line index (-1 for an answer line the file does not have).
struct Block {
    int question = 0;
    int answers[4] = {-1, -1, -1, -1};
    int answerLines() const
    {
        int n = 0;
        for (int a : answers)
            n += a >= 0;
        return n;
    }
};

class QuestionChecker {
public:
    // lines: those the game reads; total: lines in the file (as far as it was read); unread:
    // the file goes on beyond what was read.
    QuestionChecker(const QStringList& lines, int total, bool unread, FileReport& report)
        : m_lines(lines), m_total(total), m_unread(unread), m_report(report)
    {
        m_limit = int(std::min<qsizetype>(lines.size(), ReadLimit));
        // In a file whose questions end in "?", a question mark tells a question from an answer;
        // that is what finds a block shifted by a missing or an extra line.
        int marks = 0;
        for (int i = 0; i < m_limit; ++i)
            marks += looksLikeQuestion(i);
        const int blocks = (m_limit + BlockLines - 1) / BlockLines;
        m_usesMarks = marks >= 1 && marks * 2 >= blocks;
    }

    void run()
    {
        int start = 0;
        while (start < m_limit) {
            if (blank(m_lines[start])) {
                int next = start;
                while (next < m_limit && blank(m_lines[next]))
                    ++next;
                if (next >= m_limit && next == m_total) {
                    m_report.warn(start + 1, next - start == 1
                        ? QCoreApplication::translate("checker", "blank line at the end of the file: the game reads them as a "
                                                                 "question with no text, which it never asks; delete them")
                        : QCoreApplication::translate("checker", "blank lines at the end of the file: the game reads them as a "
                                                                 "question with no text, which it never asks; delete them"));
                    break;
                }
                // Blank lines are a shift when what follows them is a question (or, in a file
                // without question marks, when they alone break the count of whole blocks);
                // otherwise they are a question left empty.
                const qsizetype size = m_total;
                const bool shift = m_usesMarks ? looksLikeQuestion(next)
                                               : (size - next) % BlockLines == 0 && (size - start) % BlockLines != 0;
                if (next < m_limit && shift) {
                    const int extra = next - start;
                    m_report.problem(start + 1,
                        extra % BlockLines == 0
                            ? QCoreApplication::translate("checker", "blank lines where a question belongs: the game reads them as questions with no "
                                             "text, which it never asks")
                            : (extra == 1 ? QCoreApplication::translate("checker", "blank line where a question belongs: it shifts the "
                                                                               "question on line %1 and every later question by %2; "
                                                                               "delete it")
                                          : QCoreApplication::translate("checker", "blank lines where a question belongs: it shifts the "
                                                                               "question on line %1 and every later question by %2; "
                                                                               "delete it"))
                                  .arg(next + 1)
                                  .arg(linesWord(extra % BlockLines)));
                    start = next;
                    continue;
                }
            }

            if (m_usesMarks && !looksLikeQuestion(start) && !blank(m_lines[start])) {
                // An answer where a question belongs: the block before has lines too many (or,
                // at the top, the file starts with a title).
                int next = start + 1;
                while (next < std::min(start + BlockLines, m_limit) && !looksLikeQuestion(next))
                    ++next;
                if (next < m_limit && next < start + BlockLines && looksLikeQuestion(next)) {
                    const int extra = next - start;
                    if (start == 0)
                        m_report.problem(1, QCoreApplication::translate("checker", "%1 stands where the first question belongs and is no question: "
                                                           "the file has %2 too many at its top (a title?), which shifts "
                                                           "every question by %2")
                                                .arg(quoted(m_lines[0]), linesWord(extra)));
                    else
                        m_report.problem(start + 1,
                            QCoreApplication::translate("checker", "%1 stands where a question belongs and looks like an answer: the question "
                                           "before it has %2 too many, which shifts the question on line %3 and every later "
                                           "question by %2%4")
                                .arg(quoted(m_lines[start]), linesWord(extra))
                                .arg(next + 1)
                                .arg(extraHint(start)));
                    start = next;
                    continue;
                }
            }

            Block block;
            block.question = start;
            int end = std::min(start + BlockLines, m_limit);
            for (int i = start + 1; i < end; ++i) {
                // A question in an answer's place: this block is missing lines.
                if (m_usesMarks && looksLikeQuestion(i) && looksLikeQuestion(start)) {
                    const int missing = BlockLines - (i - start);
                    m_report.problem(i + 1,
                        QCoreApplication::translate("checker", "this question stands where the question on line %1 expects its %2 answer: that "
                                       "question is missing %3, which shifts this and every later question by %3")
                            .arg(start + 1)
                            .arg(ordinal(i - start))
                            .arg(linesWord(missing)));
                    end = i;
                    break;
                }
                block.answers[i - start - 1] = i;
            }
            checkBlock(block, end - start < BlockLines && end == m_total);
            start = end;
        }

        if (!m_usesMarks && m_limit % BlockLines != 0)
            placeShiftByLength();

        if (m_unread && m_total >= ReadLimit)
            m_report.problem(ReadLimit + 1, QCoreApplication::translate("checker", "the game reads 100 questions at most: line %1 and every line "
                                                           "after it are never read")
                                                .arg(ReadLimit + 1));
        else if (m_total > ReadLimit)
            m_report.problem(ReadLimit + 1,
                (m_total == ReadLimit + 1
                     ? QCoreApplication::translate("checker", "the game reads 100 questions at most: %1 (from here to the end, %2) is never read")
                     : QCoreApplication::translate("checker", "the game reads 100 questions at most: %1 (from here to the end, %2) are never read"))
                    .arg(lineRange(ReadLimit + 1, m_total),
                        m_total <= ReadLimit + BlockLines
                            ? QCoreApplication::translate("checker", "question 101")
                            : QCoreApplication::translate("checker", "questions 101 to %1").arg((m_total + BlockLines - 1) / BlockLines)));
        else if (m_unread)
            m_report.problem(m_total, QCoreApplication::translate("checker", "the file is larger than the game reads (%1 KiB): it reads up to "
                                                                  "here, in the middle of this line")
                                          .arg(questionfile::MostBytes / 1024));
    }

private:
    // Without question marks, a question is most often the longest line of its block. Where
    // that holds for the blocks before some block and fails for those after it, the lines are
    // shifted from about there; only said when the count of lines shows a shift at all.
    void placeShiftByLength()
    {
        const int blocks = m_limit / BlockLines;
        std::vector<bool> longest(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int q = b * BlockLines;
            bool most = true;
            for (int a = 1; a < BlockLines; ++a)
                most = most && m_lines[q].size() > m_lines[q + a].size();
            longest[b] = most;
        }
        constexpr int Fewest = 2;  // blocks on either side that must show the pattern
        int bestBlock = -1, bestScore = -1;
        for (int k = Fewest; k + Fewest <= blocks; ++k) {
            int before = 0, after = 0;
            for (int b = 0; b < k; ++b)
                before += longest[b];
            for (int b = k; b < blocks; ++b)
                after += !longest[b];
            // Four blocks in five on either side.
            if (before * 5 >= k * 4 && after * 5 >= (blocks - k) * 4 && before + after > bestScore) {
                bestScore = before + after;
                bestBlock = k;
            }
        }
        if (bestBlock < 0)
            return;
        // A missing line breaks the first block that fails, a line too many the block before it.
        const int first = (bestBlock - 1) * BlockLines + 1, last = (bestBlock + 1) * BlockLines;
        m_report.problem(first, QCoreApplication::translate("checker", "the questions seem shifted from here on: a line is missing or one too many "
                                               "between line %1 and line %2, since before it each question is the longest "
                                               "line of its block and after it none is")
                                    .arg(first)
                                    .arg(last));
    }

    bool looksLikeQuestion(int i) const
    {
        const QString t = m_lines[i].trimmed();
        return t.endsWith(QLatin1Char('?'));
    }

    // An empty answer line followed by more answers usually is the line too many.
    QString extraHint(int start) const
    {
        for (int i = std::max(1, start - 4); i < start; ++i) {
            if (!blank(m_lines[i]))
                continue;
            for (int j = i + 1; j < start; ++j)
                if (!blank(m_lines[j]))
                    return QCoreApplication::translate("checker", " (perhaps the blank line %1)").arg(i + 1);
        }
        return QString();
    }

    QString text(int index) const { return index >= 0 ? m_lines[index] : QString(); }

    void checkBlock(const Block& block, bool cutShort)
    {
        const int qLine = block.question + 1;
        const QString question = text(block.question);
        // Two answers or more still make the question the game would ask with empty lines there,
        // unless the file gives no way to tell that the lines before are in their places.
        if (cutShort)
            m_report.findings.append({qLine, block.answerLines() >= 2 && (m_usesMarks || block.question == 0)
                                                 ? Severity::Warning : Severity::Problem,
                block.answerLines() == 0
                    ? QCoreApplication::translate("checker", "the last question is cut short: the file ends before its answers")
                    : QCoreApplication::translate("checker", "the last question is cut short: it has %1 of its 4 answer lines, and the game "
                                     "leaves the missing answers empty")
                              .arg(block.answerLines())
                          // Without question marks the place of a shift cannot be told, only that
                          // the count of lines is off.
                          + (!m_usesMarks && block.question > 0
                                    ? QCoreApplication::translate("checker", "; if no question was meant to be short, a line is missing or one "
                                                     "too many further up, and the questions after it are shifted")
                                    : QString())});

        // The game's own verdict on whether the question can be asked.
        if (!deck::isUsable(question, text(block.answers[0]))) {
            if (question.size() < 5)
                m_report.problem(qLine, question.isEmpty()
                                            ? QCoreApplication::translate("checker", "the question is empty: the game never asks it")
                                            : QCoreApplication::translate("checker", "the question %1 has fewer than 5 characters: the game never "
                                                             "asks it")
                                                  .arg(quoted(question)));
            else
                m_report.problem(block.answers[0] >= 0 ? block.answers[0] + 1 : qLine,
                    QCoreApplication::translate("checker", "the correct answer is empty: the game never asks this question"));
        }

        if (!blank(question)) {
            const QString key = question.simplified().toCaseFolded();
            const auto seen = m_questions.constFind(key);
            if (seen != m_questions.constEnd())
                m_report.problem(qLine, QCoreApplication::translate("checker", "the same question as question %1 (line %2)")
                                            .arg((*seen - 1) / 5 + 1)
                                            .arg(*seen));
            else
                m_questions.insert(key, qLine);

            const TextFit fit = questionFit(question);
            if (!fit.fits)
                m_report.problem(qLine, fitMessage(QCoreApplication::translate("checker", "the question box"), fit));
        }

        for (int a = 0; a < 4; ++a) {
            const QString answer = text(block.answers[a]);
            if (blank(answer))
                continue;
            for (int b = 0; b < a; ++b) {
                const QString other = text(block.answers[b]);
                if (!blank(other) && answer.simplified().compare(other.simplified(), Qt::CaseInsensitive) == 0) {
                    m_report.problem(block.answers[a] + 1,
                        QCoreApplication::translate("checker", "the same answer as line %1 (%2)%3")
                            .arg(block.answers[b] + 1)
                            .arg(quoted(answer.simplified()))
                            .arg(b == 0 && answer == other ? QCoreApplication::translate("checker", ": picking either counts as correct")
                                                           : QString()));
                    break;
                }
            }
            const TextFit fit = answerFit(answer);
            if (!fit.fits)
                m_report.problem(block.answers[a] + 1, fitMessage(QCoreApplication::translate("checker", "an answer button"), fit));
        }
    }

    static QString fitMessage(const QString& place, const TextFit& fit)
    {
        if (fit.wordTooWide)
            return QCoreApplication::translate("checker", "too long for %1: a word in it is wider than the button or box, and the game cuts it off")
                .arg(place);
        return QCoreApplication::translate("checker", "too long for %1: it needs %2 lines and %1 shows %3, so the game cuts it off")
            .arg(place)
            .arg(fit.linesNeeded)
            .arg(fit.linesRoom);
    }

    const QStringList& m_lines;
    int m_total = 0;
    bool m_unread = false;
    FileReport& m_report;
    int m_limit = 0;
    bool m_usesMarks = false;
    QHash<QString, int> m_questions;
};

} // namespace

QChar spreadsheetSeparator(const QStringList& lines)
{
    // Most of the first lines split into three cells or more, the same way: rows of a sheet.
    QStringList sample;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty())
            sample << line;
        if (sample.size() == 10)
            break;
    }
    if (sample.size() < 2)
        return {};
    const QString text = sample.join(QLatin1Char('\n'));
    const QChar separator = files::csv::guessSeparator(text);
    int rows = 0;
    QStringList cells;
    qsizetype pos = 0;
    while (files::csv::readRecord(text, pos, separator, cells))
        rows += cells.size() >= 3;
    return rows * 10 >= sample.size() * 8 ? separator : QChar();
}

FileReport checkQuestionFile(const QString& fileName) { return questionfile::readQuestionFile(fileName).report; }

void checkQuestions(const questionfile::Reading& reading, FileReport& report)
{
    QString summary;
    if (!checkRead(reading.file, report, &summary))
        return;
    if (reading.questionCount < 0) {
        report.problem(0, QCoreApplication::translate("checker", "the file is empty: the game loads no questions from it"));
        return;
    }
    const int count = reading.questionCount;
    int usable = 0;
    for (const questionfile::Question& q : reading.questions)
        usable += deck::isUsable(q.text, q.answers[0]);
    report.findings.prepend({0, Severity::Note,
        (count == 1 ? QCoreApplication::translate("checker", "read as %1; %2 question, %3 of which the game can ask")
                    : QCoreApplication::translate("checker", "read as %1; %2 questions, %3 of which the game can ask"))
            .arg(summary)
            .arg(count)
            .arg(usable)});
    if (usable == 0)
        report.problem(0, QCoreApplication::translate("checker", "holds no question the game can ask: a game with this file ends at once"));

    const ui::TextFile& file = reading.file;
    QuestionChecker(file.lines, int(file.lines.size()) + file.linesLeftOut, file.bytesLeftUnread, report).run();
    if (const QChar separator = spreadsheetSeparator(file.lines); !separator.isNull())
        report.findings.prepend({0, Severity::Problem,
            QCoreApplication::translate("checker", "this looks like a spreadsheet saved as CSV (cells separated by %1), "
                                                   "not a question file: the game takes each line for one question or "
                                                   "answer. Import it with File > Import CSV in the question editor (Files > Edit Questions).")
                .arg(separator == QLatin1Char('\t') ? QCoreApplication::translate("checker", "tabs")
                                                     : QLatin1Char('"') + separator + QLatin1Char('"'))});
}

} // namespace checker
