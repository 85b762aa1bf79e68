// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols/form2.h"

#include "game/form1.h"
#include "game/regions.h"
#include "game/state.h"
#include "symbols/form3.h"
#include "symbols/symbollist.h"
#include "ui/picture.h"
#include "ui/platform.h"
#include "files/symbollistfile.h"
#include "files/textfile.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>

using ui::rectTw;

const QString Form2::PicturePatterns = QStringLiteral("*.bmp;*.rle;*.ico;*.ccc;*.gif;*.jpg;*.png;*.jpeg");

namespace {

QPointer<Form2> g_form2;

// A teacher's camera writes pictures of many million pixels; the game shows a symbol at a few
// hundred at most, so thirteen of them are kept small enough to cost little memory.
QPixmap fitForShow(const QPixmap& picture)
{
    constexpr int MaxSide = 1024;
    if (picture.width() <= MaxSide && picture.height() <= MaxSide)
        return picture;
    return picture.scaled(MaxSide, MaxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Shows a long path shortened in the middle, so its file name stays in sight; the text itself
// stays whole.
class PathLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, width());
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
};

// White captions with a thin dark edge, so they read on a light background picture as well as
// on a dark one.
class EdgedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(font());
        const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
        ui::drawEdgedText(p, rect(), flags, text(), {Qt::white, QColor(40, 40, 70)});
    }
};

QLabel* makeLabel(QWidget* parent, const QString& caption, QRect geometry, double points, bool white)
{
    QLabel* label = white ? new EdgedLabel(caption, parent) : new QLabel(caption, parent);
    ui::plainLabel(label, ui::gameFont(points, true));
    label->setGeometry(geometry);
    return label;
}

ui::PictureButton* makeButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new ui::PictureButton(caption, parent);
    QFont font = ui::gameFont(8.25, false);
    // A touch narrower, so the longest caption keeps to one line in its small designed button.
    font.setStretch(94);
    button->setFont(font);
    button->setGeometry(geometry);
    return button;
}

} // namespace

Form2* Form2::instance() { return g_form2; }

