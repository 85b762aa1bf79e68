// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes, opened and read back while they wait, then closed.
#include "ui/realplatform.h"

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

} // namespace
