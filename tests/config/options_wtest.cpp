// SPDX-License-Identifier: GPL-3.0-or-later
// The game options dialog: what it shows, what each click sets, and how it meets a game.
#include "support/gamefixture.h"

#include "config/form4.h"
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

    // The captions of the selected options, by option number.
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
    EXPECT_EQ(f->Option9->text(), QStringLiteral("Use Custom Symbols"));
    EXPECT_EQ(f->Frame3->geometry(), ui::rectTw(2595, 2130, 2835, 1695));
    const qint64 key = form->imgQuiz->picture().cacheKey();
    EXPECT_EQ(f->imgBackGround->picture().cacheKey(), key);
    for (ui::PictureOption* option : all(f)) {
        EXPECT_TRUE(option->parentWidget()->rect().contains(option->geometry())) << option->text().toStdString();
        EXPECT_EQ(option->picture().cacheKey(), key);
    }
    EXPECT_FALSE(form->Frame2->isVisible());
}

TEST_F(OptionsTest, EachClickSetsItsValueAtOnce)
{
    writeQuestions(5);
    start();
    Form4* f = open();
    const std::tuple<ui::PictureOption*, qint16*, qint16> cases[] = {
        {f->Option4, &GameSeconds, 60},      {f->Option6, &GameSeconds, 300},      {f->Option7, &GameSeconds, 600},
        {f->Option5, &GameSeconds, 180},     {f->Option2, &SymbolCount, 6},        {f->Option3, &SymbolCount, 12},
        {f->Option8, &SymbolSetChoice, 13},  {f->Option9, &SymbolSetChoice, 26},   {f->Option1, &SymbolSetChoice, 0},
        {f->Option11, &DifficultyLevel, 1},  {f->Option10, &DifficultyLevel, 0},
    };
    for (const auto& [option, value, expected] : cases) {
        *value = -1;
        option->click();
        EXPECT_EQ(*value, expected) << option->text().toStdString();
    }
}

TEST_F(OptionsTest, OpeningDuringAGameEndsItWithoutAHighScoreOffer)
{
    writeQuestions(20);
    start();
    form->btnBegin_Click();
    Score = 3000;  // would enter the list at a natural end
    CorrectCount = 8;
    Bonus = 250;
    open();
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(Score, 3250);
    EXPECT_TRUE(script.prompts.isEmpty());
    EXPECT_TRUE(form->btnBegin->isVisible());
    EXPECT_FALSE(form->Frame2->isVisible());
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
    EXPECT_EQ(selected(open()), QStringList({"12 symbols", " 3 minutes", "Use Birds", "Regular Game"}));
}

TEST_F(OptionsTest, OpeningAgainSelectsAfreshAndClosingKeepsTheChoices)
{
    writeQuestions(5);
    start();
    Form4* f = open();
    GameSeconds = 600;
    CustomSetName = QStringLiteral("Birds");
    EXPECT_EQ(open(), f);
    EXPECT_TRUE(f->Option7->isChecked());
    EXPECT_EQ(f->Option9->text(), QStringLiteral("Use Custom Symbols"));  // named when created

    f->Option6->click();
    f->close();  // the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingForm4(), nullptr);
    EXPECT_EQ(GameSeconds, 300);

    open();
    form->mnuSaveOptions_Click();
    form->ShutDown();
    EXPECT_EQ(form->existingForm4(), nullptr);
    EXPECT_EQ(form->existingSettingsEditor(), nullptr);
}

} // namespace
