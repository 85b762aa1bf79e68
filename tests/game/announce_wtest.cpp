// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of a game: the map's name, the counters, and the changes announced.
#include "support/gamefixture.h"
#include "ui/announce.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QSpontaneKeyEvent>
#include <QTest>

#include "explore/explorewindow.h"
#include "ui/keyboard.h"

using namespace modValdra;

namespace {

class Announce : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
        form->btnBegin_Click();
    }
    QString heard()
    {
        QApplication::processEvents();
        QLabel* label = ui::announcer(form.get());
        return label ? label->text() : QString();
    }
    // Answers the question on show rightly, drawing the region of pool position `j`.
    void answerRightly(int j)
    {
        script.randoms.push_back((j + 0.5f) / float(std::max(SymbolPoolTop, 1)));
        for (int i = 1; i <= 4; ++i)
            if (form->btnAnswer[i]->text().startsWith(QStringLiteral("Right"))) {
                form->btnAnswer_Click(i);
                return;
            }
        FAIL() << "no right answer on show";
    }
    void pressAt(int region)
    {
        form->Picture1_MouseDown(1, 0, float(RegionTable[region].x + 14), float(RegionTable[region].y - 14));
    }
};

TEST_F(Announce, AQuestionIsReadWithItsAnswers)
{
    const QString said = heard();
    EXPECT_TRUE(said.startsWith(QStringLiteral("Question: ") + CurrentQuestion.trimmed())) << said.toStdString();
    for (int a = 1; a <= 4; ++a)
        EXPECT_TRUE(said.contains(CurrentAnswers[a])) << a;
}

TEST_F(Announce, TheMapSaysWhatItWaitsForAndTheOutcomeIsHeard)
{
    EXPECT_EQ(form->Picture1->accessibleName(), QStringLiteral("Map of Canada."));
    heard();
    answerRightly(10);
    ASSERT_EQ(TargetName, QStringLiteral("Yukon"));
    EXPECT_EQ(form->Picture1->accessibleName(), QStringLiteral("Map of Canada. Place the symbol of Yukon."));
    EXPECT_TRUE(heard().startsWith(QStringLiteral("Right.")));

    pressAt(10);
    EXPECT_EQ(form->Picture1->accessibleName(), QStringLiteral("Map of Canada."));
    // The outcome first, then the next question, in one announcement.
    const QString found = heard();
    EXPECT_TRUE(found.startsWith(QStringLiteral("Found: Yukon Question: "))) << found.toStdString();
    EXPECT_EQ(form->Crest[0]->accessibleName(), QStringLiteral("Crest of Yukon"));

    answerRightly(6);  // the pool moved on: whatever it draws, miss it on Quebec
    heard();
    const QString target = TargetName;
    ASSERT_NE(target, QStringLiteral("Quebec"));
    pressAt(5);
    EXPECT_TRUE(heard().startsWith(QStringLiteral("You went to Quebec instead of ") + target)) << heard().toStdString();
}

TEST_F(Announce, TheKeyboardPointerNamesTheRegionUnderIt)
{
    answerRightly(3);
    ui::noteKeyboardUse(form->Picture1, true);
    form->Picture1->setFocus();
    // Walk the pointer's tip onto Manitoba's point: the hot spot stands 14 right and 14 up.
    const QPoint goal(RegionTable[3].x + 14, RegionTable[3].y - 14);
    for (int guard = 0; guard < 400 && form->Picture1->keyPoint() != goal; ++guard) {
        const QPoint k = form->Picture1->keyPoint();
        const Qt::Key key = k.x() < goal.x() ? Qt::Key_Right : k.x() > goal.x() ? Qt::Key_Left
                          : k.y() < goal.y() ? Qt::Key_Down : Qt::Key_Up;
        QTest::keyClick(form->Picture1, key);
    }
    ASSERT_EQ(form->Picture1->keyPoint(), goal);
    EXPECT_TRUE(form->Picture1->accessibleName().endsWith(QStringLiteral("The pointer is over Manitoba.")))
        << form->Picture1->accessibleName().toStdString();
}