Form2::Form2(QWidget* parent) : QWidget(parent)
{
    // In front of the main window when it has one, but never blocking it.
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    g_form2 = this;

    menuBar = new QMenuBar(this);
    // Captioned at once: the bar's height is measured from it just below.
    mnuExit = menuBar->addAction(tr("E&xit to Game"), this, &Form2::mnuExit_Click);
    const int menuHeight = menuBar->sizeHint().height();
    const QSize clientSize = rectTw(0, 0, 10545, 6135).size();
    setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    menuBar->setGeometry(0, 0, width(), menuHeight);
    client = new QWidget(this);
    client->setGeometry(0, menuHeight, clientSize.width(), clientSize.height());

    imgBackGround = new ui::PictureImage(client);
    // A little taller than designed: the large capitals need their full line.
    Label2 = makeLabel(client, QString(), rectTw(360, 225, 4095, 420), 18, true);
    Drive1 = new ui::DriveList(client);
    Drive1->setGeometry(rectTw(120, 840, 1575, 315));
    Dir1 = new ui::DirList(client);
    Dir1->setGeometry(rectTw(120, 1320, 1575, 1665));
    filFile1 = new ui::FileList(client);
    filFile1->setGeometry(rectTw(75, 3045, 1620, 2625));
    filFile1->setPattern(PicturePatterns);
    for (QWidget* w : {static_cast<QWidget*>(Drive1), static_cast<QWidget*>(Dir1), static_cast<QWidget*>(filFile1)})
        w->setFont(ui::gameFont(8.25, false));

    // The preview: a picture stretched inside a single border.
    auto* border = new QFrame(client);
    border->setGeometry(rectTw(1830, 840, 2850, 2535));
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1 = new ui::PictureImage(client);
    Image1->setGeometry(border->geometry().adjusted(1, 1, -1, -1));
    lblPreviewNote = ui::plainLabel(new QLabel(QString(), client),
                                    ui::gameFont(9.75, true));
    lblPreviewNote->setGeometry(Image1->geometry().adjusted(12, 0, -12, 0));
    lblPreviewNote->setAlignment(Qt::AlignCenter);
    lblPreviewNote->setWordWrap(true);
    lblPreviewNote->hide();

    Label1 = new PathLabel(client);
    Label1->setFont(ui::gameFont(8.25, true));
    Label1->setGeometry(rectTw(1815, 4410, 2895, 255));
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    cmdQuizWindow = makeButton(client, QString(), rectTw(1770, 5160, 2880, 435));

    Label5 = makeLabel(client, QString(), rectTw(5175, 465, 1815, 495), 9.75, true);
    Label5->setWordWrap(true);
    List2 = new QListWidget(client);
    List2->setFont(ui::gameFont(9.75, false));
    List2->setGeometry(rectTw(4935, 1080, 2040, 4380));
    // The longest French names ("Territoires du Nord-Ouest") take two lines rather than hide.
    List2->setWordWrap(true);
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Line1 = new QFrame(client);
    Line1->setFrameStyle(QFrame::VLine | QFrame::Plain);
    Line1->setGeometry(rectTw(7050, 480, 60, 5115));
    QPalette linePalette = Line1->palette();
    linePalette.setColor(QPalette::WindowText, Qt::white);
    Line1->setPalette(linePalette);

    Label3 = makeLabel(client, QString(), rectTw(7680, 360, 2415, 495), 18, true);
    List1 = new QListWidget(client);
    List1->setFont(ui::gameFont(8.25, false));
    List1->setGeometry(rectTw(7200, 960, 3135, 2595));
    // A long path wraps, so the region and the file name both stay in sight.
    ui::wrapLongEntries(List1);
    Label4 = makeLabel(client, QString(), rectTw(7920, 3720, 1335, 255), 9.75, false);
    txtFileTotal = new QLineEdit(client);
    txtFileTotal->setFont(ui::gameFont(9.75, true));
    txtFileTotal->setGeometry(rectTw(9480, 3720, 615, 360));
    // The count follows the list; typing into it would only make it wrong.
    txtFileTotal->setReadOnly(true);
    cmdAdd = makeButton(client, QString(), rectTw(7200, 4200, 855, 375));
    cmdClearList = makeButton(client, QString(), rectTw(8160, 4200, 975, 375));
    cmdRemove = makeButton(client, QString(), rectTw(9240, 4200, 1095, 375));
    cmdSave = makeButton(client, QString(), rectTw(7200, 4680, 1335, 375));
    cmdLoad = makeButton(client, QString(), rectTw(9000, 4680, 1335, 375));
    cmdUseList = makeButton(client, QString(), rectTw(7215, 5160, 3135, 435));

    // What a screen reader calls the lists and the count; the captions above them say it too.
    filFile1->setAccessibleName(tr("Picture files"));
    List2->setAccessibleName(tr("Province or Territory"));
    List2->setAccessibleDescription(tr("The province or territory of the picture to add"));
    List1->setAccessibleName(tr("File List"));
    List1->setAccessibleDescription(tr("The pictures of the symbol list, each with its province or territory"));
    txtFileTotal->setAccessibleName(tr("Total Files"));
    QWidget* order[] = {Drive1, Dir1, filFile1, List1, cmdAdd, cmdRemove, cmdClearList,
                        cmdSave, cmdLoad, txtFileTotal, List2, cmdUseList, cmdQuizWindow};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(Drive1, &ui::DriveList::changed, this, &Form2::Drive1_Change);
    connect(Dir1, &ui::DirList::changed, this, &Form2::Dir1_Change);
    connect(filFile1, &ui::FileList::fileClicked, this, &Form2::filFile1_Click);
    connect(cmdUseList, &QPushButton::clicked, this, &Form2::cmdUseList_Click);
    connect(cmdQuizWindow, &QPushButton::clicked, this, &Form2::cmdQuizWindow_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &Form2::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &Form2::Cmdsave_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &Form2::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &Form2::cmdRemove_Click);
    connect(cmdClearList, &QPushButton::clicked, this, &Form2::cmdClearList_Click);

    ui::centreOver(this, parentWidget());
    retranslateUi();
    Form_Load();
}

Form2::~Form2()
{
    if (g_form2 == this)
        g_form2 = nullptr;
}

void Form2::Form_Load()
{
    using namespace modValdra;
    imgBackGround->setGeometry(client->rect());
    imgBackGround->lower();
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    imgBackGround->setPicture(picture);
    for (ui::PictureButton* b : {cmdLoad, cmdSave, cmdClearList, cmdAdd, cmdRemove, cmdQuizWindow, cmdUseList})
        b->setPicture(picture);
    for (ui::PictureButton* b : {cmdSave, cmdAdd, cmdRemove})
        b->setDisabledPicture(picture);

    List1->clear();
    cmdAdd->setEnabled(false);
    cmdRemove->setEnabled(false);
    cmdSave->setEnabled(false);
    List2->clear();
    const QStringList names = regions::shownNames();
    List2->addItems(names);
    // "Île-du-Prince-Édouard" has no space to wrap at: the list's font narrows for the widest
    // name instead of cutting it.
    const QFont listFont = ui::gameFont(9.75, false);
    QString widest;
    for (const QString& name : names)
        if (QFontMetrics(listFont).horizontalAdvance(name) > QFontMetrics(listFont).horizontalAdvance(widest))
            widest = name;
    List2->setFont(ui::fontToFit(listFont, widest, List2->width() - 2 * List2->frameWidth() - 10));

    filFile1->setPath(Dir1->path());
}

