// SPDX-License-Identifier: GPL-3.0-or-later
// The French help as the program embeds it: a page for every English page, the same places to
// link to, and every link, picture and style sheet found without leaving the French pages.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct Page {
    QString html;
    std::set<QString> anchors;
    QStringList links, pictures;
};

// Each page of a help folder as the help window's own HTML reader sees it.
std::map<QString, Page> readPages(const QString& folder)
{
    std::map<QString, Page> pages;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.html")})) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        Page& page = pages[name];
        page.html = QString::fromUtf8(file.readAll());
        QTextDocument doc;
        doc.setHtml(page.html);
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
    }
    return pages;
}

TEST(FrenchHelp, HasEveryEnglishPageWithTheSameAnchors)
{
    const auto english = readPages(QStringLiteral(":/help"));
    const auto french = readPages(QStringLiteral(":/help/fr"));
    ASSERT_GE(english.size(), 10u);
    ASSERT_EQ(french.size(), english.size());
    for (const auto& [name, page] : english) {
        const auto found = french.find(name);
        ASSERT_NE(found, french.end()) << name.toStdString() << " has no French page";
        // The game opens pages at these anchors, and other pages link to them.
        EXPECT_EQ(found->second.anchors, page.anchors) << name.toStdString();
        EXPECT_EQ(found->second.pictures, page.pictures) << name.toStdString();
        EXPECT_TRUE(found->second.html.contains(QStringLiteral("<html lang=\"fr\">"))) << name.toStdString();
    }
}

TEST(FrenchHelp, EveryLinkPictureAndStyleSheetResolvesWithinTheFrenchPages)
{
    const auto pages = readPages(QStringLiteral(":/help/fr"));
    ASSERT_FALSE(pages.empty());
    static const QRegularExpression styleSheet(QStringLiteral("<link[^>]*href=\"([^\"]+)\""));
    int links = 0;
    for (const auto& [name, page] : pages) {
        const QUrl base(QStringLiteral("qrc:/help/fr/") + name);
        for (const QString& href : page.links) {
            ++links;
            const QUrl target = base.resolved(QUrl(href));
            const auto found = pages.find(target.fileName());
            ASSERT_TRUE(target.path().startsWith(QStringLiteral("/help/fr/")) && found != pages.end())
                << name.toStdString() << ": " << href.toStdString();
            EXPECT_TRUE(!target.hasFragment() || found->second.anchors.count(target.fragment()))
                << name.toStdString() << ": " << href.toStdString();
        }
        for (const QString& src : page.pictures)
            EXPECT_FALSE(QImage(QLatin1Char(':') + base.resolved(QUrl(src)).path()).isNull())
                << name.toStdString() << ": " << src.toStdString();
        for (auto m = styleSheet.globalMatch(page.html); m.hasNext();)
            EXPECT_TRUE(QFile::exists(QLatin1Char(':') + base.resolved(QUrl(m.next().captured(1))).path()))
                << name.toStdString();
    }
    EXPECT_GT(links, 50);
}

} // namespace
