// The about box, the help window and the help document it shows.
#include "support/gamefixture.h"

#include "symbols/frmabout.h"
#include "symbols/helpwindow.h"
#include "ui/twips.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <map>
#include <set>

using namespace modValdra;

class AboutBox : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(5);
        start();
    }
};

TEST_F(AboutBox, IsModelessCaptionedWithOneBlankAndDressedInTheQuizPictureOfTheMoment)
{
    QPixmap chosen(12, 12);
    chosen.fill(Qt::darkMagenta);
    form->setQuizPicture(chosen);  // as the Picture Locator would, before the first About
    form->mnuAbout_Click();
    frmAbout* about = form->existingAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Quillora"));
    EXPECT_EQ(about->windowTitle().count(QLatin1Char(' ')), 1);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->Image1->picture().cacheKey(), chosen.cacheKey());
    EXPECT_EQ(about->cmdOK->picture().cacheKey(), chosen.cacheKey());
    EXPECT_EQ(about->Image1->geometry(), about->rect());
    EXPECT_EQ(about->size(), ui::rectTw(0, 0, 5805, 3735).size());
    EXPECT_EQ(about->cmdOK->geometry(), ui::rectTw(2160, 3120, 1260, 345));
    EXPECT_TRUE(about->cmdOK->isDefault());
    EXPECT_TRUE(about->lblVersion->text().startsWith(QStringLiteral("Version 2.5")));
    EXPECT_FALSE(about->Image2->picture().isNull());

    // A second About leaves the box as it is.
    about->move(about->pos() + QPoint(17, 9));
    const QPoint moved = about->pos();
    form->mnuAbout_Click();
    EXPECT_EQ(form->existingAbout(), about);
    EXPECT_EQ(about->pos(), moved);
}

TEST_F(AboutBox, OkEnterEscAndTheCloseBoxUnloadIt)
{
    const std::function<void(frmAbout*)> ways[] = {
        [](frmAbout* a) { a->cmdOK->click(); },
        [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Return); },
        [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Escape); },
        [](frmAbout* a) { a->close(); },
    };
    for (const auto& close : ways) {
        form->mnuAbout_Click();
        QPointer<frmAbout> about = form->existingAbout();
        ASSERT_TRUE(about);
        close(about);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull());
        EXPECT_EQ(form->existingAbout(), nullptr);
    }
}

TEST_F(AboutBox, ShutDownUnloadsTheWindowsItOwns)
{
    form->mnuAbout_Click();
    form->mnuScores_Click();
    ASSERT_NE(form->existingAbout(), nullptr);
    form->ShutDown();
    EXPECT_EQ(form->existingAbout(), nullptr);
    EXPECT_EQ(form->existingForm6(), nullptr);
    EXPECT_EQ(form->existingForm5(), nullptr);
    EXPECT_TRUE(form->shutDownRequested);
}

class HelpDocument : public GameFixture {
protected:
    struct Page {
        std::set<QString> anchors;
        std::vector<QString> links;   // href as written
        std::vector<QString> images;  // src as written
    };

    // Every page of the help document as the help window's own HTML reader sees it.
    static std::map<QString, Page> readPages()
    {
        std::map<QString, Page> pages;
        const QStringList names = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        for (const QString& name : names) {
            QFile file(QStringLiteral(":/help/") + name);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString html = QString::fromUtf8(file.readAll());
            QTextDocument doc;
            doc.setHtml(html);
            Page& page = pages[name];
            for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    for (const QString& anchor : format.anchorNames())
                        page.anchors.insert(anchor);
                    if (format.isAnchor() && !format.anchorHref().isEmpty())
                        page.links.push_back(format.anchorHref());
                    if (format.isImageFormat())
                        page.images.push_back(format.toImageFormat().name());
                }
            }
            // The style sheet link is not part of the text: take it from the source.
            static const QRegularExpression link(QStringLiteral("<link[^>]*href=\"([^\"]+)\""));
            for (auto m = link.globalMatch(html); m.hasNext();)
                page.images.push_back(m.next().captured(1));  // must exist, like a picture
        }
        return pages;
    }
};

