#include "game/form1.h"

#include "game/layout.h"
#include "ui/twips.h"
#include "ui/windowsize.h"

#include <QCoreApplication>
#include <QResizeEvent>

namespace {

QRect toPixels(const QRect& tw) { return ui::rectTw(tw.x(), tw.y(), tw.width(), tw.height()); }

QRect twipsOf(const QWidget* w)
{
    const QRect g = w->geometry();
    return QRect(ui::twips(g.x()), ui::twips(g.y()), ui::twips(g.width()), ui::twips(g.height()));
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
    // What the files read at start-up hold is told once the window is there to be told over.
    QTimer::singleShot(0, this, &Form1::tellPendingFindings);
}

void Form1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // A window manager frames the window after it is shown, and moves it as it does.
    applyPendingOuterSize();
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
    if (QSize(widthTw(), heightTw()) != wanted)
        ui::setOuterSizeTw(this, innerChrome(), wanted.width(), wanted.height());
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

    const int width = widthTw();
    const int height = heightTw();
    QRect bar = twipsOf(Frame1);
    bar.setWidth(width);
    Frame1->setGeometry(toPixels(bar));
    imgBar->setGeometry(QRect(QPoint(0, 0), Frame1->size()));
    QRect exit = twipsOf(Command1);
    exit.moveLeft(width - 900);
    Command1->setGeometry(toPixels(exit));

    const layout::RightColumn c = layout::rightColumn(width, height);
    Text2->setGeometry(toPixels(c.Text2));
    CrestImage->setGeometry(toPixels(c.CrestImage));
    for (int k = 0; k < 12; ++k)
        Crest[k]->setGeometry(toPixels(c.Crest[k]));
    Frame2->raise();
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
    Frame2->move(ui::px(topLeft.x()), ui::px(topLeft.y()));
    Frame2->raise();
}

void Form1::cmdMove_Click(int Index)
{
    static const QSize boxSize(6915, 3165);
    setQuizBoxTw(layout::moveQuestionBox(Index, m_quizBoxTw, boxSize, QSize(widthTw(), heightTw())));
}

void Form1::Form_DragDrop(QWidget* Source, int X, int Y)
{
    if (Source == Frame2)
        setQuizBoxTw(QPoint(X, Y));
    else if (Source)
        Source->move(ui::px(X), ui::px(Y));
}
