// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols/frmabout.h"
#include "ui/picture.h"

#include "game/form1.h"
#include "game/state.h"
#include "ui/twips.h"

#include <QCloseEvent>

using ui::rectTw;

namespace {

QLabel* makeAboutLabel(QWidget* parent, const QString& text, QRect geometry)
{
    QLabel* label = ui::plainLabel(new QLabel(text, parent), ui::gameFont(8.25, false));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 100, 0));  // dark green
    label->setPalette(pal);
    return label;
}

QFrame* makeLine(QWidget* parent, QRect geometry, QColor colour)
{
    auto* line = new QFrame(parent);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, colour);
    line->setPalette(pal);
    return line;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent ? parent : Form1::instance())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // A box of fixed size: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(rectTw(0, 0, 5805, 3735).size());
    ui::centreOver(this, parentWidget());

    Image1 = new ui::PictureImage(this);
    Image2 = new ui::PictureImage(this);
    Image2->setGeometry(rectTw(1740, 15, 2145, 1500));
    Image2->setPicture(QPixmap::fromImage(ui::builtInImage(QStringLiteral(":/map.bmp"))));
    lblVersion = makeAboutLabel(this, QString(),
                                rectTw(645, 1560, 4245, 225));
    lblDescription = makeAboutLabel(this, QString(), rectTw(525, 1920, 4485, 690));
    // The grey line with the white one just below it reads as a groove cut into the box.
    Line1[1] = makeLine(this, QRect(ui::px(120), ui::px(2640), ui::px(5684 - 120), 1), QColor(128, 128, 128));
    Line1[0] = makeLine(this, QRect(ui::px(120), ui::px(2640) + 1, ui::px(5669 - 120), 1), QColor(255, 255, 255));
    cmdOK = new ui::PictureButton(QString(), this);
    cmdOK->setFont(ui::gameFont(8.25, true));
    cmdOK->setGeometry(rectTw(2160, 3120, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    retranslateUi();
    Image1->setGeometry(rect());
    Image1->lower();
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    Image1->setPicture(picture);
    cmdOK->setPicture(picture);
}

void frmAbout::retranslateUi()
{
    setWindowTitle(tr("About %1").arg(modValdra::ProgramTitle));
    lblVersion->setText(tr("Version 2.5, by the Quillora developers"));
    lblDescription->setText(tr("Answer multiple-choice questions about Canada to earn the chance to locate "
                               "the crests, floral emblems or other symbols of its provinces and territories "
                               "on the map."));
    cmdOK->setText(tr("OK"));
}

void frmAbout::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void frmAbout::cmdOK_Click() { done(QDialog::Accepted); }

void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}
