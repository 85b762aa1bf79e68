// The Picture Locator: opening it, editing the list, saving and loading it, and putting it into
// the game.
#include "support/gamefixture.h"

#include "symbols/form2.h"
#include "ui/realplatform.h"
#include "files/textfile.h"

#include <QFileDialog>
#include <QImage>

using namespace modValdra;

namespace {

const QString kError = QStringLiteral("You must select a picture and a province/territory.");
const QString kTooMany = QStringLiteral("List should not exceed 13 items!");

class PictureLocator : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(3);
        start();
        form->mnuNewPictures_Click();
        locator = Form2::instance();
        ASSERT_NE(locator, nullptr);
        locator->Dir1->setPath(folder.path());
    }

    QString writePicture(const QString& name, QColor colour)
    {
        QImage image(6, 6, QImage::Format_RGB32);
        image.fill(colour);
        image.save(folder.file(name), "BMP");
        return folder.file(name);
    }

    // Clicks a file of the folder on show, as the user does.
    void clickFile(const QString& name)
    {
        locator->filFile1->refresh();
        const auto found = locator->filFile1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        locator->filFile1->setCurrentItem(found.front());
    }

    void add(int region, const QString& picture)
    {
        clickFile(picture);
        locator->List2->setCurrentRow(region);
        locator->cmdAdd_Click();
    }

    void load(const QString& name)
    {
        script.fileNames.push_back(name);
        locator->cmdLoad_Click();
    }

    void save(const QString& name)
    {
        script.fileNames.push_back(name);
        locator->Cmdsave_Click();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& m : script.messages)
            texts << m.text;
        return texts;
    }

    bool listButtonsEnabled() const { return locator->cmdRemove->isEnabled() && locator->cmdSave->isEnabled(); }

    ui::PictureImage* slot(int i) { return form->form3()->Image1[i]; }

    Form2* locator = nullptr;
};

TEST_F(PictureLocator, OpensOnceAndStartsEmptyAtEveryLoad)
{
    EXPECT_EQ(locator->windowTitle(), QStringLiteral("Quillora--Picture Locator for Treasure Lists"));
    EXPECT_EQ(locator->client->size(), QSize(703, 409));
    EXPECT_EQ(locator->List2->count(), 13);
    EXPECT_EQ(locator->List2->item(10)->text(), QStringLiteral("Yukon"));
    EXPECT_EQ(locator->txtFileTotal->text(), QString());
    EXPECT_FALSE(locator->cmdAdd->isEnabled());
    EXPECT_FALSE(listButtonsEnabled());
    EXPECT_FALSE(locator->cmdAdd->disabledPicture().isNull());
    EXPECT_EQ(locator->imgBackGround->picture().toImage(), form->imgQuiz->picture().toImage());

    writePicture(QStringLiteral("loon.gif"), Qt::blue);
    add(4, QStringLiteral("loon.gif"));
    form->mnuNewPictures_Click();  // a second call keeps the open window and its list
    EXPECT_EQ(Form2::instance(), locator);
    EXPECT_EQ(locator->List1->count(), 1);

    locator->mnuExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form2::instance(), nullptr);
    form->mnuNewPictures_Click();
    ASSERT_NE(Form2::instance(), nullptr);
    EXPECT_EQ(Form2::instance()->List1->count(), 0);
}

