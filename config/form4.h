// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game options dialog: length of a game, number of symbols, symbol set and level. Each
// click sets its shared value at once; OK only closes. Modeless, one at a time, deleted when
// closed.
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <array>

#include "ui/pictureoption.h"
#include "ui/widgets.h"

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Command1_Click();

    // Selects an option as the player would, so its click handler runs.
    static void select(ui::PictureOption* option) { option->click(); }

    ui::PictureImage* imgBackGround = nullptr;
    QFrame* Frame1 = nullptr;  // number of symbols
    QFrame* Frame2 = nullptr;  // length of game
    QFrame* Frame3 = nullptr;  // symbol set
    QFrame* Frame4 = nullptr;  // level of difficulty
    std::array<ui::PictureImage*, 4> imgFrame{};  // 0 in Frame2, 1 in Frame1, 2 in Frame3, 3 in Frame4
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    ui::PictureOption* Option1 = nullptr;
    ui::PictureOption* Option2 = nullptr;
    ui::PictureOption* Option3 = nullptr;
    ui::PictureOption* Option4 = nullptr;
    ui::PictureOption* Option5 = nullptr;
    ui::PictureOption* Option6 = nullptr;
    ui::PictureOption* Option7 = nullptr;
    ui::PictureOption* Option8 = nullptr;
    ui::PictureOption* Option9 = nullptr;
    ui::PictureOption* Option10 = nullptr;
    ui::PictureOption* Option11 = nullptr;
    ui::PictureButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
};
