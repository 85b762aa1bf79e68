// The about box, the help window and the help document it shows.
#include "support/gamefixture.h"

#include "symbols/frmabout.h"
#include "symbols/helpwindow.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <map>
#include <set>

using namespace modValdra;

class AboutAndHelp : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(5);
        start();
    }
};

TEST_F(AboutAndHelp, TheAboutBoxIsModelessCaptionedWithOneBlankAndWearsTheQuizPictureOfTheMoment)
{
    QPixmap chosen(12, 12);
    chosen.fill(Qt::darkMagenta);
    form->setQuizPicture(chosen);  // as the Picture Locator would, before the first About
    form->mnuAbout_Click();
    frmAbout* about = form->existingAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Quillora"));
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->Image1->picture().cacheKey(), chosen.cacheKey());
    EXPECT_EQ(about->cmdOK->picture().cacheKey(), chosen.cacheKey());

    // A second About leaves the box as it is.
    about->move(about->pos() + QPoint(17, 9));
    const QPoint moved = about->pos();
    form->mnuAbout_Click();
    EXPECT_EQ(form->existingAbout(), about);
    EXPECT_EQ(about->pos(), moved);
}

TEST_F(AboutAndHelp, OkEnterEscAndTheCloseBoxUnloadTheAboutBoxAndShutDownTheRest)
{
    const std::function<void(frmAbout*)> ways[] = {
        [](frmAbout* a) { a->cmdOK->click(); },
        [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Return); },
        [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Escape); },
        [](frmAbout* a) { a->close(); },
    };
    for (const auto& close : ways) {
        form->mnuAbout_Click();
        close(form->existingAbout());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form->existingAbout(), nullptr);
    }
    form->mnuAbout_Click();
    form->mnuScores_Click();
    form->ShutDown();
    EXPECT_EQ(form->existingAbout(), nullptr);
    EXPECT_EQ(form->existingForm6(), nullptr);
}

TEST_F(AboutAndHelp, HelpOpensAtTheContentsBesideTheGameWithBackAndForward)
{
    form->mnuValdraHelp_Click();
    HelpWindow* help = form->existingHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible() && help->isWindow() && !help->isModal());
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);
    EXPECT_TRUE(help->browser->toPlainText().contains(QStringLiteral("Quillora Help")));

    help->browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html#bonus")));
    help->backButton->click();
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);
    help->forwardButton->click();
    EXPECT_EQ(help->browser->source().fileName(), QStringLiteral("scoring.html"));
    help->contentsButton->click();
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);

    // Help again brings the same window forward; it goes with the main window.
    form->mnuValdraHelp_Click();
    EXPECT_EQ(form->existingHelp(), help);
    QPointer<HelpWindow> last = help;
    form.reset();
    EXPECT_TRUE(last.isNull());
}

TEST_F(AboutAndHelp, EveryLinkAndPictureOfTheHelpResolvesAndEveryPageIsReachable)
{
    // Each page as the help window's own HTML reader sees it: named anchors, links, pictures.
    struct Page {
        std::set<QString> anchors;
        QStringList links, pictures;
    };
    std::map<QString, Page> pages;
    for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")})) {
        QFile file(QStringLiteral(":/help/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QTextDocument doc;
        doc.setHtml(html);
        Page& page = pages[name];
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& anchor : format.anchorNames())
                    page.anchors.insert(anchor);
                if (format.isAnchor() && !format.anchorHref().isEmpty())
                    page.links << format.anchorHref();
                if (format.isImageFormat())
                    page.pictures << format.toImageFormat().name();
            }
        static const QRegularExpression styleSheet(QStringLiteral("<link[^>]*href=\"([^\"]+)\""));
        for (auto m = styleSheet.globalMatch(html); m.hasNext();)
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + m.next().captured(1))) << name.toStdString();
    }
    ASSERT_GE(pages.size(), 10u);
    ASSERT_TRUE(pages.count(QStringLiteral("index.html")));
    EXPECT_FALSE(pages[QStringLiteral("playing.html")].pictures.isEmpty());

    std::set<QString> reached{QStringLiteral("index.html")};
    int links = 0;
    for (const auto& [name, page] : pages) {
        const QUrl base(QStringLiteral("qrc:/help/") + name);
        for (const QString& href : page.links) {
            ++links;
            const QUrl target = base.resolved(QUrl(href));
            const auto found = pages.find(target.fileName());
            ASSERT_TRUE(target.scheme() == QStringLiteral("qrc") && found != pages.end())
                << name.toStdString() << ": " << href.toStdString();
            EXPECT_TRUE(!target.hasFragment() || found->second.anchors.count(target.fragment()))
                << name.toStdString() << ": " << href.toStdString();
            reached.insert(found->first);
        }
        for (const QString& src : page.pictures)
            EXPECT_FALSE(QImage(QLatin1Char(':') + base.resolved(QUrl(src)).path()).isNull())
                << name.toStdString() << ": " << src.toStdString();
    }
    EXPECT_GT(links, 50);
    for (const auto& [name, page] : pages)
        EXPECT_TRUE(reached.count(name)) << name.toStdString() << " is linked from no page";
}

TEST_F(AboutAndHelp, FindInPageGoesRoundAndSaysWhenNothingIsFound)
{
    HelpWindow help;
    help.browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html")));
    help.findText->setText(QStringLiteral("BONUS"));
    ASSERT_TRUE(help.findInPage());
    const int first = help.browser->textCursor().selectionStart();
    ASSERT_TRUE(help.findInPage());
    EXPECT_GT(help.browser->textCursor().selectionStart(), first);
    int at = -1;
    for (int guard = 0; guard < 100 && at != first; ++guard) {
        ASSERT_TRUE(help.findInPage());
        at = help.browser->textCursor().selectionStart();
    }
    EXPECT_EQ(at, first);  // past the last place, round to the first

    help.findText->setText(QStringLiteral("xylophone"));
    EXPECT_FALSE(help.findInPage());
    EXPECT_EQ(help.findStatus->text(), QStringLiteral("Not found"));
}

TEST_F(AboutAndHelp, HelpAgainOpensAtTheContentsAndF1OpensItFromAnyWindow)
{
    form->mnuValdraHelp_Click();
    HelpWindow* help = form->existingHelp();
    ASSERT_NE(help, nullptr);
    help->browser->setSource(QUrl(QStringLiteral("qrc:/help/scoring.html")));
    form->mnuValdraHelp_Click();
    EXPECT_EQ(help->browser->source(), HelpWindow::ContentsPage);

    // F1, from whichever window of the game has the keyboard.
    EXPECT_EQ(form->mnuValdraHelp->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->mnuValdraHelp->shortcutContext(), Qt::ApplicationShortcut);
}
