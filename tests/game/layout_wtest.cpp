// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/layout.h"
#include "support/gamefixture.h"
#include "ui/twips.h"

#include <QDropEvent>
#include <QMimeData>

namespace {

class LayoutWindow : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        start();
    }

    void resizeTo(int widthTw, int heightTw)
    {
        form->setWidthTw(widthTw);
        form->setHeightTw(heightTw);
        QApplication::processEvents();
    }

    // Straight to the window's handler: the application passes a drop on only to the target of
    // a drag in progress, and a test has none.
    void deliver(QEvent* event) { static_cast<QObject*>(form.get())->event(event); }

    static QRect pixels(const QRect& tw) { return ui::rectTw(tw.x(), tw.y(), tw.width(), tw.height()); }
};

TEST_F(LayoutWindow, StartsAtTheDesignedSize)
{
    EXPECT_EQ(form->client->size(), QSize(ui::px(11880), ui::px(8310)));
    EXPECT_EQ(form->quizBoxTw(), QPoint(90, 5100));
    // The column is laid out for the window as framed from its first showing, so nothing moves
    // at the next relayout.
    const layout::RightColumn c = layout::rightColumn(form->widthTw(), form->heightTw());
    EXPECT_EQ(form->Text2->geometry(), pixels(c.Text2));
    EXPECT_EQ(form->CrestImage->geometry(), pixels(c.CrestImage));
    EXPECT_EQ(form->Crest[7]->geometry(), pixels(c.Crest[7]));
}

TEST_F(LayoutWindow, SnapsBackToTheMinimumSize)
{
    resizeTo(6000, 4000);
    EXPECT_EQ(form->widthTw(), 9600);
    EXPECT_EQ(form->heightTw(), 7200);
    // And lays the column out for the size it snapped back to.
    EXPECT_EQ(form->Text2->geometry(), pixels({6728, 3648, 2745, 612}));
    EXPECT_EQ(form->CrestImage->geometry(), pixels({7376, 4320, 1737, 2220}));
    EXPECT_EQ(form->Crest[0]->geometry(), pixels({6556, 384, 657, 972}));
    EXPECT_EQ(form->Crest[11]->geometry(), pixels({8716, 2592, 657, 972}));

    // One side too small snaps back alone.
    resizeTo(15000, 5000);
    EXPECT_EQ(form->widthTw(), 15000);
    EXPECT_EQ(form->heightTw(), 7200);
}

TEST_F(LayoutWindow, TheBarFollowsTheWidthAndTheMapAndQuestionBoxStayPut)
{
    form->cmdMove_Click(0);  // a box moved by the player stays where it is too
    const QRect map = form->Picture1->geometry();
    const QRect box = form->Frame2->geometry();
    const QPoint boxTw = form->quizBoxTw();
    const QRect begin = form->btnBegin->geometry();
    const QRect score = form->lblScore->geometry();

    const QSize sizes[] = {{18000, 9000}, {12000, 12000}, {30000, 20000}, {12000, 9000}, {9600, 7200}};
    for (const QSize& s : sizes) {
        resizeTo(s.width(), s.height());
        SCOPED_TRACE(testing::Message() << s.width() << " x " << s.height());
        EXPECT_EQ(form->Picture1->geometry(), map);
        // The box stays where the client area holds it; the counters keep their places where
        // the bar is wide enough for them (at the minimum width they close up).
        if (ui::twips(form->client->height()) >= boxTw.y() + 3165) {
            EXPECT_EQ(form->Frame2->geometry(), box);
            EXPECT_EQ(form->quizBoxTw(), boxTw);
        } else {
            EXPECT_TRUE(form->client->rect().contains(form->Frame2->geometry()));
        }
        EXPECT_EQ(form->btnBegin->geometry(), begin);
        if (s.width() >= 12000) {
            EXPECT_EQ(form->lblScore->geometry(), score);
        }
        EXPECT_EQ(form->Frame1->width(), ui::px(s.width()));
        EXPECT_EQ(form->Command1->x(), ui::px(s.width() - 900));
        EXPECT_EQ(form->Command1->size(), QSize(ui::px(855), ui::px(330)));
    }
}