TEST_F(PictureLocator, AddsItemsInSortedPlacesAndWarnsFromTheThirteenth)
{
    writePicture(QStringLiteral("loon.gif"), Qt::blue);
    locator->cmdAdd_Click();  // neither picture nor region
    locator->List2->setCurrentRow(4);
    locator->cmdAdd_Click();  // a region but no picture
    EXPECT_EQ(messageTexts(), (QStringList{kError, kError}));
    EXPECT_EQ(locator->List1->count(), 0);

    clickFile(QStringLiteral("loon.gif"));
    EXPECT_EQ(locator->Label1->text(), folder.file(QStringLiteral("loon.gif")));
    EXPECT_TRUE(locator->cmdAdd->isEnabled());
    locator->cmdAdd_Click();
    EXPECT_EQ(locator->listItems(), QStringList{QStringLiteral("Ontario; ") + folder.file(QStringLiteral("loon.gif"))});
    EXPECT_TRUE(listButtonsEnabled());
    EXPECT_EQ(locator->txtFileTotal->text(), QStringLiteral("1"));

    // The selections stay, so the picture goes to the next region at once.
    locator->List2->setCurrentRow(0);
    locator->cmdAdd_Click();
    EXPECT_TRUE(locator->List1->item(0)->text().startsWith(QStringLiteral("British Columbia; ")));
    for (int n = 3; n <= 14; ++n)
        add(n % 13, QStringLiteral("loon.gif"));
    EXPECT_EQ(locator->List1->count(), 14);
    EXPECT_EQ(messageTexts().mid(2), (QStringList{kTooMany, kTooMany}));
    const QStringList items = locator->listItems();
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(),
                               [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
}

TEST_F(PictureLocator, LoadsMergingWithTheListAndDroppingBlankLines)
{
    folder.writeLines(QStringLiteral("a.lst"), {"Yukon; /p/y.gif", "", "alberta; /p/a.gif", "", "Quebec;x"});
    folder.write(QStringLiteral("empty.lst"), QByteArray());
    load(folder.file(QStringLiteral("a.lst")));
    ASSERT_EQ(script.fileRequests.size(), 1);
    EXPECT_EQ(script.fileRequests[0].filter, QStringLiteral("Picture List files (*.lst)|*.lst|All files (*.*)|*.*"));
    EXPECT_EQ(script.fileRequests[0].fileName, QStringLiteral("*.lst"));
    EXPECT_EQ(locator->listItems(), (QStringList{"alberta; /p/a.gif", "Quebec;x", "Yukon; /p/y.gif"}));
    load(folder.file(QStringLiteral("a.lst")));
    EXPECT_EQ(locator->listItems(), (QStringList{"alberta; /p/a.gif", "alberta; /p/a.gif", "Quebec;x", "Quebec;x",
                                                 "Yukon; /p/y.gif", "Yukon; /p/y.gif"}));
    EXPECT_EQ(locator->txtFileTotal->text(), QStringLiteral("6"));

    // A cancelled dialog or a missing file changes nothing.
    locator->cmdClearList_Click();
    EXPECT_EQ(locator->txtFileTotal->text(), QStringLiteral("0"));
    locator->cmdLoad_Click();
    load(folder.file(QStringLiteral("missing.lst")));
    EXPECT_FALSE(listButtonsEnabled());

    // An empty file still enables the buttons, and saving writes an empty file.
    load(folder.file(QStringLiteral("empty.lst")));
    EXPECT_TRUE(listButtonsEnabled());
    save(folder.file(QStringLiteral("out.lst")));
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("out.lst"))));
    EXPECT_EQ(folder.read(QStringLiteral("out.lst")), QByteArray());
    EXPECT_TRUE(script.messages.isEmpty());
}

TEST_F(PictureLocator, RemoveWithNothingSelectedBeepsAndStillSetsTheButtons)
{
    folder.write(QStringLiteral("empty.lst"), QByteArray());
    load(folder.file(QStringLiteral("empty.lst")));
    locator->cmdRemove_Click();
    EXPECT_EQ(script.beeps, 1);
    EXPECT_FALSE(listButtonsEnabled());
    EXPECT_EQ(locator->txtFileTotal->text(), QStringLiteral("0"));

    folder.writeLines(QStringLiteral("two.lst"), {"Yukon; y.gif", "Alberta; a.gif"});
    load(folder.file(QStringLiteral("two.lst")));
    locator->cmdRemove_Click();
    EXPECT_EQ(script.beeps, 2);
    EXPECT_EQ(locator->List1->count(), 2);
    locator->List1->setCurrentRow(0);
    locator->cmdRemove_Click();
    EXPECT_EQ(locator->listItems(), QStringList{QStringLiteral("Yukon; y.gif")});
    EXPECT_TRUE(listButtonsEnabled());
    locator->List1->setCurrentRow(0);
    locator->cmdRemove_Click();
    EXPECT_FALSE(listButtonsEnabled());
}

