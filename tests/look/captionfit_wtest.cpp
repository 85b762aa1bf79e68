// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window fits its place: each window is opened at its designed and its
// minimum size, in the states that make its texts longest, and each text is measured with the
// control's own font against the rectangle it is drawn in. A caption cut, wrapped out of its
// box, elided, or running into a neighbour's text fails, and so does one outside its window.
// The run repeats in every language whose catalogue the game carries.
#include "support/gamefixture.h"

#include "game/form6.h"
#include "symbols/form2.h"
#include "symbols/form5.h"
#include "symbols/frmabout.h"
#include "game/regions.h"
#include "game/state.h"
#include "ui/announce.h"
#include "ui/language.h"
#include "ui/pictureoption.h"
#include "ui/realplatform.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTranslator>

using namespace modValdra;

namespace {

// The metrics a control draws its caption in (an option strip may narrow its font to fit).
QFontMetrics captionMetrics(const QWidget* w)
{
    if (auto* option = qobject_cast<const ui::PictureOption*>(w))
        return QFontMetrics(option->captionFont());
    return w->fontMetrics();
}

// The catalogues the game carries (none: English alone).
std::vector<std::string> languages()
{
    std::vector<std::string> found{"en"};
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.qm")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // quillora_fr.qm and the like: the language is what follows the last underscore.
        const QString base = QFileInfo(path).completeBaseName();
        const QString language = base.section(QLatin1Char('_'), -1);
        if (!language.isEmpty() && std::find(found.begin(), found.end(), language.toStdString()) == found.end())
            found.push_back(language.toStdString());
    }
    return found;
}

QString catalogueOf(const QString& language)
{
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*_") + language + QStringLiteral(".qm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

struct Caption {
    const QWidget* widget;
    QString text;
    QRect ink;   // where the text is drawn, in window coordinates
    QRect room;  // where it may be drawn, in window coordinates
    bool wrapped;
};

QString nameOf(const QWidget* w)
{
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return name;
}

QString shown(QString text, bool mnemonic)
{
    if (mnemonic) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    return text;
}

// Every caption of the window that is on show, with where it is drawn and where it may be.
QList<Caption> captionsOf(const QWidget* window)
{
    QList<Caption> captions;
    for (const QWidget* w : window->findChildren<const QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        // The live label speaks to screen readers only; no one is meant to see it.
        if (w == ui::announcer(window))
            continue;
        const QFontMetrics fm = captionMetrics(w);
        const QPoint origin = w->mapTo(window, QPoint());
        QString text;
        QRect room;
        int flags = 0;
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || label->text().trimmed().isEmpty())
                continue;
            text = shown(label->text(), label->textFormat() != Qt::PlainText && label->buddy());
            if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
                continue;  // laid out by its own document
            room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        } else if (auto* option = qobject_cast<const ui::PictureOption*>(w)) {
            room = option->captionRect();
            text = option->text();
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (auto* radio = qobject_cast<const QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            text = shown(radio->text(), true);
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (auto* check = qobject_cast<const QCheckBox*>(w)) {
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            room = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
            text = shown(check->text(), true);
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (button->text().isEmpty())
                continue;
            // Picture buttons draw their caption four pixels in from each side, wrapped.
            room = button->rect().adjusted(4, 0, -4, 0);
            text = shown(button->text(), true);
            flags = Qt::AlignCenter | Qt::TextWordWrap;
        } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
            if (edit->text().isEmpty())
                continue;
            room = edit->rect().adjusted(4, 0, -4, 0);
            text = edit->text();
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else {
            continue;
        }
        if (text.trimmed().isEmpty())
            continue;
        const QRect ink = fm.boundingRect(room, flags, text);
        // A caption wholly under a control stacked above it is not on show (a message that
        // shares the place of a button).
        bool covered = false;
        if (const QWidget* parent = w->parentWidget()) {
            const QObjectList& siblings = parent->children();
            for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size() && !covered; ++i)
                if (auto* above = qobject_cast<const QAbstractButton*>(siblings[i]))
                    covered = above->isVisibleTo(window) && above->geometry().contains(ink.translated(w->pos()));
        }
        if (covered)
            continue;
        captions << Caption{w, text, ink.translated(origin), room.translated(origin), bool(flags & Qt::TextWordWrap)};
    }
    return captions;
}

