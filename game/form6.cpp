#include "game/form6.h"

#include "game/form1.h"
#include "game/state.h"
#include "ui/keyboard.h"
#include "ui/twips.h"

using ui::rectTw;

namespace {

QLabel* makeRowLabel(QWidget* parent, QRect geometry, Qt::Alignment alignment)
{
    QLabel* label = ui::plainLabel(new QLabel(QString(), parent), ui::gameFont());  // a name shows as typed
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

Form6::Form6(QWidget* parent) : QWidget(parent)
{
    // In front of the main window when it has one, but never blocking it.
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(rectTw(0, 0, 6795, 4305).size());
    ui::centreOver(this, parentWidget());

    imgBackGround = new ui::PictureImage(this);
    for (int k = 0; k < 15; ++k) {
        const int top = 120 + 240 * k;
        lblHighScores[k] = makeRowLabel(this, rectTw(720, top, 4215, 255), Qt::AlignLeft);
        lblScores[k] = makeRowLabel(this, rectTw(5040, top, 1095, 255), Qt::AlignRight);
    }
    Command1 = new ui::PictureButton(QString(), this);
    Command1->setGeometry(rectTw(2790, 3825, 1215, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    ui::closeOnEscape(this);
    retranslateUi();

    Form_Load();
}

void Form6::Form_Load()
{
    using namespace modValdra;
    retranslateUi();

    imgBackGround->setGeometry(rect());
    imgBackGround->lower();
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    imgBackGround->setPicture(picture);
    Command1->setPicture(picture);

    for (int k = 0; k < 15; ++k) {
        lblHighScores[k]->setText(HighScoreNames[k]);
        lblScores[k]->setText(QString::number(HighScoreValues[k]));
    }
}

void Form6::Command1_Click() { close(); }

void Form6::setScoresTitle(bool afterGame)
{
    m_afterGame = afterGame;
    retranslateUi();
}

void Form6::retranslateUi()
{
    using namespace modValdra;
    setWindowTitle(m_afterGame ? tr("%1 Scores--%2").arg(ProgramTitle, ScoreFile) : ProgramTitle + QStringLiteral("--") + ScoreFile);
    Command1->setText(tr("OK"));
}

void Form6::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void Form6::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}