TEST_F(PictureLocator, SavesTheListSortedAndLoadsItBackTheSame)
{
    writePicture(QStringLiteral("fireweed.gif"), Qt::magenta);
    writePicture(QStringLiteral("rose.gif"), Qt::red);
    add(10, QStringLiteral("fireweed.gif"));
    add(1, QStringLiteral("rose.gif"));
    save(QStringLiteral("Flowers.lst"));
    ASSERT_EQ(script.fileRequests.size(), 1);
    EXPECT_EQ(script.fileRequests[0].filter, QStringLiteral("*.lst"));
    EXPECT_EQ(script.fileRequests[0].defaultExt, QStringLiteral("LST"));
    const QByteArray expected = "Alberta; " + folder.file(QStringLiteral("rose.gif")).toUtf8() + "\r\nYukon; " +
                                folder.file(QStringLiteral("fireweed.gif")).toUtf8() + "\r\n";
    EXPECT_EQ(folder.read(QStringLiteral("Flowers.lst")), expected);

    const QStringList before = locator->listItems();
    locator->cmdClearList_Click();
    load(QStringLiteral("Flowers.lst"));
    EXPECT_EQ(locator->listItems(), before);

    // A cancelled save dialog writes nothing and says nothing.
    locator->Cmdsave_Click();
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("*.lst"))));
    EXPECT_TRUE(script.messages.isEmpty());
}

TEST_F(PictureLocator, AFailedSaveNamesTheFileAndTheReasonAndKeepsTheOldFile)
{
    writePicture(QStringLiteral("rose.gif"), Qt::red);
    add(1, QStringLiteral("rose.gif"));
    const QString target = folder.file(QStringLiteral("no such folder/list.lst"));
    save(target);
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.startsWith(QStringLiteral("The symbol list could not be saved to ") + target));
    EXPECT_GT(script.messages[0].text.size(), ui::saveFailedMessage(QStringLiteral("The symbol list"), target, {}).size());

    // Saving over a folder fails too, and what stood there is untouched.
    folder.writeLines(QStringLiteral("keep/old.txt"), {"old"});
    save(folder.file(QStringLiteral("keep")));
    EXPECT_EQ(script.messages.size(), 2);
    EXPECT_EQ(folder.read(QStringLiteral("keep/old.txt")), QByteArray("old\r\n"));
}

TEST_F(PictureLocator, AFileThatIsNoPictureShowsAnEmptyPreviewAndCannotBeAdded)
{
    folder.write(QStringLiteral("broken.gif"), "not a picture");
    writePicture(QStringLiteral("good.jpg"), Qt::green);
    clickFile(QStringLiteral("broken.gif"));
    EXPECT_TRUE(locator->Image1->picture().isNull());
    EXPECT_FALSE(locator->lblPreviewNote->isHidden());
    EXPECT_FALSE(locator->cmdAdd->isEnabled());
    locator->List2->setCurrentRow(0);
    locator->cmdAdd_Click();
    EXPECT_EQ(locator->List1->count(), 0);
    EXPECT_EQ(messageTexts(), QStringList{kError});

    // Nor does it blank the quiz box.
    const QImage quiz = form->imgQuiz->picture().toImage();
    locator->cmdQuizWindow_Click();
    EXPECT_EQ(script.beeps, 1);
    EXPECT_EQ(form->imgQuiz->picture().toImage(), quiz);
    EXPECT_EQ(QuizPicFile, QString());

    clickFile(QStringLiteral("good.jpg"));
    EXPECT_FALSE(locator->Image1->picture().isNull());
    EXPECT_TRUE(locator->lblPreviewNote->isHidden());
    EXPECT_TRUE(locator->cmdAdd->isEnabled());
    locator->cmdQuizWindow_Click();
    EXPECT_EQ(QuizPicFile, folder.file(QStringLiteral("good.jpg")));
    EXPECT_EQ(form->btnAnswer[3]->picture().toImage().pixel(0, 0), QColor(Qt::green).rgb());
}