void Form2::Drive1_Change() { Dir1->setPath(Drive1->drive()); }

void Form2::Dir1_Change() { filFile1->setPath(Dir1->path()); }

void Form2::filFile1_Click()
{
    const QString name = filFile1->fileName();
    if (name.isEmpty())
        return;
    showPreview(ui::joinPath(filFile1->path(), name));
}

void Form2::showPreview(const QString& path)
{
    Label1->setText(path);
    Label1->setToolTip(path);
    const ui::LoadedPicture loaded = ui::loadPicture(path);
    m_previewFailed = !loaded.ok;
    Image1->setPicture(fitForShow(loaded.picture));
    lblPreviewNote->setVisible(m_previewFailed);
    cmdAdd->setEnabled(!m_previewFailed);
}

QStringList Form2::listItems() const
{
    QStringList items;
    for (int i = 0; i < List1->count(); ++i)
        items << List1->item(i)->text();
    return items;
}

void Form2::addListItem(const QString& item)
{
    QStringList items = listItems();
    const int at = symbollist::insertSorted(items, item);
    List1->insertItem(at, item);
    List1->item(at)->setToolTip(item);
}

void Form2::setListButtons(bool enabled)
{
    cmdRemove->setEnabled(enabled);
    cmdSave->setEnabled(enabled);
}

void Form2::showTotal() { txtFileTotal->setText(QString::number(List1->count())); }

void Form2::LoadSymbolList(QString& fileName)
{
    const symbollist::ListFile file = symbollist::readListFile(fileName);
    if (!file.opened)
        return;
    // One merge and one refill, so a long list loads in time linear in its length.
    const QListWidgetItem* current = List1->currentItem();
    const QString currentText = current ? current->text() : QString();
    const QStringList merged = symbollist::mergeSorted(listItems(), file.items);
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(merged);
    for (int i = 0; i < List1->count(); ++i)
        List1->item(i)->setToolTip(merged[i]);
    if (current) {
        const QList<QListWidgetItem*> same = List1->findItems(currentText, Qt::MatchExactly);
        if (!same.isEmpty())
            List1->setCurrentItem(same.first());
    }
    List1->setUpdatesEnabled(true);
    showTotal();
    setListButtons(true);
}

void Form2::SaveSymbolList(QString& fileName)
{
    QString error;
    if (!ui::writeTextFile(fileName, symbollist::listFileLines(listItems()), &error))
        ui::platform().messageBox(this, ui::saveFailedMessage(tr("The symbol list"), fileName, error),
                                  modValdra::ProgramTitle);
}

void Form2::cmdLoad_Click()
{
    ui::FileDialogRequest request;
    request.filter = tr("Picture List files (*.lst)|*.lst|All files (*.*)|*.*");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.lst");
    QString fileName = ui::platform().openFileName(this, request);
    // A cancelled dialog hands the pattern back: nothing to load.
    if (fileName == request.fileName)
        return;
    LoadSymbolList(fileName);
}

void Form2::Cmdsave_Click()
{
    ui::FileDialogRequest request;
    request.filter = QStringLiteral("*.lst");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.lst");
    request.defaultExt = QStringLiteral("LST");
    QString fileName = ui::platform().saveFileName(this, request);
    if (fileName == request.fileName)
        return;
    // The save writes to a file of the same name in another case when there is one (BIRDS.LST
    // for Birds.lst), about which the dialog did not ask: ask before replacing it.
    const QString target = ui::resolveFileName(fileName);
    QString asked = fileName;
    asked.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(asked).absoluteFilePath() && QFileInfo::exists(target)
        && !ui::platform().askYesNo(this,
               tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath())),
               modValdra::ProgramTitle))
        return;
    SaveSymbolList(fileName);
}

void Form2::cmdAdd_Click()
{
    const QListWidgetItem* region = List2->currentItem();
    // A file that is no picture counts as no picture.
    if (Label1->text().isEmpty() || m_previewFailed || !region || !region->isSelected()) {
        ui::platform().messageBox(this, tr("You must select a picture and a province/territory."),
                                  modValdra::ProgramTitle);
        return;
    }
    addListItem(symbollist::makeItem(region->text(), Label1->text()));
    setListButtons(true);
    showTotal();
    if (List1->count() > 12)
        ui::platform().messageBox(this, tr("List should not exceed 13 items!"), modValdra::ProgramTitle);
}

