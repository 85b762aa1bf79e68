// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the language, switching it in a running game, and the French names of the regions.
#include "checker/symbolcheck.h"
#include "explore/explorewindow.h"
#include "explore/findmapwindow.h"
#include "game/commandline.h"
#include "game/playfolder.h"
#include "game/regions.h"
#include "support/gamefixture.h"
#include "support/languagecheck.h"
#include "symbols/form2.h"
#include "symbols/helpwindow.h"
#include "symbols/symbollist.h"
#include "ui/language.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

using language::Language;
using namespace modValdra;

TEST(Language, TheDesktopsFirstLanguageDecidesAndOnlyFrenchIsFrench)
{
    struct Case { QStringList ui; Language expected; } cases[] = {
        {{QStringLiteral("fr-CA"), QStringLiteral("fr")}, Language::French},
        {{QStringLiteral("fr")}, Language::French},
        {{QStringLiteral("en-CA")}, Language::English},
        {{QStringLiteral("de-DE"), QStringLiteral("fr-FR")}, Language::English},
        {{QStringLiteral("C"), QStringLiteral("fr-BE")}, Language::French},
        {{}, Language::English},
    };
    for (const Case& c : cases)
        EXPECT_EQ(language::fromUiLanguages(c.ui), c.expected) << c.ui.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(language::fromCode(QStringLiteral("fr_CA.UTF-8")), Language::French);
    EXPECT_EQ(language::fromCode(QStringLiteral("EN")), Language::English);
    EXPECT_FALSE(language::fromCode(QStringLiteral("francais")).has_value());
    EXPECT_FALSE(language::fromCode(QString()).has_value());
}

TEST(Language, TheCommandLineWinsOverTheSavedChoiceWhichWinsOverTheDesktop)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const Language desktop = language::systemLanguage();
    const Language other = desktop == Language::French ? Language::English : Language::French;
    EXPECT_EQ(language::startLanguage(std::nullopt), desktop);
    language::saveChoice(other);
    EXPECT_EQ(language::savedChoice(), other);
    EXPECT_EQ(language::startLanguage(std::nullopt), other);
    EXPECT_EQ(language::startLanguage(desktop), desktop);

    using commandline::Action;
    const auto parse = [](QStringList args) { return commandline::parse(QStringList{QStringLiteral("quillora")} + args); };
    EXPECT_EQ(commandline::chosenLanguage(parse({QStringLiteral("--lang"), QStringLiteral("fr")})), Language::French);
    EXPECT_EQ(commandline::chosenLanguage(parse({QStringLiteral("--lang=en"), QStringLiteral("here")})), Language::English);
    EXPECT_EQ(parse({QStringLiteral("--lang=en"), QStringLiteral("here")}).folder, QStringLiteral("here"));
    EXPECT_FALSE(commandline::chosenLanguage(parse({QStringLiteral("class")})).has_value());
    const commandline::Options wrong = parse({QStringLiteral("--lang"), QStringLiteral("de")});
    EXPECT_EQ(wrong.action, Action::Error);
    EXPECT_TRUE(wrong.error.contains(QStringLiteral("'de'")));
    EXPECT_EQ(parse({QStringLiteral("--lang")}).action, Action::Error);
}

TEST(Regions, FrenchSentencesTakeEachRegionsOwnArticleAndPreposition)
{
    struct Case { const char* key; const char* object; const char* place; const char* of; } cases[] = {
        {"Ontario", "l'Ontario", "en Ontario", "de l'Ontario"},
        {"Quebec", "le Québec", "au Québec", "du Québec"},
        {"Manitoba", "le Manitoba", "au Manitoba", "du Manitoba"},
        {"Prince Edward Island", "l'Île-du-Prince-Édouard", "à l'Île-du-Prince-Édouard", "de l'Île-du-Prince-Édouard"},
        {"Newfoundland", "Terre-Neuve-et-Labrador", "à Terre-Neuve-et-Labrador", "de Terre-Neuve-et-Labrador"},
        {"Northwest Territories", "les Territoires du Nord-Ouest", "aux Territoires du Nord-Ouest", "des Territoires du Nord-Ouest"},
        {"Nunavut", "le Nunavut", "au Nunavut", "du Nunavut"},
        {"Saskatchewan", "la Saskatchewan", "en Saskatchewan", "de la Saskatchewan"},
    };
    {
        InFrench french;
        for (const Case& c : cases) {
            EXPECT_EQ(regions::shownObject(QLatin1String(c.key)), QString::fromUtf8(c.object));
            EXPECT_EQ(regions::shownPlace(QLatin1String(c.key)), QString::fromUtf8(c.place));
            EXPECT_EQ(regions::shownOf(QLatin1String(c.key)), QString::fromUtf8(c.of));
        }
        // A custom tag is no region: shown as it stands.
        EXPECT_EQ(regions::shown(QStringLiteral("Loon")), QStringLiteral("Loon"));
        EXPECT_FALSE(regions::shownPlace(QString()).isEmpty());
    }
    for (const Case& c : cases) {
        EXPECT_EQ(regions::shownObject(QLatin1String(c.key)), QLatin1String(c.key));
        EXPECT_EQ(regions::shownPlace(QLatin1String(c.key)), QLatin1String(c.key));
        EXPECT_EQ(regions::shownOf(QLatin1String(c.key)), QLatin1String(c.key));
    }
    EXPECT_EQ(regions::shownPlace(QString()), QString()) << "the designed two blanks of a miss at sea";
}

