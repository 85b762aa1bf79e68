#include "support/gamefixture.h"

#include <QImage>

using namespace modValdra;

namespace {

const QStringList kRegions = {
    "British Columbia", "Alberta", "Saskatchewan", "Manitoba", "Ontario", "Quebec", "New Brunswick",
    "Nova Scotia", "Prince Edward Island", "Newfoundland", "Yukon", "Northwest Territories", "Nunavut"};

class PictureStore : public GameFixture {
protected:
    // A small picture of one colour, saved as a BMP whatever the name's extension says.
    QColor writePicture(const QString& name, QColor colour)
    {
        QImage image(6, 6, QImage::Format_RGB32);
        image.fill(colour);
        QDir().mkpath(QFileInfo(folder.file(name)).path());
        image.save(folder.file(name), "BMP");
        return colour;
    }

    ui::PictureImage* slot(int i) { return form->form3()->Image1[i]; }
    QRgb colourOf(int i) { return slot(i)->picture().toImage().pixel(0, 0); }

    void loadList(const QStringList& lines)
    {
        folder.writeLines(QStringLiteral("Birds.lst"), lines);
        PicListFile = QStringLiteral("Birds.lst");
        form->LoadCustomSymbols();
    }
};

TEST_F(PictureStore, HoldsTheThreeBuiltInSetsInTheirOrder)
{
    start();
    QStringList floral = kRegions;
    floral.swapItemsAt(10, 11);
    const QStringList expected = kRegions + floral + kRegions;
    for (int i = 0; i < 39; ++i) {
        EXPECT_EQ(slot(i)->tag(), expected[i]) << i;
        EXPECT_FALSE(slot(i)->picture().isNull()) << i;
    }
    EXPECT_FALSE(form->form3()->isVisible());
}

TEST_F(PictureStore, AListFillsOnlyAsManySlotsAsItHasLinesAndAtMostThirteen)
{
    start();
    const QImage flagOfQuebec = slot(31)->picture().toImage();
    QStringList five;
    for (int i = 0; i < 5; ++i) {
        writePicture(QStringLiteral("bird%1.bmp").arg(i), QColor(10 * i, 0, 0));
        five << QStringLiteral("%1; bird%2.bmp").arg(kRegions[12 - i]).arg(i);
    }
    loadList(five);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(slot(26 + i)->tag(), kRegions[12 - i]);
        EXPECT_EQ(colourOf(26 + i), QColor(10 * i, 0, 0).rgb());
    }
    for (int i = 5; i < 13; ++i)
        EXPECT_EQ(slot(26 + i)->tag(), kRegions[i]) << "flag slot " << i;
    EXPECT_EQ(slot(31)->picture().toImage(), flagOfQuebec);
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_EQ(CustomSetName, QStringLiteral("Birds"));

    QStringList twenty;
    writePicture(QStringLiteral("x.bmp"), Qt::green);
    for (int i = 0; i < 20; ++i)
        twenty << QStringLiteral("Line %1; x.bmp").arg(i);
    loadList(twenty);
    EXPECT_EQ(slot(38)->tag(), QStringLiteral("Line 12"));
    // The crests and floral emblems never change.
    EXPECT_EQ(slot(25)->tag(), QStringLiteral("Nunavut"));
}

TEST_F(PictureStore, ReadsWindowsPathsAndKeepsTagsExactly)
{
    start();
    writePicture(QStringLiteral("C:/Pics/lily.gif"), Qt::blue);
    writePicture(QStringLiteral("rose.bmp"), Qt::red);
    loadList({QStringLiteral("Quebec;   C:\\Pics\\lily.gif"), QStringLiteral("Alberta ; rose.bmp")});
    EXPECT_EQ(slot(26)->tag(), QStringLiteral("Quebec"));
    EXPECT_EQ(colourOf(26), QColor(Qt::blue).rgb());
    EXPECT_EQ(slot(27)->tag(), QStringLiteral("Alberta "));

    PicListFile = QStringLiteral("C:\\Game.Data\\Birds.lst");
    folder.writeLines(QStringLiteral("C:/Game.Data/Birds.lst"), {QStringLiteral("Yukon; rose.bmp")});
    form->LoadCustomSymbols();
    EXPECT_EQ(slot(26)->tag(), QStringLiteral("Yukon"));
    EXPECT_EQ(CustomSetName, QStringLiteral("Birds"));
}

TEST_F(PictureStore, AFailingLineStopsTheLoadAndKeepsWhatCameBefore)
{
    start();
    writePicture(QStringLiteral("ok.bmp"), Qt::red);
    const QImage oldPicture = slot(27)->picture().toImage();

    // A missing picture: the slot keeps both its old picture and its old tag.
    loadList({QStringLiteral("Ontario; ok.bmp"), QStringLiteral("Quebec; missing.bmp"), QStringLiteral("Yukon; ok.bmp")});
    EXPECT_EQ(slot(26)->tag(), QStringLiteral("Ontario"));
    EXPECT_EQ(slot(27)->tag(), QStringLiteral("Alberta"));
    EXPECT_EQ(slot(27)->picture().toImage(), oldPicture);
    EXPECT_EQ(slot(28)->tag(), QStringLiteral("Saskatchewan"));
    EXPECT_EQ(SymbolSetChoice, 0);
    EXPECT_EQ(CustomSetName, QStringLiteral("Custom Symbols"));

    // A line without ";" stops it the same way.
    loadList({QStringLiteral("Manitoba; ok.bmp"), QStringLiteral("no separator here"), QStringLiteral("Yukon; ok.bmp")});
    EXPECT_EQ(slot(26)->tag(), QStringLiteral("Manitoba"));
    EXPECT_EQ(slot(28)->tag(), QStringLiteral("Saskatchewan"));
    EXPECT_EQ(SymbolSetChoice, 0);

    // A name without "." selects the set but cannot name it.
    folder.writeLines(QStringLiteral("nodot"), {QStringLiteral("Yukon; ok.bmp")});
    PicListFile = QStringLiteral("nodot");
    form->LoadCustomSymbols();
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_EQ(CustomSetName, QStringLiteral("Custom Symbols"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace

namespace {

TEST_F(PictureStore, AListNamedInTheSettingsSurvivesStartUp)
{
    writePicture(QStringLiteral("loon.bmp"), Qt::darkGreen);
    folder.writeLines(QStringLiteral("Birds.lst"), {QStringLiteral("Ontario; loon.bmp")});
    folder.writeLines(QStringLiteral("valdra.ini"), {QStringLiteral("PicList: Birds.lst")});
    start();
    EXPECT_EQ(slot(26)->tag(), QStringLiteral("Ontario"));
    EXPECT_EQ(colourOf(26), QColor(Qt::darkGreen).rgb());
    EXPECT_EQ(slot(27)->tag(), QStringLiteral("Alberta"));
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_EQ(CustomSetName, QStringLiteral("Birds"));
}

} // namespace