TEST_F(LayoutWindow, ArrowButtonsMoveTheBoxWithinTheirLimits)
{
    resizeTo(12000, 9000);
    // Up from the designed place: steps of 200 until the top is no longer above 400.
    for (int i = 0; i < 30; ++i)
        form->cmdMove[0]->click();
    EXPECT_EQ(form->quizBoxTw(), QPoint(90, 300));

    form->setQuizBoxTw(QPoint(90, 401));
    form->cmdMove[0]->click();
    EXPECT_EQ(form->quizBoxTw(), QPoint(90, 201));
    form->cmdMove[0]->click();
    EXPECT_EQ(form->quizBoxTw(), QPoint(90, 201));

    // Left stops between 1 and 200.
    form->setQuizBoxTw(QPoint(650, 2000));
    for (int i = 0; i < 10; ++i)
        form->cmdMove[2]->click();
    EXPECT_EQ(form->quizBoxTw(), QPoint(50, 2000));

    // Down and right stop with the box and its answers wholly inside the client area.
    auto farthest = [&] {
        return QPoint(ui::twips(form->client->width()) - 6915, ui::twips(form->client->height()) - 3165);
    };
    form->setQuizBoxTw(QPoint(4000, 4500));
    for (int i = 0; i < 8; ++i) {
        form->cmdMove[1]->click();
        form->cmdMove[3]->click();
    }
    EXPECT_EQ(form->quizBoxTw(), farthest());

    // The limits use the window's size as it is now.
    resizeTo(18000, 12000);
    const QPoint before = form->quizBoxTw();
    form->cmdMove[1]->click();
    form->cmdMove[3]->click();
    EXPECT_EQ(form->quizBoxTw(), before + QPoint(200, 200));
    EXPECT_EQ(form->Frame2->pos(), QPoint(ui::px(before.x() + 200), ui::px(before.y() + 200)));
}

TEST_F(LayoutWindow, TheQuestionBoxIsKeptInsideTheClientArea)
{
    // At the minimum size the designed place would put the last answers below the window.
    resizeTo(9600, 7200);
    const QRect client = form->client->rect();
    EXPECT_TRUE(client.contains(form->Frame2->geometry())) << form->Frame2->y();
    // A drop past the edge, and a place from the settings file, are brought inside.
    form->Form_DragDrop(form->Frame2, 20000, -500);
    EXPECT_TRUE(client.contains(form->Frame2->geometry()));
    EXPECT_EQ(form->quizBoxTw().y(), 0);
    // Zoomed, the box is larger and is still kept inside.
    resizeTo(18000, 12000);
    ASSERT_TRUE(form->setZoomStep(150));
    EXPECT_TRUE(form->client->rect().contains(form->Frame2->geometry()));
}

TEST_F(LayoutWindow, ADropMovesTheDroppedControl)
{
    const QSize boxSize = form->Frame2->size();
    form->Form_DragDrop(form->Frame2, 3000, 1500);
    EXPECT_EQ(form->quizBoxTw(), QPoint(3000, 1500));
    EXPECT_EQ(form->Frame2->geometry(), QRect(QPoint(200, 100), boxSize));

    // The arrows go on from the dropped place.
    form->cmdMove_Click(0);
    EXPECT_EQ(form->quizBoxTw(), QPoint(3000, 1300));
}

TEST_F(LayoutWindow, DraggingTheQuestionBoxOntoTheWindowDropsItThere)
{
    QMimeData mime;
    mime.setData(QStringLiteral("application/x-quillora-control"), QByteArray("Frame2"));
    const QPoint at(300, 200);  // in the window, above the client area's origin by the menu bar
    QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    deliver(&drop);
    const QPoint inClient = form->client->mapFrom(form.get(), at);
    EXPECT_EQ(form->quizBoxTw(), QPoint(ui::twips(inClient.x()), ui::twips(inClient.y())));
    EXPECT_EQ(form->Frame2->pos(), inClient);

    // Anything else dropped on the window is not ours to move.
    QMimeData text;
    text.setText(QStringLiteral("Frame2"));
    QDropEvent other(QPointF(10, 300), Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    deliver(&other);
    EXPECT_EQ(form->Frame2->pos(), inClient);
}

TEST_F(LayoutWindow, EveryControlThatWearsTheQuizPictureWearsTheSameOne)
{
    const qint64 key = form->imgQuiz->picture().cacheKey();
    ASSERT_FALSE(form->imgQuiz->picture().isNull());
    EXPECT_EQ(form->imgQuiz->geometry(), QRect(QPoint(0, 0), form->Frame2->size()));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->cmdMove[i]->picture().cacheKey(), key);
        EXPECT_EQ(form->btnAnswer[i + 1]->picture().cacheKey(), key);
    }
    EXPECT_EQ(form->imgBar->picture().cacheKey(), key);
    EXPECT_EQ(form->btnBegin->picture().cacheKey(), key);
    EXPECT_EQ(form->Command1->picture().cacheKey(), key);
    EXPECT_EQ(form->Command1->disabledPicture().cacheKey(), key);
}

} // namespace
