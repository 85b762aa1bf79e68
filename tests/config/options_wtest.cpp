// The game options dialog: what it shows, what each click sets, and how it meets a game.
#include "support/gamefixture.h"

#include "config/form4.h"
#include "game/state.h"
#include "ui/twips.h"

#include <QImage>

using namespace modValdra;

namespace {

class OptionsTest : public GameFixture {
protected:
    Form4* open()
    {
        form->mnuGameLength_Click();
        return form->existingForm4();
    }

    static std::vector<ui::PictureOption*> all(Form4* f)
    {
        return {f->Option1, f->Option2, f->Option3, f->Option4, f->Option5, f->Option6,
                f->Option7, f->Option8, f->Option9, f->Option10, f->Option11};
    }

    // The captions of the selected options, in the order of the options' numbers.
    static QStringList selected(Form4* f)
    {
        QStringList captions;
        for (ui::PictureOption* option : all(f))
            if (option->isChecked())
                captions << option->text();
        return captions;
    }
};

TEST_F(OptionsTest, TheDefaultsAreSelectedInADressedDialog)
{
    writeQuestions(5);
    start();
    Form4* f = open();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Quillora--Options"));
    EXPECT_EQ(f->size(), QSize(ui::px(5625), ui::px(4725)));
    EXPECT_EQ(selected(f), QStringList({"Use Provincial/Territorial Crests", "12 symbols", " 3 minutes", "Regular Game"}));
    EXPECT_EQ(f->Option4->text(), QStringLiteral(" 1 minute"));
    EXPECT_EQ(f->Option7->text(), QStringLiteral("10 minutes"));
    EXPECT_EQ(f->Option9->text(), QStringLiteral("Use Custom Symbols"));

    // Frames and options at their designed places, each option inside its frame.
    EXPECT_EQ(f->Frame2->geometry(), ui::rectTw(240, 195, 1935, 1815));
    EXPECT_EQ(f->Frame1->geometry(), ui::rectTw(2595, 195, 2790, 1815));
    EXPECT_EQ(f->Frame4->geometry(), ui::rectTw(240, 2130, 1935, 1695));
    EXPECT_EQ(f->Frame3->geometry(), ui::rectTw(2595, 2130, 2835, 1695));
    EXPECT_EQ(f->Command1->geometry(), ui::rectTw(2130, 4095, 1095, 375));
    EXPECT_EQ(f->Option9->pos(), ui::rectTw(210, 1200, 0, 0).topLeft());
    EXPECT_EQ(f->Option9->parentWidget(), f->Frame3);
    for (ui::PictureOption* option : all(f))
        EXPECT_TRUE(option->parentWidget()->rect().contains(option->geometry())) << option->text().toStdString();

    // Every background wears the question box picture.
    const qint64 key = form->imgQuiz->picture().cacheKey();
    EXPECT_EQ(f->imgBackGround->geometry(), f->rect());
    EXPECT_EQ(f->imgBackGround->picture().cacheKey(), key);
    for (ui::PictureImage* image : f->imgFrame)
        EXPECT_EQ(image->picture().cacheKey(), key);
    for (ui::PictureOption* option : all(f))
        EXPECT_EQ(option->picture().cacheKey(), key);
    EXPECT_EQ(f->Command1->picture().cacheKey(), key);
    // The question box is put away while the options are chosen.
    EXPECT_FALSE(form->Frame2->isVisible());
}

TEST_F(OptionsTest, EachClickSetsItsValueAtOnce)
{
    writeQuestions(5);
    start();
    Form4* f = open();
    struct Case {
        ui::PictureOption* option;
        qint16* value;
        qint16 expected;
    } cases[] = {
        {f->Option4, &GameSeconds, 60},  {f->Option6, &GameSeconds, 300},     {f->Option7, &GameSeconds, 600},
        {f->Option5, &GameSeconds, 180}, {f->Option2, &SymbolCount, 6},       {f->Option3, &SymbolCount, 12},
        {f->Option8, &SymbolSetChoice, 13}, {f->Option9, &SymbolSetChoice, 26}, {f->Option1, &SymbolSetChoice, 0},
        {f->Option11, &DifficultyLevel, 1}, {f->Option10, &DifficultyLevel, 0},
    };
    for (const Case& c : cases) {
        *c.value = -1;
        c.option->click();
        EXPECT_EQ(*c.value, c.expected) << c.option->text().toStdString();
        EXPECT_TRUE(c.option->isChecked());
    }
    // One selection per group.
    f->Option6->click();
    f->Option2->click();
    EXPECT_EQ(selected(f), QStringList({"Use Provincial/Territorial Crests", "6 symbols", " 5 minutes", "Regular Game"}));
}

TEST_F(OptionsTest, OpeningDuringAGameEndsItWithoutAHighScoreOffer)
{
    writeQuestions(20);
    start();
    form->btnBegin_Click();
    ASSERT_EQ(ClockRunning, 1);
    // A game that would qualify for the list if it came to its natural end.
    Score = 3000;
    CorrectCount = 8;
    Bonus = 250;
    open();
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(Score, 3250);  // the bonus is settled
    EXPECT_TRUE(script.prompts.isEmpty());
    EXPECT_EQ(HighScoreValues[0], 0);
    EXPECT_TRUE(form->btnBegin->isVisible());
    EXPECT_FALSE(form->Frame2->isVisible());
    EXPECT_EQ(form->existingForm6(), nullptr);
}

TEST_F(OptionsTest, ACustomListNamesAndSelectsTheThirdSet)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.save(folder.file(QStringLiteral("bird.bmp")), "BMP");
    folder.writeLines(QStringLiteral("Birds.lst"), {QStringLiteral("Ontario; bird.bmp")});
    folder.writeLines(QStringLiteral("valdra.ini"), {QStringLiteral("PicList: Birds.lst")});
    writeQuestions(5);
    start();
    Form4* f = open();
    EXPECT_EQ(f->Option9->text(), QStringLiteral("Use Birds"));
    EXPECT_TRUE(f->Option9->isChecked());
    EXPECT_FALSE(f->Option1->isChecked());
}

