// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form6.h"

#include "game/form1.h"
#include "game/state.h"
#include "ui/keyboard.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "ui/zoom.h"

using ui::rectTw;

namespace {

QLabel* makeRowLabel(QWidget* parent, QRect geometry, Qt::Alignment alignment, const ui::PictureImage* backdrop)
{
    auto* label = new ui::CaptionLabel(QString(), parent);
    label->setBackdrop(backdrop);
    ui::plainLabel(label, ui::gameFont());  // a name shows as typed
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
    // A light band behind the entry just made.
    m_mark = new QWidget(this);
    m_mark->setAutoFillBackground(true);
    QPalette band = m_mark->palette();
    band.setColor(QPalette::Window, QColor(255, 236, 140, 200));
    m_mark->setPalette(band);
    m_mark->hide();
    for (int k = 0; k < 15; ++k) {
        const int top = 120 + 240 * k;
        lblRanks[k] = makeRowLabel(this, rectTw(120, top, 540, 255), Qt::AlignRight, imgBackGround);
        lblRanks[k]->setText(tr("%1.").arg(k + 1));
        lblHighScores[k] = makeRowLabel(this, rectTw(720, top, 4215, 255), Qt::AlignLeft, imgBackGround);
        lblScores[k] = makeRowLabel(this, rectTw(5040, top, 1095, 255), Qt::AlignRight, imgBackGround);
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
        // An entry never filled (no name, no score) stays blank rather than a column of noughts.
        const bool neverFilled = HighScoreNames[k].trimmed().isEmpty() && HighScoreValues[k] == 0;
        lblScores[k]->setText(neverFilled ? QString() : QString::number(HighScoreValues[k]));
    }
    markEntry(-1);
}

void Form6::markEntry(int k)
{
    m_marked = (k >= 0 && k < 15) ? k : -1;
    for (int i = 0; i < 15; ++i) {
        QFont font = lblHighScores[i]->font();
        font.setUnderline(i == m_marked);
        for (QLabel* label : {lblRanks[i], lblHighScores[i], lblScores[i]})
            label->setFont(font);
    }
    nameRows();
    if (m_marked < 0) {
        m_mark->hide();
        return;
    }
    m_mark->setGeometry(ui::atZoom(rectTw(60, 120 + 240 * m_marked - 15, 6135, 285)));
    m_mark->stackUnder(lblRanks[0]);
    m_mark->show();
}

void Form6::nameRows()
{
    // The rows are pictures of text to a screen reader; the button that has the focus carries
    // them, read when the window opens.
    QStringList rows;
    for (int k = 0; k < 15; ++k)
        if (!lblScores[k]->text().isEmpty())
            rows << (k == m_marked ? tr("%1 %2 %3, your entry").arg(lblRanks[k]->text(), lblHighScores[k]->text(), lblScores[k]->text())
                                   : tr("%1 %2 %3").arg(lblRanks[k]->text(), lblHighScores[k]->text(), lblScores[k]->text()));
    Command1->setAccessibleDescription(rows.isEmpty() ? tr("The high score list is empty.")
                                                      : tr("High scores: %1.").arg(rows.join(QStringLiteral("; "))));
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
    // The list is a window of its own: give the keyboard back to where play goes on in the
    // main window (Begin, after a game), so Tab and Enter never land on Exit.
    Form1* main = Form1::instance();
    ui::returnFocusTo(main);
    if (main && modValdra::ClockRunning == 0)
        main->btnBegin->setFocus(Qt::OtherFocusReason);
    else if (main)
        main->placeKeyboardFocus();
}