// What is wrong with the captions of a window, one line each; empty when all fit.
QStringList faultsOf(const QWidget* window)
{
    QStringList faults;
    const QList<Caption> captions = captionsOf(window);
    const QRect inside = window->rect();
    for (const Caption& c : captions) {
        const QString who = nameOf(c.widget) + QStringLiteral(" \"") + c.text + QStringLiteral("\"");
        // A word wider than a wrapped box is cut too.
        const QFontMetrics fm = captionMetrics(c.widget);
        bool wordTooWide = false;
        for (const QString& word : c.text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            wordTooWide = wordTooWide || fm.horizontalAdvance(word) > c.room.width();
        if (!c.room.contains(c.ink) || wordTooWide)
            faults << who + QStringLiteral(" needs %1x%2, has %3x%4")
                                .arg(c.ink.width()).arg(c.ink.height()).arg(c.room.width()).arg(c.room.height());
        // Clipped by a frame it stands in, or by the window.
        for (const QWidget* p = c.widget->parentWidget(); p && p != window; p = p->parentWidget()) {
            const QRect parentRect(p->mapTo(window, QPoint()), p->size());
            if (!parentRect.contains(c.ink)) {
                faults << who + QStringLiteral(" is cut by ") + nameOf(p);
                break;
            }
        }
        if (!inside.contains(c.ink))
            faults << who + QStringLiteral(" lies outside the window");
    }
    for (qsizetype i = 0; i < captions.size(); ++i)
        for (qsizetype j = i + 1; j < captions.size(); ++j)
            if (captions[i].ink.intersects(captions[j].ink) && !captions[i].widget->isAncestorOf(captions[j].widget)
                && !captions[j].widget->isAncestorOf(captions[i].widget))
                faults << nameOf(captions[i].widget) + QStringLiteral(" \"") + captions[i].text
                              + QStringLiteral("\" runs into ") + nameOf(captions[j].widget) + QStringLiteral(" \"")
                              + captions[j].text + QStringLiteral("\"");
    // Lists: every entry in sight, with no scroll bar across.
    for (const QAbstractItemView* view : window->findChildren<const QAbstractItemView*>()) {
        if (!view->isVisibleTo(window))
            continue;
        if (view->horizontalScrollBar()->isVisible())
            faults << nameOf(view) + QStringLiteral(" needs a scroll bar to show its entries");
        if (auto* list = qobject_cast<const QListWidget*>(view))
            for (int k = 0; k < list->count(); ++k) {
                const QRect item = list->visualItemRect(list->item(k));
                const QString text = list->item(k)->text();
                const QFontMetrics fm = list->fontMetrics();
                if (!item.isValid() || fm.horizontalAdvance(text) <= list->viewport()->width() - 8)
                    continue;
                // A wrapping list may take more lines for it, as long as they are all in its row.
                const int wrapped = fm.boundingRect(QRect(0, 0, list->viewport()->width() - 40, 100000),
                                                    Qt::TextWordWrap | Qt::TextWrapAnywhere, text).height();
                if (!list->wordWrap() || wrapped > item.height())
                    faults << nameOf(view) + QStringLiteral(" cuts \"") + text + QLatin1Char('"');
            }
    }
    return faults;
}

class CaptionsFit : public GameFixture, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        const QString language = QString::fromStdString(GetParam());
        if (const auto known = language::fromCode(language)) {
            // The game's own way in, so that region names take that language's forms too.
            language::apply(*known);
        } else {
            ASSERT_TRUE(translator.load(catalogueOf(language))) << GetParam();
            QCoreApplication::installTranslator(&translator);
        }
        GameFixture::SetUp();
        writeQuestions(3);
        // The longest texts the windows show.
        QStringList lines;
        for (int k = 0; k < 15; ++k)
            lines << QStringLiteral("Wwwwwwwww Mmmmmmmmm Wwwww").left(25) << QStringLiteral(" 29999 ");
        folder.writeLines(QStringLiteral("Valdra.scr"), lines);
        start();
    }

    void TearDown() override
    {
        GameFixture::TearDown();
        QCoreApplication::removeTranslator(&translator);
        language::apply(language::Language::English);
    }

    void expectFits(const QWidget* window, const char* state)
    {
        QApplication::processEvents();
        const QStringList faults = faultsOf(window);
        EXPECT_TRUE(faults.isEmpty()) << state << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
    }

    // The main window at the designed and at the minimum size.
    template <typename Check>
    void atBothSizes(Check check)
    {
        form->setWidthTw(12000);
        form->setHeightTw(9000);
        check("designed size");
        form->setWidthTw(9600);
        form->setHeightTw(7200);
        check("minimum size");
    }

    QTranslator translator;
};