class UseFileList : public PictureLocator {
protected:
    // A list of `count` items, item i a picture whose red part is i.
    void fill(int count)
    {
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("p%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
            lines << QStringLiteral("Region %1; %2").arg(i, 2, 10, QLatin1Char('0')).arg(writePicture(name, QColor(i, 0, 0)));
        }
        folder.writeLines(QStringLiteral("list.lst"), lines);
        load(QStringLiteral("list.lst"));
    }

    QList<QPair<QString, QImage>> store() const
    {
        QList<QPair<QString, QImage>> all;
        for (int i = 0; i < 39; ++i)
            all.append({form->form3()->Image1[i]->tag(), form->form3()->Image1[i]->picture().toImage()});
        return all;
    }
};

TEST_F(UseFileList, FillsTheCustomSlotsFromTheSortedListAndNothingElse)
{
    CustomSetName = QStringLiteral("Birds");
    PicListFile = QStringLiteral("Birds.lst");
    const auto flags = store();

    fill(4);
    locator->cmdUseList_Click();
    EXPECT_EQ(SymbolSetChoice, 26);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(slot(26 + i)->tag(), QStringLiteral("Region %1").arg(i, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(slot(26 + i)->picture().toImage().pixel(0, 0), QColor(i, 0, 0).rgb());
    }
    const auto afterFour = store();
    EXPECT_EQ(afterFour.mid(0, 26), flags.mid(0, 26));
    EXPECT_EQ(afterFour.mid(30), flags.mid(30));

    locator->cmdClearList_Click();
    fill(15);
    locator->cmdUseList_Click();
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(slot(26 + i)->tag(), QStringLiteral("Region %1").arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(CustomSetName, QStringLiteral("Birds"));
    EXPECT_EQ(PicListFile, QStringLiteral("Birds.lst"));

    // An empty list changes no slot but still chooses the custom set.
    const auto full = store();
    locator->cmdClearList_Click();
    SymbolSetChoice = 13;
    locator->cmdUseList_Click();
    EXPECT_EQ(store(), full);
    EXPECT_EQ(SymbolSetChoice, 26);
    // Told of the names that are no regions, never refused.
    for (const auto& message : script.messages)
        EXPECT_FALSE(message.text.contains(QStringLiteral("was not put into the game")));
}

TEST_F(UseFileList, AnItemWithAnEmptyPictureIsTakenAsNewSymbolsTakesIt)
{
    folder.writeLines(QStringLiteral("empty.lst"),
                      {QStringLiteral("Alberta; "), QStringLiteral("Yukon; ") + writePicture(QStringLiteral("y.bmp"), Qt::yellow)});
    load(QStringLiteral("empty.lst"));
    locator->cmdUseList_Click();
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_EQ(slot(26)->tag(), QStringLiteral("Alberta"));
    EXPECT_TRUE(slot(26)->picture().isNull());
    EXPECT_EQ(slot(27)->tag(), QStringLiteral("Yukon"));
    // The same list through the file: the same slots.
    PicListFile = QStringLiteral("empty.lst");
    SymbolSetChoice = 0;
    form->LoadCustomSymbols();
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_TRUE(slot(26)->picture().isNull());
    for (const auto& message : script.messages)
        EXPECT_FALSE(message.text.contains(QStringLiteral("was not put into the game")));
}

TEST_F(UseFileList, ABadItemLeavesTheGameAsItWasAndSaysWhichOne)
{
    const auto before = store();
    writePicture(QStringLiteral("ok.bmp"), Qt::red);
    folder.writeLines(QStringLiteral("bad.lst"), {"Alberta; " + folder.file(QStringLiteral("ok.bmp")), "Manitoba no semicolon"});
    folder.writeLines(QStringLiteral("missing.lst"),
                      {"Alberta; " + folder.file(QStringLiteral("ok.bmp")), "Manitoba; " + folder.file(QStringLiteral("gone.bmp"))});
    for (const char* list : {"bad.lst", "missing.lst"}) {
        locator->cmdClearList_Click();
        load(QString::fromLatin1(list));
        locator->cmdUseList_Click();
        EXPECT_EQ(store(), before) << list;
        EXPECT_EQ(SymbolSetChoice, 0) << list;
        EXPECT_EQ(locator->List1->currentRow(), 1) << list;
    }
    ASSERT_EQ(script.messages.size(), 2);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("Manitoba no semicolon")));
    EXPECT_TRUE(script.messages[1].text.contains(folder.file(QStringLiteral("gone.bmp"))));
}

