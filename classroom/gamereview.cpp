// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/gamereview.h"
#include "ui/picture.h"
#include "ui/announce.h"

#include "game/form1.h"
#include "game/regions.h"
#include "game/state.h"
#include "ui/keyboard.h"
#include "ui/zoom.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

using classroom::GameLog;

namespace {

QTableWidget* makeTable(QWidget* parent, int columns)
{
    auto* table = new QTableWidget(0, columns, parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->verticalHeader()->hide();
    table->setTabKeyNavigation(false);
    return table;
}

// The cell's text, in a new item or the one there (which keeps its colour and selection).
QTableWidgetItem* setCell(QTableWidget* table, int row, int column, const QString& text)
{
    QTableWidgetItem* cell = table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        table->setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setToolTip(text);
    return cell;
}

QLabel* heading(QWidget* buddy, QWidget* parent)
{
    QLabel* label = ui::plainLabel(new QLabel(parent), ui::gameFont());
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

} // namespace

GameReview::GameReview(const GameLog& log, QWidget* parent) : QWidget(parent), m_log(log)
{
    // In front of the main window, but never blocking it.
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setWindowFlag(Qt::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 580);

    imgBackGround = new ui::PictureImage(this);
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    imgBackGround->setPicture(picture);

    lblSummary = ui::plainLabel(new QLabel(this), ui::gameFont());
    lblSummary->setWordWrap(true);

    tblQuestions = makeTable(this, 5);
    tblSymbols = makeTable(this, 5);
    // Icons grow with the text they stand beside.
    const int icon = int(std::lround(IconSize * ui::applicationZoom()));
    tblSymbols->setIconSize(QSize(icon, icon));

    cmdPractise = new ui::PictureButton(QString(), this);
    cmdClose = new ui::PictureButton(QString(), this);
    for (ui::PictureButton* button : {cmdPractise, cmdClose}) {
        button->setPicture(picture);
        button->setDisabledPicture(picture);
        button->setMinimumHeight(30);
    }
    cmdPractise->setEnabled(!log.practiceQuestions().isEmpty());
    connect(cmdPractise, &QPushButton::clicked, this, &GameReview::practiseRequested);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    m_questionsHeading = heading(tblQuestions, this);
    m_symbolsHeading = heading(tblSymbols, this);
    layout->addWidget(m_questionsHeading);
    layout->addWidget(tblQuestions, 3);
    layout->addWidget(m_symbolsHeading);
    layout->addWidget(tblSymbols, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPractise);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    retranslateUi();
    ui::closeOnEscape(this);
    ui::centreOver(this, parentWidget());
    cmdClose->setFocus();
    // Said once the window shows, as a sighted pupil reads it first.
    QTimer::singleShot(0, this, [this] { ui::announce(this, lblSummary->text()); });
}

void GameReview::retranslateUi()
{
    setWindowTitle(modValdra::ProgramTitle + tr("--Game Review"));
    lblSummary->setText(summaryText(m_log));
    tblQuestions->setHorizontalHeaderLabels({tr("No."), tr("Question"), tr("First answer"), tr("Right answer"), tr("Mark")});
    tblSymbols->setHorizontalHeaderLabels({tr("Symbol"), tr("Region"), tr("Placed first"), tr("Tries"), tr("Where it belongs")});
    tblQuestions->setAccessibleName(tr("Questions"));
    tblSymbols->setAccessibleName(tr("Symbols"));
    m_questionsHeading->setText(tr("&Questions"));
    m_symbolsHeading->setText(tr("S&ymbols"));
    cmdPractise->setText(tr("&Practise Missed Questions"));
    cmdClose->setText(tr("&Close"));
    fillQuestions();
    fillSymbols();
}

void GameReview::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QString GameReview::summaryText(const GameLog& log)
{
    QStringList lines;
    switch (log.end()) {
    case classroom::GameEnd::TimeUp: lines << tr("Time is up."); break;
    case classroom::GameEnd::AllTurns: lines << tr("All turns played."); break;
    default: break;
    }
    if (log.setup().practice) {
        // Practice is about what was learnt, not points: no score, no time bonus.
        QStringList found;
        for (const classroom::DrawnSymbol& s : log.symbols())
            if (s.found)
                found << regions::displayName(s.region);
        lines << tr("%1 of %2 right the first time.").arg(log.rightFirstTime()).arg(log.questionsAnswered());
        lines << (found.isEmpty() ? tr("Symbols found: none.")
                                  : tr("Symbols found: %1.").arg(found.join(QStringLiteral(", "))));
        lines << tr("This was practice: it enters neither the high score list nor the class record.");
        return lines.join(QLatin1Char('\n'));
    }
    lines << tr("Your score: %1 = %2 for answers + %3 for placed symbols + %4 time bonus.")
                 .arg(log.finalScore())
                 .arg(log.answerPoints())
                 .arg(log.symbolPoints())
                 .arg(log.bonus());
    if (log.setup().practice) {
        lines << tr("This was practice: it enters neither the high score list nor the class record.");
    } else if (log.enteredHighScores()) {
        lines << tr("Your score entered the high score list.");
    } else {
        QString line = tr("Your score did not enter the high score list: its 15th entry holds %1.")
                           .arg(log.lastHighScore());
        if (log.rightFirstTime() < 5)
            line += QLatin1Char(' ') + tr("A score also needs at least 5 answers right the first time.");
        lines << line;
    }
    lines << tr("Right the first time: %1 of %2 questions. Symbols placed: %3 of %4.")
                 .arg(log.rightFirstTime())
                 .arg(log.questionsAnswered())
                 .arg(log.symbolsPlaced())
                 .arg(log.symbols().size());
    return lines.join(QLatin1Char('\n'));
}

void GameReview::fillQuestions()
{
    const QList<classroom::AskedQuestion>& questions = m_log.questions();
    tblQuestions->setRowCount(int(questions.size()));
    for (int r = 0; r < questions.size(); ++r) {
        const classroom::AskedQuestion& q = questions[r];
        setCell(tblQuestions, r, 0, QString::number(r + 1));
        setCell(tblQuestions, r, 1, q.question);
        setCell(tblQuestions, r, 2, q.answered ? q.firstAnswer : tr("(not answered)"));
        setCell(tblQuestions, r, 3, q.rightAnswer);
        // A word and a sign, so the mark never rests on colour alone.
        QTableWidgetItem* mark = setCell(tblQuestions, r, 4, !q.answered ? tr("-- not answered") : q.right ? tr("\u2714 right") : tr("\u2718 wrong"));
        if (q.answered)
            mark->setForeground(q.right ? QColor(0, 110, 0) : QColor(170, 0, 0));
    }
    QHeaderView* header = tblQuestions->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Interactive);
    header->setSectionResizeMode(3, QHeaderView::Interactive);
    header->setSectionResizeMode(4, QHeaderView::ResizeToContents);
    tblQuestions->setColumnWidth(2, 150);
    tblQuestions->setColumnWidth(3, 150);
    // (once the header has given the columns their widths)
    QTimer::singleShot(0, tblQuestions, &QTableView::resizeRowsToContents);
}

void GameReview::fillSymbols()
{
    const QList<classroom::DrawnSymbol>& symbols = m_log.symbols();
    tblSymbols->setRowCount(int(symbols.size()));
    for (int r = 0; r < symbols.size(); ++r) {
        const classroom::DrawnSymbol& s = symbols[r];
        if (!tblSymbols->item(r, 0)) {
            auto* picture = new QTableWidgetItem;
            const qreal ratio = devicePixelRatioF();
            QPixmap shown = QPixmap::fromImage(
                s.picture.scaled(tblSymbols->iconSize() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            shown.setDevicePixelRatio(ratio);
            picture->setIcon(shown);
            tblSymbols->setItem(r, 0, picture);
        }
        setCell(tblSymbols, r, 1, regions::displayName(s.region));
        QString place = s.tries == 0 ? tr("not placed")
            : s.firstPlace.isEmpty() ? tr("outside the map") : regions::displayName(s.firstPlace);
        if (s.tries > 0)
            place = (s.found && s.firstPlace == s.region ? tr("\u2714 ") : tr("\u2718 ")) + place;
        setCell(tblSymbols, r, 2, place);
        setCell(tblSymbols, r, 3, QString::number(s.tries));
        const int region = regions::indexOfName(s.region);
        if (s.tries > 0 && !(s.found && s.firstPlace == s.region) && region >= 0) {
            auto* map = qobject_cast<QLabel*>(tblSymbols->cellWidget(r, 4));
            if (!map) {
                // A small map with the region hatched, as the game's map showed it after the miss.
                if (!m_regionMap)
                    m_regionMap = std::make_unique<explore::RegionMap>(ui::builtInImage(QStringLiteral(":/map.bmp")));
                map = new QLabel(tblSymbols);
                map->setPixmap(QPixmap::fromImage(m_regionMap->missMap(region, QSize(166, 124))));
                map->setAlignment(Qt::AlignCenter);
                tblSymbols->setCellWidget(r, 4, map);
            }
            map->setAccessibleName(tr("Map: %1 hatched").arg(regions::displayName(region)));
            setCell(tblSymbols, r, 4, regions::displayName(region))->setForeground(Qt::transparent);
            tblSymbols->setRowHeight(r, 130);
        } else {
            tblSymbols->setRowHeight(r, 38);
        }
    }
    QHeaderView* header = tblSymbols->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(4, QHeaderView::Fixed);
    tblSymbols->setColumnWidth(4, 176);
}

void GameReview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    imgBackGround->setGeometry(rect());
    imgBackGround->lower();
    // Wrapped questions take the height their column's new width gives them.
    tblQuestions->resizeRowsToContents();
}

void GameReview::keyPressEvent(QKeyEvent* event)
{
    // Enter closes, as the default button would in a dialog; a focused button takes it first.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GameReview::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}
