// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The high-score window: fifteen rows of names and scores and an OK button. Modeless; it
// fills its rows when it loads and deletes itself when closed.
#include <QLabel>
#include <QWidget>
#include <array>

#include "ui/widgets.h"

class Form6 : public QWidget {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();
    // The title after a game ("Quillora Scores--Valdra.scr") or from the menu ("Quillora--...").
    void setScoresTitle(bool afterGame);
    // Marks the row of the entry just made (-1: none).
    void markEntry(int k);
    int markedEntry() const { return m_marked; }

    ui::PictureImage* imgBackGround = nullptr;
    std::array<QLabel*, 15> lblHighScores{};
    std::array<QLabel*, 15> lblScores{};
    // The ranks 1 to 15 before the rows.
    std::array<QLabel*, 15> lblRanks{};
    ui::PictureButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void nameRows();
    bool m_afterGame = false;
    QWidget* m_mark = nullptr;
    int m_marked = -1;
};
