// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "game/layout.h"
#include "ui/twips.h"
#include "ui/windowsize.h"
#include "ui/zoom.h"

#include <QCoreApplication>
#include <QResizeEvent>


namespace {

// The layout measures the window from the outside, and the frame is known only once the window
// is shown: whether the right column still stands for another outer size, so that the window
// lays out again then rather than at the next relayout (a language switch), for no change of size.
bool columnStale(QSize outer, const QWidget* hint)
{
    const layout::RightColumn c =
        layout::rightColumn(std::max(outer.width(), layout::MinWidth), std::max(outer.height(), layout::MinHeight));
    return c.Text2 != ui::designedRect(hint);
}

} // namespace

int Form1::widthTw() const { return ui::outerSizeTw(this, innerChrome()).width(); }
int Form1::heightTw() const { return ui::outerSizeTw(this, innerChrome()).height(); }

void Form1::setWidthTw(int width)
{
    const int height = heightTw();
    ui::setOuterSizeTw(this, innerChrome(), width, height);
    if (!isVisible()) {
        m_pendingOuterTw = QSize(width, height);
        m_pendingClientPx = size();
    }
}

void Form1::setHeightTw(int height)
{
    const int width = widthTw();
    ui::setOuterSizeTw(this, innerChrome(), width, height);
    if (!isVisible()) {
        m_pendingOuterTw = QSize(width, height);
        m_pendingClientPx = size();
    }
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applyPendingOuterSize();
    if (!m_shownOnce) {
        m_shownOnce = true;
        fitInsideScreen();
    }
    if (!m_inLayout && columnStale(designedOuterTw(), Text2))
        LayoutWindow();
    // What the files read at start-up hold is told once the window is there to be told over.
    QTimer::singleShot(0, this, &Form1::tellStartupFindings);
}

void Form1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // A window manager frames the window after it is shown, and moves it as it does.
    applyPendingOuterSize();
    if (isVisible() && !m_inLayout && columnStale(designedOuterTw(), Text2))
        LayoutWindow();
}

void Form1::applyPendingOuterSize()
{
    // A size set before the first showing was measured with the designed allowance; once the
    // window system reports the real frame, give the window that outer size for real, so that
    // the size the settings editor saves gives back the same window at the next start. The frame
    // may come only after the showing. A window the player has resized meanwhile keeps its size.
    if (!m_pendingOuterTw.isValid() || !isVisible())
        return;
    if (size() != m_pendingClientPx) {
        m_pendingOuterTw = QSize();
        return;
    }
    if (frameGeometry().size() == size())
        return;
    const QSize wanted = m_pendingOuterTw;
    m_pendingOuterTw = QSize();
    if (QSize(widthTw(), heightTw()) != wanted) {
        ui::setOuterSizeTw(this, innerChrome(), wanted.width(), wanted.height());
        // The size asked for still never goes beyond the screen.
        fitInsideScreen();
    }
}

void Form1::Form_Resize() { LayoutWindow(); }

void Form1::LayoutWindow()
{
    // Enforcing the minimum resizes the window, which brings us back here; lay out once, at
    // the size the window ends up with.
    if (m_inLayout)
        return;
    m_inLayout = true;
    const QSize before = size();
    if (widthTw() < layout::MinWidth)
        setWidthTw(layout::MinWidth);
    if (heightTw() < layout::MinHeight)
        setHeightTw(layout::MinHeight);
    m_inLayout = false;
    // Also tell the window system, so a resize by the player stops at the minimum instead of
    // bouncing back from below it.
    const QSize decoration = QSize(ui::px(widthTw()), ui::px(heightTw())) - size();
    setMinimumSize(QSize(ui::px(layout::MinWidth), ui::px(layout::MinHeight)) - decoration);
    // A hidden window (the first showing delivers its pending resize before it is visible) gets
    // no resize event for the new size, so the client area would keep the old one.
    if (!isVisible() && size() != before) {
        QResizeEvent resized(size(), before);
        QCoreApplication::sendEvent(this, &resized);
        return;
    }

    // The designed layout works on the window's size as the zoom sees it; its places are then
    // drawn at the zoom. At 100 % both are the window's own.
    followWindowZoom();
    const QSize outer = designedOuterTw();
    const int width = std::max(outer.width(), layout::MinWidth);
    const int height = std::max(outer.height(), layout::MinHeight);
    auto place = [this](QWidget* w, const QRect& tw) {
        ui::setDesignedRect(w, tw);
        w->setGeometry(ui::rectZoomed(tw, m_zoom));
    };
    QRect bar = ui::designedRect(Frame1);
    bar.setWidth(width);
    place(Frame1, bar);
    imgBar->setGeometry(QRect(QPoint(0, 0), Frame1->size()));
    QRect exit = ui::designedRect(Command1);
    exit.moveLeft(width - 900);
    place(Command1, exit);
    layoutTopBar(width);

    const layout::RightColumn c = layout::rightColumn(width, height);
    place(Text2, c.Text2);
    place(CrestImage, c.CrestImage);
    for (int k = 0; k < 12; ++k)
        place(Crest[k], c.Crest[k]);
    imgQuiz->setGeometry(QRect(QPoint(0, 0), Frame2->size()));
    placeQuizBox();
    Frame2->raise();
}

