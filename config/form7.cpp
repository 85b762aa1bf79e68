// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/form7.h"

#include "config/settingswriter.h"
#include "files/folderlock.h"
#include "game/form1.h"
#include "game/state.h"
#include "ui/platform.h"
#include "files/textfile.h"
#include "ui/twips.h"

#include <QFileInfo>
#include <QKeyEvent>

using namespace modValdra;
using ui::rectTw;

namespace {

struct BoxDesign {
    int left, top;  // the box
    const char* caption;
    int labelLeft, labelTop;
};

constexpr BoxDesign Boxes[10] = {
    {2385, 315, QT_TRANSLATE_NOOP("form7", "Quiz:"), 45, 330},
    {2385, 750, QT_TRANSLATE_NOOP("form7", "Symbols List:"), 30, 765},
    {2385, 1155, QT_TRANSLATE_NOOP("form7", "Quiz Box Picture:"), 90, 1140},
    {2415, 1530, QT_TRANSLATE_NOOP("form7", "Game Length (1,3,5,10):"), 60, 1545},
    {2415, 1950, QT_TRANSLATE_NOOP("form7", "Symbols to Locate (6, 12):"), 60, 1950},
    {2415, 2385, QT_TRANSLATE_NOOP("form7", "Game Width:"), 60, 2370},
    {2415, 2805, QT_TRANSLATE_NOOP("form7", "Game Height:"), 60, 2835},
    {2400, 3165, QT_TRANSLATE_NOOP("form7", "Quiz Box Left:"), 105, 3150},
    {2400, 3585, QT_TRANSLATE_NOOP("form7", "Quiz Box Top:"), 105, 3585},
    {2400, 3945, QT_TRANSLATE_NOOP("form7", "Current Directory"), 1215, 4005},
};

constexpr int BoxWidth = 4230;
constexpr int BoxHeight = 300;
constexpr int LabelGap = 60;  // between a right-aligned label and its box

} // namespace

form7::form7(QWidget* parent) : QWidget(parent)
{
    // In front of the main window when it has one, but never blocking it.
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(rectTw(0, 0, 6960, 5550).size());
    ui::centreOver(this, parentWidget());

    imgBackGround = new ui::PictureImage(this);
    for (int i = 0; i < 10; ++i) {
        const BoxDesign& d = Boxes[i];
        Text1[i] = new QLineEdit(this);
        Text1[i]->setFont(ui::gameFont(8.25, false));
        Text1[i]->setGeometry(rectTw(d.left, d.top, BoxWidth, BoxHeight));

        QLabel* label = ui::plainLabel(new QLabel(QString(), this), ui::gameFont(8.25, true));
        label->setBuddy(Text1[i]);
        if (i == 9) {
            // The folder's label stands apart, left-aligned, and wraps in its narrow place.
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            label->setGeometry(rectTw(d.labelLeft, d.labelTop, d.left - d.labelLeft - LabelGap, 2 * BoxHeight));
        } else {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(rectTw(d.labelLeft, d.labelTop, d.left - d.labelLeft - LabelGap, BoxHeight));
        }
        labels[i] = label;
    }

    cmdSave = new ui::PictureButton(QString(), this);
    cmdSave->setFont(ui::gameFont(8.25, true));
    cmdSave->setGeometry(rectTw(1890, 4920, 2445, 390));
    cmdCancel = new ui::PictureButton(QString(), this);
    cmdCancel->setFont(ui::gameFont(8.25, true));
    cmdCancel->setGeometry(rectTw(4785, 4920, 1365, 390));
    connect(cmdSave, &QPushButton::clicked, this, &form7::Cmdsave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &form7::cmdCancel_Click);
    retranslateUi();

    Form_Load();
}

void form7::Form_Load()
{
    Form1* main = Form1::instance();
    imgBackGround->setPicture(main ? main->imgQuiz->picture() : QPixmap());
    imgBackGround->setGeometry(rect());
    imgBackGround->lower();
    cmdSave->setPicture(imgBackGround->picture());
    cmdCancel->setPicture(imgBackGround->picture());

    using settingsfile::numberText;
    Text1[0]->setText(QuizFile);
    Text1[1]->setText(PicListFile);
    Text1[2]->setText(QuizPicFile);
    // The game length in minutes, worked out in single precision.
    Text1[3]->setText(numberText(float(GameSeconds) / 60.0f));
    Text1[4]->setText(numberText(SymbolCount));
    Text1[5]->setText(main ? numberText(main->widthTw()) : QString());
    Text1[6]->setText(main ? numberText(main->heightTw()) : QString());
    Text1[7]->setText(main ? numberText(main->quizBoxTw().x()) : QString());
    Text1[8]->setText(main ? numberText(main->quizBoxTw().y()) : QString());
    Text1[9]->setText(StartFolder);
    for (QLineEdit* box : Text1)
        box->setCursorPosition(0);
}

