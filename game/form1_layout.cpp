#include "game/form1.h"

#include "game/layout.h"
#include "ui/twips.h"
#include "ui/windowsize.h"
#include "ui/zoom.h"

#include <QCoreApplication>
#include <QResizeEvent>


int Form1::widthTw() const { return ui::outerSizeTw(this, innerChrome()).width(); }
int Form1::heightTw() const { return ui::outerSizeTw(this, innerChrome()).height(); }

void Form1::setWidthTw(int width)
{
    const int height = heightTw();
    ui::setOuterSizeTw(this, innerChrome(), width, height);
    if (!isVisible())
        m_pendingOuterTw = QSize(width, height);
}

void Form1::setHeightTw(int height)
{
    const int width = widthTw();
    ui::setOuterSizeTw(this, innerChrome(), width, height);
    if (!isVisible())
        m_pendingOuterTw = QSize(width, height);
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A size set before the first showing was measured with the designed allowance; now that
    // the window system reports the real frame, give the window that outer size for real.
    if (m_pendingOuterTw.isValid()) {
        const QSize wanted = m_pendingOuterTw;
        m_pendingOuterTw = QSize();
        if (QSize(widthTw(), heightTw()) != wanted)
            ui::setOuterSizeTw(this, innerChrome(), wanted.width(), wanted.height());
    }
    if (!m_shownOnce) {
        m_shownOnce = true;
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

    const layout::RightColumn c = layout::rightColumn(width, height);
    place(Text2, c.Text2);
    place(CrestImage, c.CrestImage);
    for (int k = 0; k < 12; ++k)
        place(Crest[k], c.Crest[k]);
    imgQuiz->setGeometry(QRect(QPoint(0, 0), Frame2->size()));
    keepQuizBoxInside();
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
    const QRect box(topLeft, QSize(layout::QuizBoxWidth, layout::QuizBoxHeight));
    ui::setDesignedRect(Frame2, box);
    Frame2->setGeometry(ui::rectZoomed(box, m_zoom));
    Frame2->raise();
}

void Form1::cmdMove_Click(int Index)
{
    static const QSize boxSize(layout::QuizBoxWidth, layout::QuizBoxHeight);
    setQuizBoxTw(layout::moveQuestionBox(Index, m_quizBoxTw, boxSize, designedOuterTw()));
    // The box and its answers never leave the client area.
    keepQuizBoxInside();
}

void Form1::Form_DragDrop(QWidget* Source, int X, int Y)
{
    if (Source == Frame2) {
        setQuizBoxTw(QPoint(X, Y));
        keepQuizBoxInside();
    } else if (Source) {
        Source->move(ui::pxZoomed(X, m_zoom), ui::pxZoomed(Y, m_zoom));
    }
}