void Form1::layoutTopBar(int width)
{
    fitMessage();
    // The counters keep their designed places and font wherever their longest texts fit there.
    // In a narrower window they close up from the left, each as wide as its longest text, so
    // nothing runs into its neighbour or under Exit; a narrower cut of the font comes in only
    // where even that is too wide.
    struct Counter {
        QLabel* label;
        const char* longest;  // what the label may come to show
    };
    const Counter row[] = {{Label7, ""}, {lblTurnsLeft, "12"}, {Label1, ""}, {lblmin, "10"}, {Label2, ""},
                           {lblsec, "59"}, {Label3, ""}, {Label4, ""}, {lblScore, "29999"}, {Label5, ""},
                           {lblBonus, "29999"}};
    static constexpr int designedLefts[] = {3315, 4410, 4755, 5835, 6075, 6555, 6915, 7395, 8085, 8670, 9510};
    static constexpr int designedWidths[] = {1095, 345, 1065, 255, 495, 315, 420, 645, 810, 780, 825};
    const int gap = 60;
    const int right = width - 900 - gap;  // Exit's left, less a gap
    auto needTw = [&](const Counter& c, const QFont& font) {
        const QFontMetrics fm(ui::zoomedFont(font, m_zoom));
        const int pixels = std::max(fm.horizontalAdvance(c.label->text()), fm.horizontalAdvance(QString::fromLatin1(c.longest)));
        return int(std::ceil(ui::twips(pixels) / m_zoom));
    };
    const QFont designedFont = ui::gameFont();
    bool designedFits = designedLefts[10] + designedWidths[10] <= right;
    for (int i = 0; i < 11 && designedFits; ++i) {
        const int end = i + 1 < 11 ? designedLefts[i + 1] : designedLefts[i] + designedWidths[i];
        designedFits = designedLefts[i] + needTw(row[i], designedFont) <= end;
    }
    QFont font = designedFont;
    if (!designedFits) {
        // The narrow cut, then smaller sizes, until the closed-up row fits.
        auto rowWidth = [&](const QFont& f) {
            int total = 0;
            for (const Counter& c : row)
                total += needTw(c, f) + gap;
            return total;
        };
        if (rowWidth(font) > right - designedLefts[0]) {
            font.setFamily(QStringLiteral("Liberation Sans Narrow"));
            while (rowWidth(font) > right - designedLefts[0] && font.pixelSize() > 9)
                font.setPixelSize(font.pixelSize() - 1);
        }
    }
    int x = designedLefts[0];
    for (int i = 0; i < 11; ++i) {
        QLabel* label = row[i].label;
        ui::setDesignedFont(label, font, m_zoom);
        QRect tw = ui::designedRect(label);
        if (designedFits) {
            tw.moveLeft(designedLefts[i]);
            tw.setWidth(designedWidths[i]);
        } else {
            const int need = needTw(row[i], font);
            tw.moveLeft(x);
            tw.setWidth(need + gap / 2);
            x += need + gap;
        }
        ui::setDesignedRect(label, tw);
        label->setGeometry(ui::rectZoomed(tw, m_zoom));
    }
}

void Form1::setQuizPicture(const QPixmap& picture)
{
    imgQuiz->setPicture(picture);
    for (int i = 0; i < 4; ++i) {
        btnAnswer[i + 1]->setPicture(picture);
        cmdMove[i]->setPicture(picture);
    }
    imgBar->setPicture(picture);
    btnBegin->setPicture(picture);
    Command1->setPicture(picture);
    Command1->setDisabledPicture(picture);
}

void Form1::ApplyQuizPicture()
{
    imgQuiz->setGeometry(QRect(QPoint(0, 0), Frame2->size()));
    imgQuiz->lower();
    for (int i = 0; i < 4; ++i) {
        cmdMove[i]->setPicture(imgQuiz->picture());
        btnAnswer[i + 1]->setPicture(imgQuiz->picture());
    }
    imgBar->setGeometry(QRect(QPoint(0, 0), Frame1->size()));
    imgBar->lower();
    imgBar->setPicture(imgQuiz->picture());
    btnBegin->setPicture(imgQuiz->picture());
    Command1->setPicture(imgQuiz->picture());
    Command1->setDisabledPicture(imgQuiz->picture());
}

void Form1::setQuizBoxTw(QPoint topLeft)
{
    m_quizBoxTw = topLeft;
    placeQuizBox();
}

void Form1::placeQuizBox()
{
    // Drawn where it fits, without storing that place: a larger window shows it where it was set.
    const QRect box(quizBoxShownTw(), QSize(layout::QuizBoxWidth, layout::QuizBoxHeight));
    ui::setDesignedRect(Frame2, box);
    Frame2->setGeometry(ui::rectZoomed(box, m_zoom));
    Frame2->raise();
}

void Form1::cmdMove_Click(int Index)
{
    static const QSize boxSize(layout::QuizBoxWidth, layout::QuizBoxHeight);
    // From where the box is seen, and kept inside the client area with its answers.
    const QPoint moved = layout::moveQuestionBox(Index, quizBoxShownTw(), boxSize, designedOuterTw());
    setQuizBoxTw(moved);
    setQuizBoxTw(quizBoxShownTw());
}

void Form1::Form_DragDrop(QWidget* Source, int X, int Y)
{
    if (Source == Frame2) {
        setQuizBoxTw(QPoint(X, Y));
        setQuizBoxTw(quizBoxShownTw());
    } else if (Source) {
        Source->move(ui::pxZoomed(X, m_zoom), ui::pxZoomed(Y, m_zoom));
    }
}
