// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Picture Locator: browse for pictures, tie each to a province or territory, and keep the
// list in a symbol list file or put it straight into the running game as the custom set.
// Modeless and at most one at a time; it deletes itself when closed, so every opening starts
// with an empty list.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include "ui/filebrowser.h"
#include "ui/widgets.h"

class QAction;
class QFrame;
class QMenuBar;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // The picture patterns the file list offers: the classic ones and the PNG and JPEG names
    // the picture loader reads as well.
    static const QString PicturePatterns;

    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // The open Picture Locator, if any.
    static Form2* instance();

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void filFile1_Click();
    void cmdUseList_Click();
    void cmdQuizWindow_Click();
    void mnuExit_Click();

    // Editing the list.
    void LoadSymbolList(QString& fileName);
    void SaveSymbolList(QString& fileName);
    void cmdLoad_Click();
    void Cmdsave_Click();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdClearList_Click();

    // The items of List1 in their (sorted) order.
    QStringList listItems() const;
    // False while the selected file could not be shown as a picture.
    bool previewShowsPicture() const { return !m_previewFailed; }

    // --- Controls, with the names of the design ---
    QMenuBar* menuBar = nullptr;
    QAction* mnuExit = nullptr;
    QWidget* client = nullptr;

    ui::PictureImage* imgBackGround = nullptr;
    QLabel* Label2 = nullptr;
    ui::DriveList* Drive1 = nullptr;
    ui::DirList* Dir1 = nullptr;
    ui::FileList* filFile1 = nullptr;
    ui::PictureImage* Image1 = nullptr;
    QLabel* lblPreviewNote = nullptr;  // says why the preview is empty
    QLabel* Label1 = nullptr;
    ui::PictureButton* cmdQuizWindow = nullptr;
    QLabel* Label5 = nullptr;
    QListWidget* List2 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtFileTotal = nullptr;
    ui::PictureButton* cmdAdd = nullptr;
    ui::PictureButton* cmdClearList = nullptr;
    ui::PictureButton* cmdRemove = nullptr;
    ui::PictureButton* cmdSave = nullptr;
    ui::PictureButton* cmdLoad = nullptr;
    ui::PictureButton* cmdUseList = nullptr;
    QFrame* Line1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void addListItem(const QString& item);
    void setListButtons(bool enabled);
    void showTotal();
    void showPreview(const QString& path);
    void refuseList(int item, const QString& why);

    bool m_previewFailed = false;
};