TEST_F(HelpDocument, TheHelpWindowOpensAtTheContentsWithoutBlockingTheGame)
{
    writeQuestions(5);
    start();
    form->mnuValdraHelp_Click();
    HelpWindow* help = form->existingHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);
    EXPECT_EQ(help->browser->documentTitle(), QStringLiteral("Contents"));
    EXPECT_TRUE(help->browser->toPlainText().contains(QStringLiteral("Quillora Help")));
    EXPECT_TRUE(script.helpShown.isEmpty());  // no outside viewer, no help file to miss

    // Links, back, forward and contents.
    EXPECT_FALSE(help->backButton->isEnabled());
    help->browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html#bonus")));
    EXPECT_TRUE(help->backButton->isEnabled());
    help->backButton->click();
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);
    EXPECT_TRUE(help->forwardButton->isEnabled());
    help->forwardButton->click();
    EXPECT_EQ(help->browser->source().fileName(), QStringLiteral("scoring.html"));
    help->contentsButton->click();
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);

    // Another Help brings the same window forward; a closed one opens afresh at the contents.
    help->browser->setSource(QUrl(QStringLiteral("qrc:/help/menus.html")));
    form->mnuValdraHelp_Click();
    EXPECT_EQ(form->existingHelp(), help);
    EXPECT_EQ(help->browser->source().fileName(), QStringLiteral("menus.html"));
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingHelp(), nullptr);
    form->mnuValdraHelp_Click();
    ASSERT_NE(form->existingHelp(), nullptr);
    EXPECT_EQ(form->existingHelp()->browser->source(), HelpWindow::ContentsPage);

    // The window goes with the main window.
    QPointer<HelpWindow> last = form->existingHelp();
    form.reset();
    EXPECT_TRUE(last.isNull());
}

TEST_F(HelpDocument, EveryLinkAndPictureResolvesAndEveryPageIsReachable)
{
    const std::map<QString, Page> pages = readPages();
    ASSERT_TRUE(pages.count(QStringLiteral("index.html")));
    ASSERT_GE(pages.size(), 10u);
    // The reader sees what the window sees: named anchors, links and pictures.
    EXPECT_TRUE(pages.at(QStringLiteral("menus.html")).anchors.count(QStringLiteral("questions")));
    EXPECT_FALSE(pages.at(QStringLiteral("playing.html")).images.empty());
    std::set<QString> reached{QStringLiteral("index.html")};
    size_t linksChecked = 0;
    for (const auto& [name, page] : pages) {
        linksChecked += page.links.size();
        const QUrl base(QStringLiteral("qrc:/help/") + name);
        for (const QString& href : page.links) {
            const QUrl target = base.resolved(QUrl(href));
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc")) << name.toStdString() << ": " << href.toStdString();
            const QString file = target.fileName();
            const auto found = pages.find(file);
            ASSERT_NE(found, pages.end()) << name.toStdString() << ": " << href.toStdString();
            if (target.hasFragment()) {
                EXPECT_TRUE(found->second.anchors.count(target.fragment()))
                    << name.toStdString() << ": " << href.toStdString();
            }
            reached.insert(file);
        }
        for (const QString& src : page.images) {
            const QString path = QLatin1Char(':') + base.resolved(QUrl(src)).path();
            EXPECT_TRUE(QFile::exists(path)) << name.toStdString() << ": " << src.toStdString();
            if (!src.endsWith(QStringLiteral(".css"))) {
                EXPECT_FALSE(QImage(path).isNull()) << name.toStdString() << ": " << src.toStdString();
            }
        }
    }
    EXPECT_GT(linksChecked, 50u);
    for (const auto& [name, page] : pages)
        EXPECT_TRUE(reached.count(name)) << name.toStdString() << " is linked from no page";
}

TEST_F(HelpDocument, FindInPageGoesRoundAndSaysWhenNothingIsFound)
{
    HelpWindow help;
    help.browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html")));
    help.findText->setText(QStringLiteral("BONUS"));
    ASSERT_TRUE(help.findInPage());
    const int first = help.browser->textCursor().selectionStart();
    EXPECT_EQ(help.browser->textCursor().selectedText().toLower(), QStringLiteral("bonus"));
    ASSERT_TRUE(help.findInPage());
    EXPECT_GT(help.browser->textCursor().selectionStart(), first);
    ASSERT_TRUE(help.findInPage(true));
    EXPECT_EQ(help.browser->textCursor().selectionStart(), first);
    // Going on past the last place comes round to the first.
    int guard = 0;
    int at = first;
    do {
        ASSERT_TRUE(help.findInPage());
        at = help.browser->textCursor().selectionStart();
    } while (at != first && ++guard < 100);
    EXPECT_EQ(at, first);
    EXPECT_TRUE(help.findStatus->text().isEmpty());

    help.findText->setText(QStringLiteral("xylophone"));
    EXPECT_FALSE(help.findInPage());
    EXPECT_EQ(help.findStatus->text(), QStringLiteral("Not found"));
    EXPECT_EQ(help.browser->textCursor().selectionStart(), first);  // the last find stays
}