TEST(Regions, SymbolListsReadTheFrenchNamesAsTheSameRegionsInEitherLanguage)
{
    for (const char* line : {"Québec; loon.gif", "Quebec; loon.gif"})
        EXPECT_EQ(symbollist::splitSymbolLine(QString::fromUtf8(line))->tag, QStringLiteral("Quebec"));
    EXPECT_EQ(symbollist::splitSymbolLine(QString::fromUtf8("Territoires du Nord-Ouest; a.gif"))->tag,
              QStringLiteral("Northwest Territories"));
    // Only the exact names: a slip stays what it is, and never finds.
    EXPECT_EQ(symbollist::splitSymbolLine(QString::fromUtf8("québec; a.gif"))->tag, QString::fromUtf8("québec"));

    TestFolder folder;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(folder.file(QStringLiteral("loon.bmp")), "BMP");
    folder.writeLines(QStringLiteral("test.lst"), {QString::fromUtf8("Île-du-Prince-Édouard; loon.bmp"),
                                                   QString::fromUtf8("Colombie Britannique; loon.bmp")});
    const checker::FileReport report = checker::checkSymbolList(QStringLiteral("test.lst"));
    QStringList problems;
    for (const checker::Finding& f : report.findings)
        if (f.severity == checker::Severity::Problem)
            problems << QStringLiteral("%1: %2").arg(f.line).arg(f.text);
    ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("2: ")));
    EXPECT_TRUE(problems[0].contains(QString::fromUtf8("\"British Columbia\" (in French, \"Colombie-Britannique\")")))
        << problems[0].toStdString();
}

class LanguageGame : public GameFixture {};

TEST_F(LanguageGame, SwitchingMidGameRewritesTheWindowAndKeepsTheGame)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    writeQuestions(5);
    start();
    form->btnBegin_Click();
    int right = 0;
    for (int i = 1; i <= 4; ++i)
        if (form->btnAnswer[i]->text() == CorrectAnswer)
            right = i;
    form->btnAnswer_Click(right);
    ASSERT_EQ(AwaitingLocation, 1);
    const QString target = TargetName;
    const QString hint = form->Text2->toPlainText();
    EXPECT_EQ(hint, QStringLiteral("Hint:  Locate ") + target);
    const qint32 score = Score;
    const auto places = [&] {
        return QList<QRect>{form->Text2->geometry(), form->CrestImage->geometry(), form->Crest[0]->geometry(),
                            form->Crest[11]->geometry(), form->client->geometry()};
    };
    const QList<QRect> english = places();

    form->chooseLanguage(true);
    QApplication::processEvents();
    // Other captions, same places: the hint, the big symbol and the gallery stay put.
    EXPECT_EQ(places(), english);
    EXPECT_EQ(language::savedChoice(), Language::French);
    EXPECT_EQ(form->mnuFiles->title(), QStringLiteral("&Fichiers"));
    EXPECT_TRUE(form->mnuFrench->isChecked());
    // (The box hands its non-breaking spaces back as plain ones.)
    EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("Indice : situez ") + regions::shownObject(target));
    EXPECT_TRUE(form->lblMessage->text().startsWith(QStringLiteral("Situez ")));
    EXPECT_EQ(TargetName, target) << "the key stays English";
    EXPECT_EQ(Score, score);
    EXPECT_EQ(AwaitingLocation, 1);
    EXPECT_EQ(ClockRunning, 1);

    // Every menu of the window, and the bar itself, keeps its access keys apart in French.
    // The bar's menus and the top bar's buttons answer the same Alt keys.
    const QStringList bar = menuCaptions(form->menuBar->actions()) + QStringList{form->btnBegin->text(), form->Command1->text()};
    EXPECT_TRUE(clashes(bar).isEmpty()) << clashes(bar).join(QLatin1Char(',')).toStdString();
    for (QMenu* menu : {form->mnuFiles, form->mnuOptions, form->mnuHelp, form->mnuLanguage})
        EXPECT_TRUE(clashes(menuCaptions(menu->actions())).isEmpty())
            << clashes(menuCaptions(menu->actions())).join(QLatin1Char(',')).toStdString();

    form->chooseLanguage(false);
    QApplication::processEvents();
    EXPECT_EQ(form->mnuFiles->title(), QStringLiteral("&Files"));
    EXPECT_EQ(form->Text2->toPlainText(), hint);
    EXPECT_EQ(language::savedChoice(), Language::English);
}

