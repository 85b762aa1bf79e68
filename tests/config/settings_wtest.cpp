#include "support/gamefixture.h"
#include "ui/twips.h"
#include "ui/windowsize.h"

#include <QImage>

namespace {

using namespace modValdra;

// What the shared values are after start-up read the file. The defaults, unless a case says
// otherwise.
struct Expected {
    QString quizFile = QStringLiteral("Valdra.qtn");
    QString picListFile;
    int symbolListPending = 0;
    int gameSeconds = 180;
    int symbolCount = 12;
};

struct LinesCase {
    const char* name;
    QStringList lines;
    Expected expected;
    bool stopped = false;  // an error ended the reading, so the symbol list was not loaded
};

Expected with(std::function<void(Expected&)> change)
{
    Expected e;
    change(e);
    return e;
}

class SettingsLines : public GameFixture, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(SettingsLines, ApplyEachLineInTurn)
{
    const LinesCase& c = GetParam();
    // A list that loads, so that a reading which goes on to the end does select the custom set.
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(folder.file(QStringLiteral("pic.bmp")), "BMP");
    folder.writeLines(QStringLiteral("mine.lst"), {QStringLiteral("Ontario; pic.bmp")});
    folder.writeLines(QStringLiteral("valdra.ini"), c.lines);
    start();
    EXPECT_EQ(QuizFile, c.expected.quizFile);
    EXPECT_EQ(PicListFile, c.expected.picListFile);
    EXPECT_EQ(SymbolListPending, c.expected.symbolListPending);
    EXPECT_EQ(GameSeconds, c.expected.gameSeconds);
    EXPECT_EQ(SymbolCount, c.expected.symbolCount);
    // Loading the list makes the custom set the one in use; a stopped reading never loads it.
    if (c.stopped) {
        EXPECT_NE(SymbolSetChoice, 26);
    } else if (PicListFile == QLatin1String("mine.lst")) {
        EXPECT_EQ(SymbolSetChoice, 26);
    }
    // The reader itself never speaks; what is told is the checker's report, with its details.
    for (const auto& message : script.messages)
        EXPECT_FALSE(message.details.isEmpty()) << message.text.toStdString();
}

const LinesCase Cases[] = {
    {"GameLengthAlone", {"Timeoption: 5"}, with([](Expected& e) { e.gameSeconds = 300; })},
    {"TwoMinutesIgnored", {"Timeoption: 10", "Timeoption: 2"}, with([](Expected& e) { e.gameSeconds = 600; })},
    {"AlmostThreeMinutes", {"Timeoption: 10", "Timeoption: 2.9999"}, {}},
    {"HalfSymbolsUp", {"Dooroption: 6", "Dooroption: 11.5"}, {}},
    {"HalfSymbolsDown", {"Dooroption: 6.5"}, with([](Expected& e) { e.symbolCount = 6; })},
    {"SevenSymbolsIgnored", {"Dooroption: 6", "Dooroption: 7"}, with([](Expected& e) { e.symbolCount = 6; })},
    {"ThousandMinutesStops",
     {"PicList: mine.lst", "Timeoption: 1000", "Quiz: later.qtn", "Dooroption: 6"},
     with([](Expected& e) {
         e.picListFile = QStringLiteral("mine.lst");
         e.symbolListPending = 1;
     }),
     true},
    {"ListLoadedAtTheEnd", {"PicList: mine.lst", "Timeoption: 3"},
     with([](Expected& e) {
         e.picListFile = QStringLiteral("mine.lst");
         e.symbolListPending = 1;
     })},
    {"LargestGameLengthThatFitsIsSkipped", {"Timeoption: 546.1", "Quiz: after.qtn"},
     with([](Expected& e) { e.quizFile = QStringLiteral("after.qtn"); })},
    {"TooManySymbolsStops", {"Dooroption: 1e999", "Quiz: later.qtn"}, {}, true},
    {"LowerCaseKeys",
     {"quiz: lower.qtn", "piclist: lower.lst", "timeoption: 1", "dooroption: 6"},
     with([](Expected& e) {
         e.quizFile = QStringLiteral("lower.qtn");
         e.picListFile = QStringLiteral("lower.lst");
         e.symbolListPending = 1;
         e.gameSeconds = 60;
         e.symbolCount = 6;
     })},
    {"TrailingSpacesKept", {"Quiz:    spaced.qtn  "}, with([](Expected& e) { e.quizFile = QStringLiteral("spaced.qtn  "); })},
    {"TabAfterColonKept", {"Quiz:\tTabbed.qtn"}, with([](Expected& e) { e.quizFile = QStringLiteral("\tTabbed.qtn"); })},
    {"DriveLetterPath", {"Quiz: C:\\Games\\Quillora\\Canada.qtn"},
     with([](Expected& e) { e.quizFile = QStringLiteral("C:\\Games\\Quillora\\Canada.qtn"); })},
    {"PicListHoldingQuiz", {"PicList: quiz: odd.lst"},
     with([](Expected& e) { e.quizFile = QStringLiteral("quiz: odd.lst"); })},
    {"EmptyPicList", {"PicList: first.lst", "PicList:"}, with([](Expected& e) { e.symbolListPending = 1; })},
    {"KeyInsideALineAndLastOneWins", {"", "just a note", "My Quiz: first.qtn", "Quiz: second.qtn"},
     with([](Expected& e) { e.quizFile = QStringLiteral("second.qtn"); })},
    {"MissingQuizPictureStops", {"Quiz: before.qtn", "QuizPic: nothere.bmp", "Quiz: later.qtn", "Timeoption: 5"},
     with([](Expected& e) { e.quizFile = QStringLiteral("before.qtn"); }), true},
    {"RefusedWidthStops", {"Gamewidth: -1", "Quiz: later.qtn"}, {}, true},
    {"RefusedPlaceStops", {"Quiztop: 1e9", "Quiz: later.qtn"}, {}, true},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsLines, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

class SettingsFile : public GameFixture {
protected:
    void startWith(const QStringList& lines)
    {
        folder.writeLines(QStringLiteral("valdra.ini"), lines);
        start();
    }

    // Every control that wears the quiz picture wears `picture`.
    void expectQuizPicture(const QPixmap& picture)
    {
        const qint64 key = form->imgQuiz->picture().cacheKey();
        EXPECT_EQ(form->imgQuiz->picture().isNull(), picture.isNull());
        EXPECT_EQ(form->imgQuiz->picture().size(), picture.size());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(form->btnAnswer[i + 1]->picture().cacheKey(), key) << i + 1;
            EXPECT_EQ(form->cmdMove[i]->picture().cacheKey(), key) << i;
        }
        EXPECT_EQ(form->imgBar->picture().cacheKey(), key);
        EXPECT_EQ(form->btnBegin->picture().cacheKey(), key);
        EXPECT_EQ(form->Command1->picture().cacheKey(), key);
        EXPECT_EQ(form->Command1->disabledPicture().cacheKey(), key);
    }

    QImage writePicture(const QString& name, const char* format, QSize size = QSize(40, 20))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(30, 120, 200));
        EXPECT_TRUE(image.save(folder.file(name), format));
        return image;
    }
};