TEST_F(Announce, CountersReadWithTheirLabelsTheLastMinuteAndTheEnd)
{
    script.clock += 10;
    form->Timer1_Timer();
    EXPECT_EQ(form->lblScore->accessibleName(), QStringLiteral("Score: 0"));
    EXPECT_EQ(form->lblTurnsLeft->accessibleName(), QStringLiteral("Turns Left: 12"));
    EXPECT_EQ(form->lblmin->accessibleName(), QStringLiteral("Time Left: 2 min. 50 sec."));
    EXPECT_FALSE(heard().contains(QStringLiteral("One minute left.")));

    script.clock += 120;
    form->Timer1_Timer();
    EXPECT_EQ(heard(), QStringLiteral("One minute left."));
    // Said once, not at every tick of the last minute.
    ui::announcer(form.get())->clear();
    script.clock += 1;
    form->Timer1_Timer();
    EXPECT_EQ(heard(), QString());

    form->mnuEndGame_Click();
    EXPECT_TRUE(heard().startsWith(QStringLiteral("Game over. Score: "))) << heard().toStdString();
    EXPECT_TRUE(form->lblScore->accessibleName().startsWith(QStringLiteral("Score: ")));
}

// What a screen reader is given as the window: one frame, whatever the boxes inside.
void collectRoles(QAccessibleInterface* iface, QList<QAccessible::Role>& roles, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child)
            continue;
        roles << child->role();
        collectRoles(child, roles, depth + 1);
    }
}

TEST_F(Announce, EachWindowIsOneFrameWithPanelsInsideAndTheAnnouncerIsANotification)
{
    heard();
    explore::ExploreWindow exploreWindow;
    exploreWindow.show();
    for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&exploreWindow)}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Window) << window->windowTitle().toStdString();
        EXPECT_EQ(iface->text(QAccessible::Name), window->windowTitle());
        QList<QAccessible::Role> inside;
        collectRoles(iface, inside);
        EXPECT_FALSE(inside.contains(QAccessible::Window)) << window->windowTitle().toStdString();
        EXPECT_FALSE(inside.contains(QAccessible::Border)) << window->windowTitle().toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Frame1)->role(), QAccessible::Pane);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Frame2)->role(), QAccessible::Pane);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ui::announcer(form.get()))->role(), QAccessible::Notification);
}

TEST_F(Announce, TheAnswersAreNumberedAndAWrongAnswerBringsTheQuestionBack)
{
    const QString question = heard();
    int wrong = 0;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(question.contains(QStringLiteral("%1. %2").arg(i).arg(form->btnAnswer[i]->text()))) << i;
        if (!form->btnAnswer[i]->text().startsWith(QStringLiteral("Right")))
            wrong = i;
    }
    form->btnAnswer_Click(wrong);
    ASSERT_EQ(script.messages.size(), 1);
    // Said after the box: the outcome, then the question again.
    const QString again = heard();
    EXPECT_TRUE(again.startsWith(QStringLiteral("Wrong. The correct answer is: "))) << again.toStdString();
    EXPECT_TRUE(again.contains(QStringLiteral("Question: ") + CurrentQuestion.trimmed())) << again.toStdString();
}

TEST_F(Announce, EveryStepOfTheMapsPointerSaysWhereItStandsEveryRound)
{
    for (int round = 0; round < 2; ++round) {
        answerRightly(round == 0 ? 3 : 0);
        heard();
        ui::noteKeyboardUse(form->Picture1, true);
        form->Picture1->setFocus();
        QStringList steps;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(form->Picture1, Qt::Key_Right);
            steps << heard();
        }
        for (const QString& step : steps)
            EXPECT_FALSE(step.isEmpty()) << "round " << round;
        QTest::keyClick(form->Picture1, Qt::Key_Return);
        heard();
    }
    // The top left corner of the map is water.
    answerRightly(1);
    heard();
    ui::noteKeyboardUse(form->Picture1, true);
    form->Picture1->setFocus();
    // Each step is said on its own: the last says the corner.
    const QPoint from = form->Picture1->keyPoint();
    QString last;
    for (int i = 0; i < 200 && form->Picture1->keyPoint().x() > 17; ++i) {
        QTest::keyClick(form->Picture1, Qt::Key_Left);
        last = heard();
    }
    for (int i = 0; i < 200 && form->Picture1->keyPoint().y() > 0; ++i) {
        QTest::keyClick(form->Picture1, Qt::Key_Up);
        last = heard();
    }
    ASSERT_NE(form->Picture1->keyPoint(), from);
    EXPECT_EQ(last, QStringLiteral("Sea"));
}

