// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols/form5.h"

#include "game/form1.h"
#include "game/state.h"
#include "symbols/chooser.h"
#include "ui/twips.h"
#include "ui/zoom.h"

#include <QPainter>

using ui::rectTw;

namespace {

// The designed client area in twips; the window may grow beyond it, never shrink.
constexpr int DesignWidth = 5175;
constexpr int DesignHeight = 3540;

// Shows a long path shortened in its middle, so the file name at its end stays in sight; the
// text itself (and its tooltip) stays whole.
class PathLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QRect r = contentsRect();
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(text(), Qt::ElideMiddle, r.width()));
    }
};

} // namespace

Form5::Form5(QWidget* parent) : QDialog(parent ? parent : Form1::instance())
{
    setModal(true);
    // Modal, so nothing to minimise; it may grow to show long names.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    const QSize designed = rectTw(0, 0, DesignWidth, DesignHeight).size();
    setMinimumSize(designed);
    resize(designed);
    ui::centreOver(this, parentWidget());

    imgBackGround = new ui::PictureImage(this);
    Drive1 = new ui::DriveList(this);
    Dir1 = new ui::DirList(this);
    File1 = new ui::FileList(this);
    Label1 = new PathLabel(tr(" filename"), this);
    ui::plainLabel(Label1, ui::gameFont(8.25, false));
    Command1 = new ui::PictureButton(tr("OK"), this);
    Command1->setDefault(true);
    layoutControls();

    // The keyboard goes from the drive to the folders, the files and OK.
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Command1);

    connect(Drive1, &ui::DriveList::changed, this, &Form5::Drive1_Change);
    connect(Dir1, &ui::DirList::changed, this, &Form5::Dir1_Change);
    connect(File1, &ui::FileList::fileClicked, this, &Form5::File1_Click);
    connect(File1, &ui::FileList::fileDoubleClicked, this, &Form5::File1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);

    Form_Load();
    // The designed order starts at the drive list.
    Drive1->setFocus();
}

void Form5::Form_Load()
{
    using namespace modValdra;
    imgBackGround->setGeometry(rect());
    imgBackGround->lower();
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    imgBackGround->setPicture(picture);
    Command1->setPicture(picture);
    if (ChooserMode == chooser::QuestionFile) {
        File1->setPattern(chooser::QuestionPattern);
        setWindowTitle(tr("%1--Load Question File").arg(ProgramTitle));
    } else if (ChooserMode == chooser::SymbolList) {
        File1->setPattern(chooser::SymbolListPattern);
        setWindowTitle(tr("%1--Load Treasure List").arg(ProgramTitle));
    }
}

void Form5::Drive1_Change() { Dir1->setPath(Drive1->drive()); }

void Form5::Dir1_Change() { File1->setPath(Dir1->path()); }

void Form5::File1_Click()
{
    const QString name = File1->fileName();
    if (name.isEmpty())
        return;
    ChooseFile(ui::joinPath(File1->path(), name));
}

void Form5::ChooseFile(const QString& fullPath)
{
    using namespace modValdra;
    if (ChooserMode == chooser::QuestionFile) {
        QuizFile = fullPath;
        Label1->setText(tr("quiz: %1").arg(QuizFile));
        ScoreFile = chooser::scoreFileFor(QuizFile);
    } else if (ChooserMode == chooser::SymbolList) {
        PicListFile = fullPath;
        SymbolListPending = 1;
        Label1->setText(tr("piclist: %1").arg(PicListFile));
    }
    Label1->setToolTip(Label1->text());
}

void Form5::File1_DblClick()
{
    File1_Click();
    Command1_Click();
}

void Form5::Command1_Click() { accept(); }

void Form5::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

void Form5::layoutControls()
{
    // At the designed size every control stands at its designed place; a larger window gives
    // the extra width to both columns and the extra height to the lists.
    // At a zoom, the designed places grow with it.
    const double zoom = ui::applicationZoom();
    const int dx = std::max(0, int(ui::twips(width()) / zoom) - DesignWidth);
    const int dy = std::max(0, int(ui::twips(height()) / zoom) - DesignHeight);
    File1->setGeometry(ui::atZoom(rectTw(240, 120, 2295 + dx / 2, 2430 + dy)));
    Drive1->setGeometry(ui::atZoom(rectTw(2760 + dx / 2, 120, 2295 + dx / 2, 315)));
    Dir1->setGeometry(ui::atZoom(rectTw(2760 + dx / 2, 480, 2295 + dx / 2, 2340 + dy)));
    Label1->setGeometry(ui::atZoom(rectTw(240, 2880 + dy, 3135 + dx, 375)));
    Command1->setGeometry(ui::atZoom(rectTw(3720 + dx, 3000 + dy, 1095, 375)));
    imgBackGround->setGeometry(rect());
}
