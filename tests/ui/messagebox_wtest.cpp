// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes, opened and read back while they wait, then closed.
#include "ui/realplatform.h"
#include "ui/zoom.h"

#include <QInputDialog>
#include <QLabel>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `look` on the message box once it is on show, then closes it.
void whileOpen(std::function<void(QMessageBox*)> look)
{
    QTimer::singleShot(0, [look] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                look(box);
                box->done(QMessageBox::No);
                return;
            }
        ADD_FAILURE() << "no message box on show";
    });
}

TEST(MessageBoxes, AreAtLeastAsWideAsTheirWholeTitle)
{
    ui::RealPlatform real;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);

    struct Case {
        QString text, title;
        bool yesNo;
    };
    const Case cases[] = {
        {QStringLiteral("Ottawa"), QStringLiteral("WRONG!  The correct answer is:"), false},
        {QStringLiteral("Saskatchewan and Manitoba"), QStringLiteral("WRONG!  The correct answer is:"), false},
        {QStringLiteral("Save?"), QStringLiteral("Quillora--Save the current settings as the defaults"), true},
    };
    for (const Case& c : cases) {
        int width = 0;
        QString title;
        whileOpen([&](QMessageBox* box) {
            width = box->width();
            title = box->windowTitle();
        });
        if (c.yesNo)
            EXPECT_FALSE(real.askYesNo(nullptr, c.text, c.title));
        else
            real.messageBox(nullptr, c.text, c.title);
        EXPECT_EQ(title, c.title);
        // The title bar's own icon and buttons need room beside the text.
        EXPECT_GE(width, metrics.horizontalAdvance(c.title) + ui::TitleDecorationAllowance) << c.title.toStdString();
    }
}

// The text size of the box on show and its size, read while it waits, for each kind of box.
struct Seen {
    int textPixels = 0;
    QSize size;
};

Seen openedAt(double zoom, bool input)
{
    ui::setApplicationZoom(zoom);
    ui::RealPlatform real;
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QDialog*>(w); box && box->isVisible()) {
                const QList<QLabel*> labels = box->findChildren<QLabel*>();
                for (QLabel* label : labels)
                    if (label->text().startsWith(QStringLiteral("Your score")))
                        seen.textPixels = QFontInfo(label->font()).pixelSize();
                seen.size = box->size();
                box->done(QDialog::Rejected);
                return;
            }
        ADD_FAILURE() << "no box on show";
    });
    const QString text = QStringLiteral("Your score of 1275 adds to the list.");
    if (input)
        real.inputBox(nullptr, text, QStringLiteral("Quillora"));
    else
        real.messageBox(nullptr, text, QStringLiteral("Quillora"));
    ui::setApplicationZoom(1.0);
    return seen;
}

TEST(MessageBoxes, AndInputBoxesGrowWithTheZoom)
{
    for (bool input : {false, true}) {
        const Seen normal = openedAt(1.0, input), doubled = openedAt(2.0, input);
        EXPECT_EQ(normal.textPixels, 13) << input;
        EXPECT_EQ(doubled.textPixels, 2 * normal.textPixels) << input;
        EXPECT_GT(doubled.size.width(), normal.size.width() * 3 / 2) << input;
        EXPECT_GT(doubled.size.height(), normal.size.height() * 3 / 2) << input;
    }
}

TEST(WindowZoom, AFixedWindowGrowsWithItsControlsAndComesBack)
{
    QWidget window;
    window.setFixedSize(400, 300);
    auto* label = new QLabel(QStringLiteral("Ottawa"), &window);
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    label->setGeometry(10, 20, 100, 30);
    auto* row = new QWidget(&window);
    row->setFixedWidth(120);
    row->move(0, 100);

    ui::zoomWindow(&window, 2.0);
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(label->geometry(), QRect(20, 40, 200, 60));
    EXPECT_EQ(label->font().pixelSize(), 22);
    EXPECT_EQ(row->width(), 240);
    // Steps never add up rounding: back at 100 % all is as made.
    ui::zoomWindow(&window, 1.75);
    ui::zoomWindow(&window, 1.0);
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_EQ(label->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(label->font().pixelSize(), 11);
    EXPECT_EQ(row->width(), 120);
}

} // namespace