TEST_F(Announce, ExploreSaysEachStepAndReadsTheFactsOnEnter)
{
    explore::ExploreWindow window;
    window.show();
    QTest::keyClick(window.map, Qt::Key_Right);
    QApplication::processEvents();
    ASSERT_NE(ui::announcer(&window), nullptr);
    const QString first = ui::announcer(&window)->text();
    EXPECT_FALSE(first.isEmpty());
    QTest::keyClick(window.map, Qt::Key_Return);
    QApplication::processEvents();
    const QString facts = ui::announcer(&window)->text();
    EXPECT_TRUE(facts.startsWith(first)) << facts.toStdString();
    EXPECT_TRUE(facts.contains(QStringLiteral("Capital: "))) << facts.toStdString();
    EXPECT_EQ(window.lblCapital->focusPolicy(), Qt::TabFocus);
}

// Counts the presses that reach it.
class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++presses;
        event->accept();
    }
};

// One press, one action: a held key's repeats and a second press before a release never reach
// a control; a press after a release does. Keys as the window system sends them.
TEST_F(Announce, AHeldOrUnreleasedKeyActsOnce)
{
    struct Key {
        QEvent::Type type;
        Qt::Key key;
        bool repeat;
    };
    const auto press = [](Qt::Key k, bool repeat = false) { return Key{QEvent::KeyPress, k, repeat}; };
    const auto release = [](Qt::Key k, bool repeat = false) { return Key{QEvent::KeyRelease, k, repeat}; };
    const struct Case {
        const char* what;
        std::vector<Key> keys;
        int presses;
    } cases[] = {
        {"held Return", {press(Qt::Key_Return), release(Qt::Key_Return, true), press(Qt::Key_Return, true),
                         release(Qt::Key_Return, true), press(Qt::Key_Return, true), release(Qt::Key_Return)}, 1},
        {"1 twice unreleased", {press(Qt::Key_1), press(Qt::Key_1), release(Qt::Key_1)}, 1},
        {"Space pressed twice", {press(Qt::Key_Space), release(Qt::Key_Space), press(Qt::Key_Space), release(Qt::Key_Space)}, 2},
        {"two keys at once", {press(Qt::Key_2), press(Qt::Key_Return), release(Qt::Key_2), release(Qt::Key_Return)}, 2},
        {"arrows repeat", {press(Qt::Key_Left), press(Qt::Key_Left, true), press(Qt::Key_Left, true)}, 3},
    };
    for (const Case& c : cases) {
        PressCounter target;
        target.show();
        for (const Key& k : c.keys) {
            QKeyEvent event(k.type, k.key, Qt::NoModifier, QString(), k.repeat);
            // As QTest does: sendEvent would take the window system's mark off.
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(&target, &event);
        }
        EXPECT_EQ(target.presses, c.presses) << c.what;
    }
}

TEST_F(Announce, ReadQuestionsAloudSpeaksUnlessNoEngineOrAScreenReader)
{
    heard();
    // No engine: said once, then silence.
    form->mnuReadAloud->trigger();
    EXPECT_TRUE(form->mnuReadAloud->isChecked());
    EXPECT_EQ(script.messages.size(), 1u);
    form->mnuReadAloud->trigger();
    form->mnuReadAloud->trigger();
    EXPECT_EQ(script.messages.size(), 1u);
    answerRightly(2);
    heard();
    EXPECT_TRUE(script.spoken.empty());

    // An engine: each announcement in the game's language, the question with its numbers.
    script.speechEngine = true;
    pressAt(2);
    heard();
    ASSERT_FALSE(script.spoken.empty());
    EXPECT_TRUE(script.spoken.back().text.contains(QStringLiteral("Question: "))) << script.spoken.back().text.toStdString();
    EXPECT_TRUE(script.spoken.back().text.contains(QStringLiteral("1. "))) << script.spoken.back().text.toStdString();
    EXPECT_EQ(script.spoken.back().language, QLocale::English);
    // Kept for the next game.
    EXPECT_TRUE(QSettings(QStringLiteral("Quillora"), QStringLiteral("Quillora")).value(QStringLiteral("readQuestionsAloud")).toBool());

    // A screen reader reads the game: the game says nothing twice.
    script.screenReader = true;
    const size_t before = script.spoken.size();
    answerRightly(3);
    heard();
    EXPECT_EQ(script.spoken.size(), before);
}

} // namespace
