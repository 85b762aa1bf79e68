// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file chooser: a drive, folder and file list, the name of the file chosen, and OK. Modal;
// a click on a file records the choice in the shared file names at once, and OK, a double click
// or the close box unloads it.
#include <QDialog>
#include <QLabel>

#include "ui/filebrowser.h"
#include "ui/widgets.h"

class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();
    // What a click on a file does with its full path: records it as the question file or the
    // symbol list, as the chooser's mode says, and shows it.
    void ChooseFile(const QString& fullPath);

    ui::FileList* File1 = nullptr;
    ui::DriveList* Drive1 = nullptr;
    ui::DirList* Dir1 = nullptr;
    QLabel* Label1 = nullptr;
    ui::PictureButton* Command1 = nullptr;
    ui::PictureImage* imgBackGround = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutControls();
};
