// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classresultswindow.h"

#include "classroom/classresults.h"
#include "classroom/classroom.h"
#include "game/form1.h"
#include "game/state.h"
#include "ui/keyboard.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QCoreApplication>
#include <cmath>

using namespace classroom;

namespace {

enum Column { When, Name, QuestionFile, Minutes, Symbols, Difficulty, Score, Bonus, Asked, Right, Placed, Tries, Missed, Columns };

QString missedText(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

QTableWidgetItem* numberItem(double value, int decimals = 0)
{
    auto* cell = new QTableWidgetItem;
    // A number as the item's value, so the column sorts by it.
    cell->setData(Qt::DisplayRole, decimals == 0 ? QVariant(qint64(value)) : QVariant(std::round(value * 10) / 10));
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

QTableWidgetItem* textItem(const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setToolTip(text);
    return cell;
}

QTableWidget* makeTable(const QStringList& headings, QWidget* parent)
{
    auto* table = new QTableWidget(0, int(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->setTabKeyNavigation(false);
    return table;
}

} // namespace

namespace classroom {

void RecordModel::setRows(const QList<RecordRow>& rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int RecordModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }
int RecordModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

QVariant RecordModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const RecordRow& r = m_rows[index.row()];
    const int c = index.column();
    if (role == Qt::TextAlignmentRole)
        return c >= Minutes && c <= Tries && c != Difficulty ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::UserRole)
        return {};
    switch (c) {
    case When: return role == Qt::DisplayRole ? QString(r.when).replace(QLatin1Char('T'), QLatin1Char(' ')) : r.when;
    case Name: return r.name;
    case QuestionFile: return r.questionFile;
    case Minutes: return r.minutes;
    case Symbols: return r.symbols;
    case Difficulty:
        return r.difficulty == 1 ? QCoreApplication::translate("ClassResults", "expert")
                                 : QCoreApplication::translate("ClassResults", "regular");
    case Score: return r.score;
    case Bonus: return r.bonus;
    case Asked: return r.asked;
    case Right: return r.rightFirstTime;
    case Placed: return r.placed;
    case Tries: return r.tries;
    case Missed: return role == Qt::DisplayRole ? QVariant(missedText(r.missed)) : QVariant(int(r.missed.size()));
    default: return {};
    }
}

QVariant RecordModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const headings[Columns] = {
        QT_TRANSLATE_NOOP("ClassResults", "Date and time"), QT_TRANSLATE_NOOP("ClassResults", "Name"),
        QT_TRANSLATE_NOOP("ClassResults", "Question file"), QT_TRANSLATE_NOOP("ClassResults", "Minutes"),
        QT_TRANSLATE_NOOP("ClassResults", "Symbols"),      QT_TRANSLATE_NOOP("ClassResults", "Difficulty"),
        QT_TRANSLATE_NOOP("ClassResults", "Score"),        QT_TRANSLATE_NOOP("ClassResults", "Bonus"),
        QT_TRANSLATE_NOOP("ClassResults", "Asked"),        QT_TRANSLATE_NOOP("ClassResults", "Right first time"),
        QT_TRANSLATE_NOOP("ClassResults", "Placed"),       QT_TRANSLATE_NOOP("ClassResults", "Tries"),
        QT_TRANSLATE_NOOP("ClassResults", "Missed questions"),
    };
    return section >= 0 && section < Columns ? QCoreApplication::translate("ClassResults", headings[section]) : QVariant();
}

} // namespace classroom

ClassResults::ClassResults(Classroom* classroom, QWidget* parent) : QWidget(parent), m_classroom(classroom)
{
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setWindowFlag(Qt::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(modValdra::ProgramTitle + tr("--Class Results"));
    resize(860, 560);

    imgBackGround = new ui::PictureImage(this);
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    imgBackGround->setPicture(picture);

    lblStatus = ui::plainLabel(new QLabel(this), ui::gameFont());
    lblStatus->setWordWrap(true);
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    txtName = new QLineEdit(this);
    txtName->setClearButtonEnabled(true);
    txtName->setPlaceholderText(tr("every pupil"));
    cboQuestionFile = new QComboBox(this);
    auto* filters = new QHBoxLayout;
    QLabel* nameLabel = ui::plainLabel(new QLabel(tr("&Name:"), this), ui::gameFont());
    nameLabel->setBuddy(txtName);
    QLabel* fileLabel = ui::plainLabel(new QLabel(tr("Question &file:"), this), ui::gameFont());
    fileLabel->setBuddy(cboQuestionFile);
    filters->addWidget(nameLabel);
    filters->addWidget(txtName, 1);
    filters->addSpacing(12);
    filters->addWidget(fileLabel);
    filters->addWidget(cboQuestionFile, 1);

    m_model = new RecordModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    tblGames = new QTableView(this);
    tblGames->setModel(m_sorted);
    tblGames->setSortingEnabled(true);
    tblGames->sortByColumn(When, Qt::DescendingOrder);
    tblGames->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGames->verticalHeader()->hide();
    tblGames->setTabKeyNavigation(false);
    tblGames->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblGames->horizontalHeader()->setStretchLastSection(true);
    tblGames->setColumnWidth(When, 140);
    for (int c = Minutes; c <= Tries; ++c)
        tblGames->setColumnWidth(c, c == Difficulty ? 80 : 70);

    tblPupils = makeTable({tr("Name"), tr("Games"), tr("Best score"), tr("Mean score")}, this);
    tblPupils->setSortingEnabled(true);
    tblPupils->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto* missedPage = new QWidget(this);
    lblMissed = ui::plainLabel(new QLabel(missedPage), ui::gameFont());
    lblMissed->setWordWrap(true);
    tblMissed = makeTable({tr("No."), tr("Question"), tr("How often"), tr("Missed")}, missedPage);
    tblMissed->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tblMissed->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblMissed->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    auto* missedLayout = new QVBoxLayout(missedPage);
    missedLayout->addWidget(lblMissed);
    missedLayout->addWidget(tblMissed, 1);

    tblGames->setAccessibleName(tr("Games"));
    tblPupils->setAccessibleName(tr("Pupils"));
    tblMissed->setAccessibleName(tr("Most missed questions"));

    tabs = new QTabWidget(this);
    tabs->addTab(tblGames, tr("&Games"));
    tabs->addTab(tblPupils, tr("&Pupils"));
    tabs->addTab(missedPage, tr("&Most Missed Questions"));

    cmdClose = new ui::PictureButton(tr("&Close"), this);
    cmdClose->setPicture(picture);
    cmdClose->setMinimumSize(110, 30);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addLayout(filters);
    layout->addWidget(tabs, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(txtName, &QLineEdit::textChanged, this, &ClassResults::applyFilters);
    connect(cboQuestionFile, &QComboBox::currentIndexChanged, this, &ClassResults::applyFilters);
    ui::closeOnEscape(this);
    ui::centreOver(this, parentWidget());
    reload();
}

void ClassResults::reload()
{
    const QString file = modValdra::ResultsFile;
    const bool recordSet = !file.isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{txtName, cboQuestionFile, tabs})
        w->setEnabled(recordSet);
    if (!recordSet) {
        m_record = {};
        lblStatus->setText(tr("No class record is kept. To keep one, add this line to the settings file valdra.ini "
                              "in the play folder, then start the game again:\n\n"
                              "    Results: classresults.csv\n\n"
                              "Every game that comes to its end then adds a row to that file, with the pupil's name, "
                              "the score and the questions missed. Games on other computers can share the file "
                              "when the play folder is a shared folder."));
        applyFilters();
        return;
    }

    m_record = readRecordFile(file);
    QString status;
    if (!m_record.opened)
        status = tr("The class record %1 could not be read: %2").arg(file, m_record.error);
    else
        status = m_record.rows.size() == 1 ? tr("The class record %1 holds 1 game.").arg(file)
                                           : tr("The class record %1 holds %2 games.").arg(file).arg(m_record.rows.size());
    if (m_record.skipped == 1)
        status += QLatin1Char(' ') + tr("1 row could not be read and was skipped.");
    else if (m_record.skipped > 1)
        status += QLatin1Char(' ') + tr("%1 rows could not be read and were skipped.").arg(m_record.skipped);
    if (m_record.cutOff)
        status += QLatin1Char(' ') + tr("The file is very large: only its first %1 MB were read.")
                                         .arg(LargestRecord / (1024 * 1024));
    lblStatus->setText(status);

    // The question files the record knows, the current one first.
    const QString chosen = cboQuestionFile->currentData().toString();
    QStringList files{modValdra::QuizFile};
    for (const RecordRow& row : m_record.rows) {
        bool known = false;
        for (const QString& f : files)
            known = known || sameQuestionFile(f, row.questionFile);
        if (!known)
            files << row.questionFile;
    }
    {
        const QSignalBlocker block(cboQuestionFile);
        cboQuestionFile->clear();
        cboQuestionFile->addItem(tr("every question file"), QString());
        for (const QString& f : files)
            cboQuestionFile->addItem(f, f);
        const int again = chosen.isEmpty() ? 0 : cboQuestionFile->findData(chosen);
        cboQuestionFile->setCurrentIndex(std::max(again, 0));
    }
    applyFilters();
}

void ClassResults::applyFilters()
{
    const QList<RecordRow> rows = filterRows(m_record.rows, txtName->text(), cboQuestionFile->currentData().toString());
    m_model->setRows(rows);

    const QList<PupilSummary> pupils = pupilSummaries(rows);
    tblPupils->setSortingEnabled(false);
    tblPupils->setRowCount(int(pupils.size()));
    for (int r = 0; r < pupils.size(); ++r) {
        tblPupils->setItem(r, 0, textItem(pupils[r].name));
        tblPupils->setItem(r, 1, numberItem(pupils[r].games));
        tblPupils->setItem(r, 2, numberItem(double(pupils[r].best)));
        tblPupils->setItem(r, 3, numberItem(pupils[r].mean, 1));
    }
    tblPupils->setSortingEnabled(true);

    // The most-missed questions are those of the question file in use, whose texts we have.
    const QString current = modValdra::QuizFile;
    const QList<QuestionTally> tallies =
        mostMissed(filterRows(m_record.rows, txtName->text(), QString()), current, m_classroom->questionTexts());
    lblMissed->setText(tallies.isEmpty()
                           ? tr("No game with the question file %1 is in the record yet.").arg(current)
                           : tr("The questions of %1, the most missed first:").arg(current));
    tblMissed->setRowCount(int(tallies.size()));
    for (int r = 0; r < tallies.size(); ++r) {
        const QuestionTally& t = tallies[r];
        tblMissed->setItem(r, 0, numberItem(t.number));
        tblMissed->setItem(r, 1, textItem(t.text.isEmpty() ? tr("(not in the question file now)") : t.text));
        tblMissed->setItem(r, 2, textItem(tr("asked %1 times, missed %2").arg(t.asked).arg(t.missed)));
        tblMissed->setItem(r, 3, numberItem(t.missed));
    }
}

void ClassResults::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    imgBackGround->setGeometry(rect());
    imgBackGround->lower();
}

void ClassResults::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClassResults::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui::returnFocusTo(parentWidget());
}