TEST_F(SettingsFile, NoFileLeavesEveryDefault)
{
    start();
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_EQ(GameSeconds, 180);
    EXPECT_EQ(SymbolCount, 12);
    EXPECT_EQ(form->client->size(), QSize(ui::px(11880), ui::px(8310)));
    EXPECT_EQ(form->quizBoxTw(), QPoint(90, 5100));
    EXPECT_FALSE(form->imgQuiz->picture().isNull());
}

TEST_F(SettingsFile, TheNameIsFoundWhateverItsCase)
{
    folder.writeLines(QStringLiteral("Valdra.ini"), {"Timeoption: 10", "Quiz: Found.qtn"});
    start();
    EXPECT_EQ(GameSeconds, 600);
    EXPECT_EQ(QuizFile, QStringLiteral("Found.qtn"));
}

TEST_F(SettingsFile, APictureFileDressesTheQuestionBoxAndTheButtons)
{
    writePicture(QStringLiteral("back.bmp"), "BMP", QSize(40, 20));
    startWith({"QuizPic: BACK.BMP"});  // the name is matched without regard to case
    expectQuizPicture(QPixmap(40, 20));
    EXPECT_EQ(form->imgQuiz->picture().toImage().pixelColor(5, 5), QColor(30, 120, 200));
    // The reader does not name the picture for the editor.
    EXPECT_TRUE(QuizPicFile.isEmpty());
}

