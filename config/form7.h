// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file editor: the settings a fresh start uses, filled from the running game,
// changed as text and saved as "valdra.ini" in the start folder after a confirmation.
// Modeless, one at a time, deleted when closed or saved.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "ui/widgets.h"

class form7 : public QWidget {
    Q_OBJECT
public:
    explicit form7(QWidget* parent = nullptr);

    void Form_Load();
    void Cmdsave_Click();
    void cmdCancel_Click();
    void CollectSettings();
    void WriteSettingsFile(const QString& path);

    ui::PictureImage* imgBackGround = nullptr;
    // 0 quiz, 1 symbol list, 2 quiz box picture, 3 game length, 4 symbols, 5 width, 6 height,
    // 7 quiz box left, 8 quiz box top, 9 start folder (shown only).
    std::array<QLineEdit*, 10> Text1{};
    std::array<QLabel*, 10> labels{};  // the label of each box, in box order
    ui::PictureButton* cmdSave = nullptr;
    ui::PictureButton* cmdCancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
};
