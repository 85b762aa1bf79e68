// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a person can reach in every window has a name a screen reader can say.
#include "editor/questioneditor.h"
#include "explore/explorewindow.h"
#include "support/gamefixture.h"
#include "symbols/form2.h"
#include "symbols/form5.h"
#include "symbols/frmabout.h"
#include "symbols/helpwindow.h"

#include <QAccessible>
#include <QApplication>

using namespace modValdra;

namespace {

// The focusable, shown controls under `iface` that have no name, as "class 'objectName'".
void collectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    if (state.focusable && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* object = iface->object();
        unnamed << QStringLiteral("%1 '%2' (role %3)")
                       .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?"),
                            object ? object->objectName() : QString())
                       .arg(int(iface->role()));
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), unnamed, depth + 1);
}

QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

class Accessibility : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
    }
    void expectAllNamed(QWidget* window, const char* what)
    {
        ASSERT_NE(window, nullptr) << what;
        window->show();
        QApplication::processEvents();
        EXPECT_EQ(unnamedControls(window), QStringList()) << what;
    }
};

TEST_F(Accessibility, TheMainWindowBeforeDuringAndAfterAGame)
{
    expectAllNamed(form.get(), "before a game");
    form->btnBegin_Click();
    expectAllNamed(form.get(), "a question on show");
    // A right answer: the symbol waits for the map, the gallery gets a slot later.
    for (int i = 1; i <= 4; ++i)
        if (form->btnAnswer[i]->text().startsWith(QStringLiteral("Right"))) {
            form->btnAnswer_Click(i);
            break;
        }
    ASSERT_EQ(AwaitingLocation, 1);
    expectAllNamed(form.get(), "a symbol waiting");
    form->mnuEndGame_Click();
    expectAllNamed(form.get(), "after the game");
}

TEST_F(Accessibility, EverySecondaryWindow)
{
    form->mnuNewPictures_Click();
    expectAllNamed(Form2::instance(), "Picture Locator");
    form->mnuGameLength_Click();
    expectAllNamed(form->existingForm4(), "options");
    form->mnuSaveOptions_Click();
    expectAllNamed(form->existingSettingsEditor(), "settings editor");
    form->mnuScores_Click();
    expectAllNamed(form->existingForm6(), "high scores");
    form->mnuAbout_Click();
    expectAllNamed(form->existingAbout(), "about box");
    form->mnuValdraHelp_Click();
    expectAllNamed(form->existingHelp(), "help");
    form->mnuExplore_Click();
    expectAllNamed(form->existingExplore(), "Explore the Map");
    form->mnuEditQuestions_Click();
    expectAllNamed(form->existingQuestionEditor(), "question editor");
    {
        Form5 chooser(form.get());
        expectAllNamed(&chooser, "file chooser");
        chooser.hide();
    }
    if (Form2* locator = Form2::instance())
        locator->close();
}

} // namespace
