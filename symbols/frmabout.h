// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the coloured map, the version and credit, one sentence on the game, an etched
// line and OK. Modeless; OK, Enter, Esc and the close box unload it.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <array>

#include "ui/widgets.h"

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();

    ui::PictureImage* Image1 = nullptr;  // background
    ui::PictureImage* Image2 = nullptr;  // the map
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    std::array<QFrame*, 2> Line1{};      // 0 white, 1 grey: together an etched line
    ui::PictureButton* cmdOK = nullptr;

public slots:
    // Esc presses OK.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
};