TEST_F(LanguageGame, TheMapWindowsSwitchWithTheGameAndKeepWhatTheyShow)
{
    start();
    form->mnuExplore_Click();
    explore::ExploreWindow* explore = form->existingExplore();
    form->mnuFindMap_Click();
    explore::FindMapWindow* find = form->existingFindMap();
    ASSERT_TRUE(explore && find);
    explore->map->setSelected(5);  // Quebec
    explore->map->setHovered(9);
    const int asked = find->drill().current();
    find->choose(asked == 0 ? 1 : 0);  // a miss: told, and asked again later
    const int found = find->drill().foundCount();
    const QString englishFeedback = find->lblFeedback->text();
    ASSERT_TRUE(englishFeedback.startsWith(QStringLiteral("No, that is")));

    {
        InFrench french;
        EXPECT_EQ(explore->windowTitle(), ProgramTitle + QStringLiteral("--Explorer la carte"));
        EXPECT_EQ(explore->lblName->text(), QString::fromUtf8("Québec"));
        EXPECT_EQ(explore->lblPointing->text(), QString::fromUtf8("Sous le pointeur\u00a0: Terre-Neuve-et-Labrador"));
        EXPECT_EQ(explore->map->accessibleName(), QString::fromUtf8("Carte du Canada\u00a0: Terre-Neuve-et-Labrador"));
        EXPECT_EQ(find->windowTitle(), ProgramTitle + QStringLiteral("--Trouver sur la carte"));
        EXPECT_EQ(find->cboMode->itemText(0), QStringLiteral("Nom"));
        EXPECT_TRUE(find->lblFeedback->text().startsWith(QStringLiteral("Non, c'est"))) << find->lblFeedback->text().toStdString();
        EXPECT_EQ(find->drill().foundCount(), found) << "the round goes on";
        EXPECT_EQ(find->cboMode->currentIndex(), 0);
    }
    EXPECT_EQ(find->lblFeedback->text(), englishFeedback);
    EXPECT_EQ(explore->lblName->text(), QStringLiteral("Quebec"));
    explore->close();
    find->close();
}

TEST_F(LanguageGame, ThePictureLocatorOffersAndWritesTheNamesOfTheLanguageInUse)
{
    start();
    InFrench french;
    auto* locator = new Form2;
    EXPECT_EQ(locator->List2->item(5)->text(), QString::fromUtf8("Québec"));
    QStringList captions;
    for (QPushButton* b : locator->findChildren<QPushButton*>())
        captions << b->text();
    for (QAction* a : locator->menuBar->actions())
        captions << a->text();
    EXPECT_TRUE(clashes(captions).isEmpty()) << clashes(captions).join(QLatin1Char(',')).toStdString();
    language::apply(Language::English);
    QApplication::processEvents();
    EXPECT_EQ(locator->List2->item(5)->text(), QStringLiteral("Quebec"));
    locator->close();
}

TEST(LanguageFiles, AFrenchGameSeedsItsPlayFolderWithTheFrenchQuestionsAndReadsFrenchHelp)
{
    if (!QFile::exists(QLatin1String(playfolder::EmbeddedFrenchQuestionFile)))
        GTEST_SKIP() << "the French question file is not in this build";
    TestFolder t;
    {
        InFrench french;
        ASSERT_TRUE(playfolder::prepare(t.file(QStringLiteral("fr")), nullptr));
    }
    ASSERT_TRUE(playfolder::prepare(t.file(QStringLiteral("en")), nullptr));
    QFile fr{QLatin1String(playfolder::EmbeddedFrenchQuestionFile)}, en{QLatin1String(playfolder::EmbeddedQuestionFile)};
    ASSERT_TRUE(fr.open(QIODevice::ReadOnly) && en.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.read(QStringLiteral("fr/Valdra.qtn")), fr.readAll());
    EXPECT_EQ(t.read(QStringLiteral("en/Valdra.qtn")), en.readAll());
}

TEST(LanguageFiles, FrenchHelpFallsBackToTheEnglishPageWhereNoneIsWritten)
{
    const QUrl contents = HelpWindow::ContentsPage;
    const QUrl missing(QStringLiteral("qrc:/help/no-such-page.html"));
    EXPECT_EQ(HelpWindow::inLanguage(contents), contents);
    InFrench french;
    EXPECT_EQ(HelpWindow::inLanguage(missing), missing);
    const QUrl shown = HelpWindow::inLanguage(contents);
    EXPECT_EQ(shown.path(), QFile::exists(QStringLiteral(":/help/fr/index.html")) ? QStringLiteral("/help/fr/index.html")
                                                                                    : QStringLiteral("/help/index.html"));
}

TEST(LanguageFiles, AnOpenHelpWindowTurnsToTheFrenchPageAndBack)
{
    HelpWindow help;
    ASSERT_TRUE(help.browser->toPlainText().contains(QStringLiteral("Quillora Help")));
    {
        InFrench french;
        EXPECT_TRUE(help.browser->toPlainText().contains(QStringLiteral("Aide de Quillora")));
        EXPECT_EQ(help.browser->source(), HelpWindow::ContentsPage) << "the address stays, so back and forward do";
        EXPECT_TRUE(help.windowTitle().startsWith(QStringLiteral("Aide de "))) << help.windowTitle().toStdString();
        EXPECT_EQ(help.contentsButton->text(), QStringLiteral("&Sommaire"));
    }
    EXPECT_TRUE(help.browser->toPlainText().contains(QStringLiteral("Quillora Help")));
}