void Form2::cmdRemove_Click()
{
    QListWidgetItem* item = List1->currentItem();
    if (item && item->isSelected())
        delete List1->takeItem(List1->row(item));
    else
        ui::platform().beep();
    setListButtons(List1->count() > 0);
    showTotal();
}

void Form2::cmdClearList_Click()
{
    List1->clear();
    setListButtons(false);
    txtFileTotal->setText(QStringLiteral("0"));
}

void Form2::refuseList(int item, const QString& why)
{
    List1->setCurrentRow(item);
    ui::platform().messageBox(this, tr("The list was not put into the game.\n\n%1").arg(why),
                              modValdra::ProgramTitle);
}

void Form2::cmdUseList_Click()
{
    Form1* main = Form1::instance();
    if (!main || !main->form3())
        return;
    // Every picture is read before any slot changes, so a bad item leaves the game as it was
    // and a slot's tag never goes without its picture.
    const QStringList items = listItems();
    const symbollist::SlotPlan plan = symbollist::planCustomSlots(items);
    if (plan.badItem >= 0) {
        refuseList(plan.badItem, tr("Item %1 does not hold a \";\" between the province or territory "
                                                    "and the picture:\n%2")
                                     .arg(plan.badItem + 1)
                                     .arg(items[plan.badItem]));
        return;
    }
    // The same reading as a list file loaded by New Symbols, so both take the same items (an
    // empty picture part included) and tell the same findings.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList used = items.mid(0, plan.lines.size());
    const symbollistfile::Reading reading =
        symbollistfile::readSymbolLines(used);
    QList<QPixmap> pictures;
    for (int i = 0; i < reading.custom.size() && i < plan.lines.size(); ++i)
        pictures << fitForShow(reading.custom[i].picture);
    QApplication::restoreOverrideCursor();
    if (pictures.size() < plan.lines.size()) {
        const int i = int(pictures.size());
        refuseList(i, tr("The picture of item %1 could not be loaded:\n%2")
                          .arg(i + 1)
                          .arg(plan.lines[i].picture.isEmpty() ? items[i] : plan.lines[i].picture));
        return;
    }
    for (int i = 0; i < plan.lines.size(); ++i) {
        ui::PictureImage* slot = main->form3()->Image1[Form3::CustomSet + i];
        slot->setPicture(pictures[i]);
        slot->setTag(plan.lines[i].tag);
    }
    modValdra::SymbolSetChoice = Form3::CustomSet;
    main->tellFileFindings(tr("The Picture Locator's list"), reading.report, QStringLiteral("locator:") + used.join(QLatin1Char('\n')));
}

void Form2::cmdQuizWindow_Click()
{
    Form1* main = Form1::instance();
    if (!main)
        return;
    const QString path = Label1->text();
    // A file that is no picture (or has gone since) would only blank the quiz box.
    const ui::LoadedPicture loaded = m_previewFailed ? ui::LoadedPicture{} : ui::loadPicture(path);
    if (!loaded.ok) {
        ui::platform().beep();
        return;
    }
    main->setQuizPicture(fitForShow(loaded.picture));
    modValdra::QuizPicFile = path;
}

void Form2::mnuExit_Click() { close(); }

void Form2::retranslateUi()
{
    setWindowTitle(tr("%1--Picture Locator for Treasure Lists").arg(modValdra::ProgramTitle));
    mnuExit->setText(tr("E&xit to Game"));
    Label2->setText(tr("  PICTURE LOCATOR"));
    lblPreviewNote->setText(tr("This file cannot be shown as a picture."));
    cmdQuizWindow->setText(tr("Use Picture for Quiz &Window"));
    Label5->setText(tr("Province or Territory"));
    Label3->setText(tr(" FILE LIST"));
    Label4->setText(tr("Total Files:"));
    cmdAdd->setText(tr("&Add Item"));
    cmdClearList->setText(tr("&Clear List"));
    cmdRemove->setText(tr("&Remove Item"));
    cmdSave->setText(tr("&Save List"));
    cmdLoad->setText(tr("&Load List"));
    cmdUseList->setText(tr("&Use File List in Game"));
    // The regions in the language now in use, the chosen one still chosen; the items already
    // in the list keep their names, which the game reads in either language.
    if (List2->count() == 13) {
        const QStringList names = regions::shownNames();
        for (int i = 0; i < 13; ++i)
            List2->item(i)->setText(names[i]);
    }
}

void Form2::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void Form2::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}