void form7::Cmdsave_Click()
{
    if (!ui::platform().askYesNo(this,
            tr(" Are you certain this should become the default Quillora game settings?"),
            tr("MsgBox Demonstration")))
        return;
    // Always the start folder, whatever folder was browsed since, and the settings file already
    // there whatever the case of its name.
    const QString path = settingsfile::settingsFilePath(StartFolder);
    CollectSettings();
    WriteSettingsFile(path);
}

void form7::cmdCancel_Click() { close(); }

void form7::CollectSettings()
{
    QuizFile = Text1[0]->text();
    QuizPicFile = Text1[2]->text();
    PicListFile = Text1[1]->text();
    TimeOption = Text1[3]->text();
    DoorOption = Text1[4]->text();
    GameWidth = Text1[5]->text();
    GameHeight = Text1[6]->text();
    QuizLeft = Text1[7]->text();
    QuizTop = Text1[8]->text();
}

void form7::WriteSettingsFile(const QString& path)
{
    settingsfile::GameSettings settings;
    settings.QuizFile = QuizFile;
    settings.PicListFile = PicListFile;
    settings.QuizPicFile = QuizPicFile;
    settings.GameWidth = GameWidth;
    settings.GameHeight = GameHeight;
    settings.QuizTop = QuizTop;
    settings.QuizLeft = QuizLeft;
    settings.TimeOption = TimeOption;
    settings.DoorOption = DoorOption;

    // A file with setting lines the game does not read (a value out of range) is kept beside
    // itself before it is replaced, so nothing in it is lost unseen. Lines without a setting the
    // editor writes stay in the file anyway (below).
    QString keptAs;
    QString unread;
    const ui::TextFile old = ui::readTextFile(path);
    if (old.opened) {
        const QStringList kept = settingsfile::keptLines(old.lines);
        QStringList replaced;
        for (const QString& line : old.lines)
            replaced << (kept.contains(line) ? QString() : line);  // blank keeps the line numbers
        unread = settingsfile::unreadLine(replaced);
    }
    QString error;
    if (!unread.isEmpty()) {
        keptAs = files::keepDamagedCopy(path, &error);
        if (keptAs.isEmpty()) {
            ui::platform().messageBox(
                this,
                ui::saveFailedMessage(tr("The settings"), path,
                                      tr("It holds a line the game does not read (%1), and no copy of it could be "
                                         "kept: %2")
                                          .arg(unread, error)),
                ProgramTitle);
            return;
        }
    }

    // Replaced as a whole or not at all: a failed save leaves the old file for the next start,
    // tells the teacher why, and keeps the editor open with what was typed. The lines the editor does not write itself stay: a teacher's line is never dropped. A file
    // that is there but cannot be read is not replaced, or those lines would be lost.
    QStringList lines = settingsfile::settingsLines(settings);
    if (!old.opened && QFileInfo::exists(path)) {
        ui::platform().messageBox(
            this,
            ui::saveFailedMessage(tr("The settings"), path,
                                  tr("The file there could not be read, and saving would lose the lines it holds.")),
            ProgramTitle);
        return;
    }
    lines += settingsfile::keptLines(old.lines);
    if (!ui::writeTextFile(path, lines, &error)) {
        ui::platform().messageBox(this, ui::saveFailedMessage(tr("The settings"), path, error),
                                  ProgramTitle);
        return;
    }
    if (!keptAs.isEmpty())
        ui::platform().messageBox(this,
                                  tr("%1 held a line the game does not read (%2). The file as it was is kept "
                                     "in %3.")
                                      .arg(path, unread, keptAs),
                                  ProgramTitle);
    close();
}

void form7::retranslateUi()
{
    setWindowTitle(tr("Quillora--Iniatialization File Options"));
    for (int i = 0; i < 10; ++i)
        labels[i]->setText(tr(Boxes[i].caption));
    cmdSave->setText(tr("&Save Initialization File"));
    cmdCancel->setText(tr("&Cancel"));
}

void form7::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void form7::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}

void form7::keyPressEvent(QKeyEvent* event)
{
    // Esc is Cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