TEST_F(SettingsFile, AJpegLoadsToo)
{
    writePicture(QStringLiteral("back.jpg"), "JPEG", QSize(24, 24));
    startWith({"QuizPic: back.jpg"});
    expectQuizPicture(QPixmap(24, 24));
}

TEST_F(SettingsFile, AnEmptyQuizPictureClearsThePictures)
{
    startWith({"QuizPic:", "Quiz: after.qtn"});
    expectQuizPicture(QPixmap());
    EXPECT_TRUE(form->imgQuiz->picture().isNull());
    EXPECT_TRUE(form->btnAnswer[1]->picture().isNull());
    EXPECT_TRUE(form->Command1->disabledPicture().isNull());
    EXPECT_EQ(QuizFile, QStringLiteral("after.qtn"));
}

TEST_F(SettingsFile, AQuizPictureThatIsNotAPictureStopsAndKeepsTheBuiltInOne)
{
    folder.write(QStringLiteral("fake.bmp"), "not a picture at all");
    startWith({"QuizPic: fake.bmp", "Quiz: later.qtn"});
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_FALSE(form->imgQuiz->picture().isNull());
    expectQuizPicture(form->imgQuiz->picture());
}

// Before the first showing the outer size is measured with the designed allowance; once shown,
// with the frame the window system reports, and the window keeps the size it was given.
TEST_F(SettingsFile, SizesSetTheWindowAndTheLayoutFollows)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {"Gamewidth: 18000", "Gameheight: 10 800"});
    form->Form_Load();
    EXPECT_EQ(form->widthTw(), 18000);
    EXPECT_EQ(form->heightTw(), 10800);
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->widthTw(), 18000);
    EXPECT_EQ(form->heightTw(), 10800);
    EXPECT_EQ(form->Command1->x(), ui::px(18000 - 900));
    EXPECT_EQ(form->Frame1->width(), ui::px(18000));
    // Factors 2 and 1.2.
    EXPECT_EQ(form->Crest[3]->geometry(), ui::rectTw(14820, 576, 2190, 1458));
}

TEST_F(SettingsFile, ATooSmallSizeSnapsToTheMinimum)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {"Gamewidth: 5000", "Gameheight: 0", "Timeoption: 1"});
    form->Form_Load();
    EXPECT_EQ(GameSeconds, 60);  // the reading went on
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->widthTw(), 9600);
    EXPECT_EQ(form->heightTw(), 7200);
    EXPECT_EQ(form->Command1->x(), ui::px(9600 - 900));
}

TEST_F(SettingsFile, TopAndLeftPlaceTheQuestionBox)
{
    startWith({"Quiztop: 1234", "Quizleft: 567.5"});
    EXPECT_EQ(form->quizBoxTw(), QPoint(568, 1234));
    EXPECT_EQ(form->Frame2->pos(), QPoint(ui::px(568), ui::px(1234)));
    // The arrows go on from there.
    form->cmdMove_Click(0);
    EXPECT_EQ(form->quizBoxTw(), QPoint(568, 1034));
}

TEST_F(SettingsFile, ARefusedSizeStopsButWhatCameBeforeStays)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {"Quizleft: -300", "Gamewidth: 13500", "Gameheight: 1e999", "Gamewidth: 16500"});
    form->Form_Load();
    EXPECT_EQ(form->quizBoxTw(), QPoint(-300, 5100));
    EXPECT_EQ(form->widthTw(), 13500);
    EXPECT_EQ(form->heightTw(), 9000);
}

} // namespace