TEST_F(UseFileList, TheNextDrawOfARunningGameTakesTheNewPictures)
{
    form->btnBegin_Click();
    ASSERT_EQ(ClockRunning, 1);
    QStringList lines;
    for (const auto& region : RegionTable)
        lines << QString::fromLatin1(region.name) + QStringLiteral("; ") + writePicture(QStringLiteral("all.bmp"), Qt::yellow);
    folder.writeLines(QStringLiteral("all.lst"), lines);
    load(QStringLiteral("all.lst"));
    locator->cmdUseList_Click();

    int right = 0;
    for (int i = 1; i <= 4; ++i)
        if (form->btnAnswer[i]->text() == CorrectAnswer)
            right = i;
    ASSERT_NE(right, 0);
    form->btnAnswer_Click(right);
    EXPECT_EQ(form->CrestImage->picture().toImage().pixel(0, 0), QColor(Qt::yellow).rgb());
    EXPECT_FALSE(TargetName.isEmpty());
}

TEST_F(PictureLocator, SavingOverAFileThatDiffersOnlyInCaseAsksFirst)
{
    folder.writeLines(QStringLiteral("BIRDS.LST"), {QStringLiteral("Yukon; old.bmp")});
    writePicture(QStringLiteral("a.bmp"), Qt::red);
    add(1, QStringLiteral("a.bmp"));
    script.fileNames.push_back(folder.file(QStringLiteral("Birds.lst")));
    locator->Cmdsave_Click();  // No
    ASSERT_EQ(script.questions.size(), 1);
    EXPECT_TRUE(script.questions[0].text.contains(QStringLiteral("BIRDS.LST")));
    EXPECT_EQ(folder.read(QStringLiteral("BIRDS.LST")), QByteArray("Yukon; old.bmp\r\n"));

    script.yesNoAnswers.push_back(true);
    script.fileNames.push_back(folder.file(QStringLiteral("Birds.lst")));
    locator->Cmdsave_Click();
    EXPECT_TRUE(folder.read(QStringLiteral("BIRDS.LST")).startsWith("Alberta; "));

    // A name of its own asks nothing.
    script.fileNames.push_back(folder.file(QStringLiteral("Trees.lst")));
    locator->Cmdsave_Click();
    EXPECT_EQ(script.questions.size(), 2);
}

TEST(FileDialogs, HonourFiltersDefaultExtensionCaseAndAskBeforeReplacing)
{
    ui::FileDialogRequest request;
    request.filter = QStringLiteral("Picture List files (*.lst)|*.lst|All files (*.*)|*.*");
    request.filterIndex = 2;
    request.fileName = QStringLiteral("*.lst");
    request.defaultExt = QStringLiteral("LST");
    QFileDialog save;
    ui::configureFileDialog(save, request, true);
    EXPECT_EQ(save.nameFilters(), (QStringList{"Picture List files (*.lst)", "All files (*)"}));
    EXPECT_EQ(save.selectedNameFilter(), QStringLiteral("All files (*)"));
    EXPECT_EQ(save.defaultSuffix(), QStringLiteral("lst"));
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_FALSE(save.filter().testFlag(QDir::CaseSensitive));

    request.filter = QStringLiteral("*.lst");
    request.filterIndex = 1;
    QFileDialog open;
    ui::configureFileDialog(open, request, false);
    EXPECT_EQ(open.nameFilters(), QStringList{QStringLiteral("*.lst")});
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    EXPECT_FALSE(open.filter().testFlag(QDir::CaseSensitive));
}

} // namespace