TEST_P(CaptionsFit, MainWindowBetweenGames)
{
    atBothSizes([&](const char* size) { expectFits(form.get(), size); });
}

TEST_P(CaptionsFit, MainWindowDuringAGameWithItsLongestCounters)
{
    GameSeconds = 600;
    form->btnBegin_Click();
    // A five-digit score and bonus and a ten-minute clock.
    form->lblScore->setText(QStringLiteral("29999"));
    form->lblBonus->setText(QStringLiteral("29999"));
    form->lblmin->setText(QStringLiteral("10"));
    form->lblsec->setText(QStringLiteral("59"));
    form->lblTurnsLeft->setText(QStringLiteral("12"));
    atBothSizes([&](const char* size) { expectFits(form.get(), size); });
    // The message that a found symbol asks for, with each region's own form.
    form->Frame2->hide();
    form->btnBegin->hide();
    form->lblMessage->show();
    for (const auto& region : modValdra::RegionTable) {
        const QString key = QLatin1String(region.name);
        form->lblMessage->setText(
            QCoreApplication::translate("Form1", "Locate %1").arg(regions::shownObject(key)));
        atBothSizes([&](const char* size) { expectFits(form.get(), (std::string(size) + ", " + region.name).c_str()); });
    }
}

TEST_P(CaptionsFit, HighScoresWithFifteenLongNames)
{
    form->mnuScores_Click();
    ASSERT_NE(form->existingForm6(), nullptr);
    form->existingForm6()->markEntry(14);
    expectFits(form->existingForm6(), "full list");
}

TEST_P(CaptionsFit, GameOptionsWithALongCustomSetName)
{
    CustomSetName = QStringLiteral("Wildflowers of the Maritimes and Quebec..").left(40);
    form->mnuGameLength_Click();
    ASSERT_NE(form->existingForm4(), nullptr);
    expectFits(form->existingForm4(), "custom set named at length");
}

TEST_P(CaptionsFit, SettingsEditor)
{
    form->mnuSaveOptions_Click();
    ASSERT_NE(form->existingSettingsEditor(), nullptr);
    expectFits(form->existingSettingsEditor(), "current settings");
}

TEST_P(CaptionsFit, PictureLocatorInADeepFolder)
{
    const QString deep = QStringLiteral("Provincial and Territorial Pictures/Prince Edward Island/Charlottetown");
    QDir(folder.path()).mkpath(deep);
    form->mnuNewPictures_Click();
    Form2* locator = Form2::instance();
    ASSERT_NE(locator, nullptr);
    locator->Dir1->setPath(folder.file(deep));
    expectFits(locator, "long path");
}

TEST_P(CaptionsFit, AboutBox)
{
    form->mnuAbout_Click();
    ASSERT_NE(form->existingAbout(), nullptr);
    expectFits(form->existingAbout(), "about");
}

TEST_P(CaptionsFit, FileChooser)
{
    bool seen = false;
    script.whileModalOpen = [&](QDialog* dialog) {
        seen = true;
        expectFits(dialog, "load new questions");
    };
    form->mnuQuiz_Click();
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsFit, ::testing::ValuesIn(languages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// The measure itself: a caption that does not fit, and one that runs into its neighbour, are
// both found.
TEST(CaptionFitMeasure, FindsACutCaptionAndOneRunningIntoItsNeighbour)
{
    QWidget window;
    window.resize(300, 100);
    auto* cut = new QLabel(QStringLiteral("A caption far too long for its box"), &window);
    cut->setObjectName(QStringLiteral("cut"));
    cut->setGeometry(10, 10, 40, 20);
    auto* left = new QLabel(QStringLiteral("29999"), &window);
    left->setObjectName(QStringLiteral("left"));
    left->setGeometry(10, 50, 80, 20);
    auto* right = new QLabel(QStringLiteral("Bonus:"), &window);
    right->setObjectName(QStringLiteral("right"));
    right->setGeometry(10 + left->fontMetrics().horizontalAdvance(QStringLiteral("2999")), 50, 80, 20);
    const QString faults = faultsOf(&window).join(QLatin1Char('\n'));
    EXPECT_TRUE(faults.contains(QStringLiteral("cut \""))) << faults.toStdString();
    EXPECT_TRUE(faults.contains(QStringLiteral("runs into right"))) << faults.toStdString();

    right->move(120, 50);
    cut->resize(280, 20);
    EXPECT_EQ(faultsOf(&window), QStringList());
}

} // namespace
