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

    ui::PictureImage* imgBackGround = nullptr;
    std::array<QLabel*, 15> lblHighScores{};
    std::array<QLabel*, 15> lblScores{};
    ui::PictureButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    bool m_afterGame = false;
};
