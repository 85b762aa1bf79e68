#include "checker/textfit.h"

#include "ui/twips.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <climits>

namespace checker {

namespace {

// The designed sizes of the question label and an answer button (twips), as the main window
// builds them; the label keeps half a line free above the question, and the button's caption
// keeps 4 pixels from either side.
constexpr int QuestionWidthTw = 6375, QuestionHeightTw = 675;
constexpr int AnswerWidthTw = 6375, AnswerHeightTw = 495;
constexpr int AnswerSidePx = 4;

TextFit fit(const QString& text, int width, int height, Qt::Alignment align)
{
    // The same font the question label and the answer buttons are given.
    const QFontMetrics metrics(ui::gameFont());
    // Most texts fit on one line: measured along, without laying them out, which is many times
    // quicker and gives the same verdict.
    const int line = std::max(1, metrics.height());
    if (text.size() < 200 && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) && line <= height
        && metrics.horizontalAdvance(text) <= width) {
        TextFit result;
        result.linesRoom = std::max(1, height / line);
        return result;
    }
    // No place holds a text this long, and laying it out would take long for a huge line: tell
    // from the average letter's width.
    constexpr qsizetype Longest = 2000;
    if (text.size() > Longest) {
        const qint64 average = std::max(1, metrics.averageCharWidth());
        qsizetype word = 0, longestWord = 0;
        for (QChar c : text) {
            word = c.isSpace() ? 0 : word + 1;
            longestWord = std::max(longestWord, word);
        }
        TextFit result;
        result.fits = false;
        result.linesNeeded = int(std::min<qint64>(INT_MAX, text.size() * average / std::max(1, width) + 1));
        result.linesRoom = std::max(1, height / line);
        result.wordTooWide = longestWord * average > width;
        return result;
    }
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 100000), int(align) | Qt::TextWordWrap, text);
    TextFit result;
    result.linesNeeded = std::max(1, (needed.height() + line / 2) / line);
    result.linesRoom = std::max(1, height / line);
    result.wordTooWide = needed.width() > width;
    result.fits = needed.height() <= height && !result.wordTooWide;
    return result;
}

} // namespace

TextFit questionFit(const QString& question)
{
    const int gap = QFontMetrics(ui::gameFont()).height() / 2;
    return fit(question, ui::px(QuestionWidthTw), ui::px(QuestionHeightTw) - gap, Qt::AlignLeft | Qt::AlignTop);
}

TextFit answerFit(const QString& answer)
{
    return fit(answer, ui::px(AnswerWidthTw) - 2 * AnswerSidePx, ui::px(AnswerHeightTw), Qt::AlignCenter);
}

} // namespace checker