TEST_F(OptionsTest, OpeningAgainSelectsAfreshButKeepsTheDialogAndItsSetName)
{
    writeQuestions(5);
    start();
    Form4* f = open();
    // Values changed behind the open dialog (a list loaded, a settings change).
    GameSeconds = 600;
    DifficultyLevel = 1;
    SymbolSetChoice = 26;
    CustomSetName = QStringLiteral("Birds");
    form->btnBegin_Click();
    EXPECT_EQ(open(), f);
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(selected(f), QStringList({"12 symbols", "10 minutes", "Use Custom Symbols", "Expert"}));
    EXPECT_EQ(f->Option9->text(), QStringLiteral("Use Custom Symbols"));
}

TEST_F(OptionsTest, TheCloseBoxKeepsTheChoicesAndDiscardsTheDialog)
{
    writeQuestions(5);
    start();
    Form4* f = open();
    f->Option6->click();
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingForm4(), nullptr);
    EXPECT_EQ(GameSeconds, 300);

    // OK does the same; a game started afterwards lasts the chosen time.
    f = open();
    EXPECT_TRUE(f->Option6->isChecked());
    f->Option4->click();
    f->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingForm4(), nullptr);
    script.clock = 36000;
    form->btnBegin_Click();
    EXPECT_EQ(EndTime, 36060);
}

TEST_F(OptionsTest, ShutDownUnloadsTheDialogs)
{
    writeQuestions(5);
    start();
    open();
    form->mnuSaveOptions_Click();
    ASSERT_NE(form->existingForm4(), nullptr);
    ASSERT_NE(form->existingSettingsEditor(), nullptr);
    form->ShutDown();
    EXPECT_EQ(form->existingForm4(), nullptr);
    EXPECT_EQ(form->existingSettingsEditor(), nullptr);
    EXPECT_TRUE(form->shutDownRequested);
}

} // namespace
