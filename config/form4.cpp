// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/form4.h"

#include "game/form1.h"
#include "game/state.h"
#include "ui/accessible.h"
#include "ui/twips.h"

#include <QKeyEvent>

using namespace modValdra;
using ui::rectTw;

namespace {

// The dialogs' small type: headings bold, options plain.
QFont headingFont() { return ui::gameFont(8.25, true); }
QFont optionFont() { return ui::gameFont(8.25, false); }

// A captionless frame with its background picture filling the inside of its border.
QFrame* makeFrame(QWidget* parent, QRect geometry, ui::PictureImage*& background)
{
    auto* frame = new ui::Panel(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    background = new ui::PictureImage(frame);
    background->setGeometry(frame->contentsRect());
    return frame;
}

// A centred heading that reaches across its frame as far in from the right as from the left,
// and wraps when the frame is narrow, down to the first option.
QLabel* makeHeading(QFrame* frame, const QString& caption, int left, int top, int firstOptionTop)
{
    QLabel* label = ui::plainLabel(new QLabel(caption, frame), headingFont());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    const int widthTw = ui::twips(frame->width()) - 2 * left;
    label->setGeometry(rectTw(left, top, widthTw, firstOptionTop - top));
    return label;
}

// An option strip from its designed place to the inside of the frame's right border, so the
// longest caption has all the room there is.
ui::PictureOption* makeOption(QFrame* frame, const QString& caption, int left, int top)
{
    auto* option = new ui::PictureOption(caption, frame);
    option->setFont(optionFont());
    QRect geometry = rectTw(left, top, 0, 300);
    geometry.setRight(frame->contentsRect().right());
    option->setGeometry(geometry);
    return option;
}

} // namespace

Form4::Form4(QWidget* parent) : QWidget(parent)
{
    // In front of the main window when it has one, but never blocking it.
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(rectTw(0, 0, 5625, 4725).size());
    ui::centreOver(this, parentWidget());

    imgBackGround = new ui::PictureImage(this);

    Frame2 = makeFrame(this, rectTw(240, 195, 1935, 1815), imgFrame[0]);
    Label1 = makeHeading(Frame2, QString(), 135, 150, 360);
    Option4 = makeOption(Frame2, QString(), 165, 360);
    Option5 = makeOption(Frame2, QString(), 165, 720);
    Option6 = makeOption(Frame2, QString(), 165, 1080);
    Option7 = makeOption(Frame2, QString(), 165, 1440);

    Frame1 = makeFrame(this, rectTw(2595, 195, 2790, 1815), imgFrame[1]);
    Label2 = makeHeading(Frame1, QString(), 225, 225, 630);
    Option2 = makeOption(Frame1, QString(), 585, 630);
    Option3 = makeOption(Frame1, QString(), 585, 1170);

    Frame4 = makeFrame(this, rectTw(240, 2130, 1935, 1695), imgFrame[3]);
    Label4 = makeHeading(Frame4, QString(), 105, 150, 615);
    Option10 = makeOption(Frame4, QString(), 120, 615);
    Option11 = makeOption(Frame4, QString(), 120, 1095);

    Frame3 = makeFrame(this, rectTw(2595, 2130, 2835, 1695), imgFrame[2]);
    Label3 = makeHeading(Frame3, QString(), 165, 120, 420);
    Option1 = makeOption(Frame3, QString(), 210, 420);
    Option8 = makeOption(Frame3, QString(), 210, 825);
    Option9 = makeOption(Frame3, QString(), 210, 1200);

    Command1 = new ui::PictureButton(QString(), this);
    Command1->setGeometry(rectTw(2130, 4095, 1095, 375));
    Command1->setDefault(true);

    const std::pair<ui::PictureOption*, void (Form4::*)()> handlers[] = {
        {Option1, &Form4::Option1_Click}, {Option2, &Form4::Option2_Click}, {Option3, &Form4::Option3_Click},
        {Option4, &Form4::Option4_Click}, {Option5, &Form4::Option5_Click}, {Option6, &Form4::Option6_Click},
        {Option7, &Form4::Option7_Click}, {Option8, &Form4::Option8_Click}, {Option9, &Form4::Option9_Click},
        {Option10, &Form4::Option10_Click}, {Option11, &Form4::Option11_Click},
    };
    for (const auto& [option, handler] : handlers)
        connect(option, &QAbstractButton::clicked, this, handler);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);

    // The keyboard starts at OK, so no option is chosen just by receiving the focus; then the
    // groups in reading order.
    QWidget* order[] = {Command1, Option4, Option5, Option6, Option7, Option2, Option3,
                        Option10, Option11, Option1, Option8, Option9};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    Command1->setFocus();

    Form_Load();
}

void Form4::Form_Load()
{
    retranslateUi();
    Form1* main = Form1::instance();
    if (main)
        main->Frame2->hide();

    imgBackGround->setGeometry(rect());
    imgBackGround->lower();
    imgBackGround->setPicture(main ? main->imgQuiz->picture() : QPixmap());
    for (ui::PictureImage* image : imgFrame)
        image->setPicture(imgBackGround->picture());
    // A long custom set's name, or a long word in another language, keeps to its strip whole.
    for (ui::PictureOption* option : {Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8,
                                      Option9, Option10, Option11})
        option->setFont(ui::fontToFit(optionFont(), option->text(), option->captionRect().width()));
    for (ui::PictureOption* option : {Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8,
                                      Option9, Option10, Option11})
        option->setPicture(imgBackGround->picture());
    Command1->setPicture(imgBackGround->picture());
}

void Form4::retranslateUi()
{
    setWindowTitle(tr("%1--Options").arg(ProgramTitle));
    Label1->setText(tr("Length of Game"));
    Option4->setText(tr(" 1 minute"));
    Option5->setText(tr(" 3 minutes"));
    Option6->setText(tr(" 5 minutes"));
    Option7->setText(tr("10 minutes"));
    Label2->setText(tr("Number of Symbols to Locate"));
    Option2->setText(tr("6 symbols"));
    Option3->setText(tr("12 symbols"));
    Label4->setText(tr("Level of Difficulty"));
    Option10->setText(tr("Regular Game"));
    Option11->setText(tr("Expert"));
    Label3->setText(tr("Symbols to Locate"));
    Option1->setText(tr("Use Provincial/Territorial Crests"));
    Option8->setText(tr("Use Floral Emblems"));
    // The set keeps the name of its list file; only the built-in name is translated.
    Option9->setText(tr("Use %1").arg(CustomSetName == QLatin1String("Custom Symbols") ? tr("Custom Symbols")
                                                                                        : CustomSetName));
    Command1->setText(tr("OK"));
}

void Form4::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void Form4::Option1_Click() { SymbolSetChoice = 0; }
void Form4::Option2_Click() { SymbolCount = 6; }
void Form4::Option3_Click() { SymbolCount = 12; }
void Form4::Option4_Click() { GameSeconds = 60; }
void Form4::Option5_Click() { GameSeconds = 180; }
void Form4::Option6_Click() { GameSeconds = 300; }
void Form4::Option7_Click() { GameSeconds = 600; }
void Form4::Option8_Click() { SymbolSetChoice = 13; }
void Form4::Option9_Click() { SymbolSetChoice = 26; }
void Form4::Option10_Click() { DifficultyLevel = 0; }
void Form4::Option11_Click() { DifficultyLevel = 1; }

void Form4::Command1_Click() { close(); }

void Form4::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}

void Form4::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the dialog as OK does: every choice is already made.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
