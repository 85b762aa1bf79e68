// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classresultswindow.h"

#include "classroom/classcharts.h"
#include "classroom/classresults.h"
#include "classroom/classroom.h"
#include "files/textfile.h"
#include "game/form1.h"
#include "game/state.h"
#include "ui/keyboard.h"
#include "ui/platform.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QCoreApplication>
#include <cmath>

using namespace classroom;

namespace {

enum Column { When, Name, QuestionFile, Minutes, Symbols, Difficulty, Score, Bonus, Asked, Right, Placed, Tries, Missed, Columns };

QString missedText(const RecordRow& r)
{
    if (!r.byNumber())
        return r.missedQuestions.join(QStringLiteral("; "));
    QStringList parts;
    for (int n : r.missed)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

int missedCount(const RecordRow& r) { return int(r.byNumber() ? r.missed.size() : r.missedQuestions.size()); }

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

QTableWidget* makeTable(int columns, QWidget* parent)
{
    auto* table = new QTableWidget(0, columns, parent);
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
    case Missed: return role == Qt::DisplayRole ? QVariant(missedText(r)) : QVariant(missedCount(r));
    default: return {};
    }
}

void RecordModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, Difficulty), index(int(m_rows.size()) - 1, Difficulty));
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

namespace {

// How long one slice of a big record reads before the window draws again, in milliseconds:
// the first view comes after the first slice, and the window answers between slices.
constexpr int FirstSliceMs = 250;
constexpr int SliceMs = 40;
constexpr int RowsPerStep = 2000;
// The questions the share-right chart shows.
constexpr int ChartedQuestions = 25;
// The first day the date filters offer; at it, a filter sets no bound.
const QDate NoBound(2000, 1, 1);

// "Any day" in the language in use, and room for it beside the popup's arrow.
void sayAnyDay(QDateEdit* edit)
{
    edit->setSpecialValueText(QCoreApplication::translate("ClassResults", "any day"));
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(std::max(metrics.horizontalAdvance(edit->specialValueText()),
                                   metrics.horizontalAdvance(QStringLiteral("0000-00-00")))
                          + 2 * metrics.height() + 12);
}

QDateEdit* dateEdit(QWidget* parent)
{
    auto* edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setMinimumDate(NoBound);
    edit->setDate(NoBound);
    return edit;
}

QChartView* chartView(QWidget* parent)
{
    auto* view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

void replaceChart(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

ClassResults::ClassResults(Classroom* classroom, QWidget* parent) : QWidget(parent), m_classroom(classroom)
{
    if (!parent && Form1::instance())
        setParent(Form1::instance(), Qt::Dialog);
    else
        setWindowFlag(Qt::Window);
    setWindowFlag(Qt::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(960, 640);

    imgBackGround = new ui::PictureImage(this);
    const QPixmap picture = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap();
    imgBackGround->setPicture(picture);

    lblStatus = ui::plainLabel(new QLabel(this), ui::gameFont());
    lblStatus->setWordWrap(true);
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    txtName = new QLineEdit(this);
    txtName->setClearButtonEnabled(true);
    cboQuestionFile = new QComboBox(this);
    dtFrom = dateEdit(this);
    dtTo = dateEdit(this);
    auto* filters = new QHBoxLayout;
    const auto labelFor = [](QWidget* buddy, QWidget* parent) {
        QLabel* label = ui::plainLabel(new QLabel(parent), ui::gameFont());
        label->setBuddy(buddy);
        return label;
    };
    m_nameLabel = labelFor(txtName, this);
    m_fileLabel = labelFor(cboQuestionFile, this);
    m_fromLabel = labelFor(dtFrom, this);
    m_toLabel = labelFor(dtTo, this);
    filters->addWidget(m_nameLabel);
    filters->addWidget(txtName, 1);
    filters->addSpacing(12);
    filters->addWidget(m_fileLabel);
    filters->addWidget(cboQuestionFile, 1);
    filters->addSpacing(12);
    filters->addWidget(m_fromLabel);
    filters->addWidget(dtFrom);
    filters->addWidget(m_toLabel);
    filters->addWidget(dtTo);

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

    tblPupils = makeTable(4, this);
    tblPupils->setSortingEnabled(true);
    tblPupils->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto* missedPage = new QWidget(this);
    lblMissed = ui::plainLabel(new QLabel(missedPage), ui::gameFont());
    lblMissed->setWordWrap(true);
    tblMissed = makeTable(5, missedPage);
    tblMissed->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tblMissed->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblMissed->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    tblMissed->horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
    auto* missedLayout = new QVBoxLayout(missedPage);
    missedLayout->addWidget(lblMissed);
    missedLayout->addWidget(tblMissed, 1);

    chartShare = chartView(this);

    auto* progressPage = new QWidget(this);
    cboPupil = new QComboBox(progressPage);
    cboPupil->setMinimumContentsLength(20);
    chartProgress = chartView(progressPage);
    auto* pupilRow = new QHBoxLayout;
    m_pupilLabel = labelFor(cboPupil, progressPage);
    pupilRow->addWidget(m_pupilLabel);
    pupilRow->addWidget(cboPupil);
    pupilRow->addStretch();
    auto* progressLayout = new QVBoxLayout(progressPage);
    progressLayout->addLayout(pupilRow);
    progressLayout->addWidget(chartProgress, 1);

    auto* gridPage = new QWidget(this);
    lblGrid = ui::plainLabel(new QLabel(gridPage), ui::gameFont());
    lblGrid->setWordWrap(true);
    tblGrid = new QTableWidget(gridPage);
    tblGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGrid->setTabKeyNavigation(false);
    tblGrid->horizontalHeader()->setDefaultSectionSize(44);
    auto* gridLayout = new QVBoxLayout(gridPage);
    gridLayout->addWidget(lblGrid);
    gridLayout->addWidget(tblGrid, 1);

    tabs = new QTabWidget(this);
    for (QWidget* page : {static_cast<QWidget*>(tblGames), static_cast<QWidget*>(tblPupils), missedPage,
                          static_cast<QWidget*>(chartShare), progressPage, gridPage})
        tabs->addTab(page, QString());

    cmdPdf = new ui::PictureButton(QString(), this);
    cmdPrint = new ui::PictureButton(QString(), this);
    cmdClose = new ui::PictureButton(QString(), this);
    for (ui::PictureButton* b : {cmdPdf, cmdPrint, cmdClose}) {
        b->setPicture(picture);
        b->setMinimumSize(110, 30);
    }
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdPdf, &QPushButton::clicked, this, &ClassResults::saveAsPdf);
    connect(cmdPrint, &QPushButton::clicked, this, &ClassResults::print);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addLayout(filters);
    layout->addWidget(tabs, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPdf);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(txtName, &QLineEdit::textChanged, this, &ClassResults::applyFilters);
    connect(cboQuestionFile, &QComboBox::currentIndexChanged, this, &ClassResults::applyFilters);
    connect(dtFrom, &QDateEdit::dateChanged, this, &ClassResults::applyFilters);
    connect(dtTo, &QDateEdit::dateChanged, this, &ClassResults::applyFilters);
    connect(cboPupil, &QComboBox::currentIndexChanged, this, &ClassResults::showProgress);
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &ClassResults::readSlice);
    retranslateUi();
    ui::closeOnEscape(this);
    ui::centreOver(this, parentWidget());
    reload();
}

void ClassResults::retranslateUi()
{
    setWindowTitle(modValdra::ProgramTitle + tr("--Class Results"));
    txtName->setPlaceholderText(tr("every pupil"));
    m_nameLabel->setText(tr("&Name:"));
    m_fileLabel->setText(tr("Question &file:"));
    m_fromLabel->setText(tr("Fr&om:"));
    m_toLabel->setText(tr("&To:"));
    m_pupilLabel->setText(tr("P&upil:"));
    for (QDateEdit* edit : {dtFrom, dtTo})
        sayAnyDay(edit);
    tblPupils->setHorizontalHeaderLabels({tr("Name"), tr("Games"), tr("Best score"), tr("Mean score")});
    tblMissed->setHorizontalHeaderLabels({tr("No."), tr("Question"), tr("How often"), tr("Missed"), tr("Right first time")});
    tblGames->setAccessibleName(tr("Games"));
    tblPupils->setAccessibleName(tr("Pupils"));
    tblMissed->setAccessibleName(tr("Most missed questions"));
    const QString tabTitles[] = {tr("&Games"), tr("P&upils"), tr("&Most Missed Questions"),
                                 tr("&Share Right"), tr("Progr&ess"), tr("Gr&id")};
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabText(i, tabTitles[i]);
    cmdPdf->setText(tr("Save as &PDF..."));
    cmdPrint->setText(tr("P&rint..."));
    cmdClose->setText(tr("&Close"));
}

void ClassResults::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_model) {
        retranslateUi();
        m_model->retranslate();
        fitGameColumns();
        if (cboQuestionFile->count() > 0)
            cboQuestionFile->setItemText(0, everyQuestionFile());
        showStatus();
        // The texts again from what was counted, the cursor where it was in each table.
        const QModelIndex missedAt = tblMissed->currentIndex();
        const QModelIndex gridAt = tblGrid->currentIndex();
        showCounted();
        tblMissed->setCurrentIndex(tblMissed->model()->index(missedAt.row(), missedAt.column()));
        tblGrid->setCurrentIndex(tblGrid->model()->index(gridAt.row(), gridAt.column()));
        showProgress();
    }
    QWidget::changeEvent(event);
}

int ClassResults::fitGameColumns()
{
    // Each column as wide as its heading with the sort mark, or as its widest cell in view,
    // whatever the language and the zoom.
    QHeaderView* header = tblGames->horizontalHeader();
    const QFontMetrics fm(header->font());
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header)
        + fm.horizontalAdvance(QLatin1Char(' ')) * 4;
    const int last = m_sorted->columnCount() - 1;
    int needed = 0;
    for (int c = 0; c <= last; ++c) {
        const int heading = fm.horizontalAdvance(m_sorted->headerData(c, Qt::Horizontal).toString()) + mark;
        // The last column (the missed questions, a long list) takes the room that is left.
        const int cells = c == last ? 0 : static_cast<const QAbstractItemView*>(tblGames)->sizeHintForColumn(c);
        header->resizeSection(c, std::max(heading, cells));
        needed += std::max(heading, cells);
    }
    return needed;
}

RowFilter ClassResults::filter() const
{
    RowFilter f;
    f.name = txtName->text();
    f.questionFile = cboQuestionFile->currentData().toString();
    f.from = dtFrom->date() > NoBound ? dtFrom->date() : QDate();
    f.to = dtTo->date() > NoBound ? dtTo->date() : QDate();
    return f;
}

QString ClassResults::questionFileCounted() const
{
    // The questions counted are those of the question file in use, whose texts we have.
    return modValdra::QuizFile;
}

void ClassResults::reload()
{
    const QString file = modValdra::ResultsFile;
    m_recordKept = !file.isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{txtName, cboQuestionFile, dtFrom, dtTo, tabs, cmdPdf, cmdPrint})
        w->setEnabled(m_recordKept);
    m_slices.stop();
    m_reader.reset();
    m_record = {};
    if (!m_recordKept) {
        showStatus();
        applyFilters();
        return;
    }
    m_reader = std::make_unique<RecordReader>(file);
    // The first slice is read at once, so a record of a few thousand games shows whole.
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && clock.elapsed() < FirstSliceMs)
        more = m_reader->read(m_record, RowsPerStep);
    if (!more)
        m_reader.reset();
    else
        m_slices.start();
    fillQuestionFiles();
    showStatus();
    applyFilters();
}

void ClassResults::readSlice()
{
    if (!m_reader) {
        m_slices.stop();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && clock.elapsed() < SliceMs)
        more = m_reader->read(m_record, RowsPerStep);
    if (more) {
        showStatus();
        return;
    }
    m_slices.stop();
    m_reader.reset();
    fillQuestionFiles();
    showStatus();
    applyFilters();
}

void ClassResults::finishReading()
{
    if (!m_reader)
        return;
    while (m_reader->read(m_record, 1 << 20)) {
    }
    m_slices.stop();
    m_reader.reset();
    fillQuestionFiles();
    showStatus();
    applyFilters();
}

void ClassResults::showStatus()
{
    if (!m_recordKept) {
        lblStatus->setText(tr("No class record is kept. To keep one, add this line to the settings file valdra.ini "
                              "in the play folder, then start the game again:\n\n"
                              "    Results: classresults.csv\n\n"
                              "Every game that comes to its end then adds a row to that file, with the pupil's name, "
                              "the score and the questions missed. Games on other computers can share the file "
                              "when the play folder is a shared folder."));
        return;
    }
    const QString file = modValdra::ResultsFile;
    QString status;
    if (!m_record.opened)
        status = tr("The class record %1 could not be read: %2").arg(file, m_record.error);
    else if (m_reader)
        status = tr("Reading the class record %1: %2 games so far (%3 %)...")
                     .arg(file)
                     .arg(m_record.rows.size())
                     .arg(qRound(m_reader->progress() * 100));
    else
        status = m_record.rows.size() == 1 ? tr("The class record %1 holds 1 game.").arg(file)
                                           : tr("The class record %1 holds %2 games.").arg(file).arg(m_record.rows.size());
    QStringList rows;
    for (int line : m_record.skippedLines)
        rows << QString::number(line);
    if (m_record.skipped > m_record.skippedLines.size())
        rows << tr("%1 more").arg(m_record.skipped - m_record.skippedLines.size());
    if (m_record.skipped == 1)
        status += QLatin1Char(' ') + tr("Row %1 could not be read and was skipped.").arg(rows.join(QStringLiteral(", ")));
    else if (m_record.skipped > 1)
        status += QLatin1Char(' ') + tr("%1 rows could not be read and were skipped: rows %2.")
                                         .arg(m_record.skipped)
                                         .arg(rows.join(QStringLiteral(", ")));
    if (m_record.cutOff)
        status += QLatin1Char(' ') + tr("The file is larger than the window reads (%1 MB): reading stopped after row %2.")
                                         .arg(LargestRecord / (1024 * 1024))
                                         .arg(m_record.lastLine);
    if (m_record.mixedEncodings())
        status += QLatin1Char(' ') + tr("The file mixes two encodings (UTF-8 from row %1, Windows-1252 from row %2), so a "
                                        "spreadsheet shows some names wrongly. To mend it, open it in a spreadsheet and save it "
                                        "as CSV with the character set UTF-8.")
                                         .arg(m_record.firstUtf8Line)
                                         .arg(m_record.firstWindows1252Line);
    lblStatus->setText(status);
}

QString ClassResults::everyQuestionFile() { return tr("every question file"); }

void ClassResults::fillQuestionFiles()
{
    // The question files the record knows, the current one first.
    const QString chosen = cboQuestionFile->currentData().toString();
    QStringList files{modValdra::QuizFile};
    for (const RecordRow& row : m_record.rows) {
        if (sameQuestionFile(files.last(), row.questionFile))
            continue;
        bool known = false;
        for (const QString& f : files)
            known = known || sameQuestionFile(f, row.questionFile);
        if (!known)
            files << row.questionFile;
    }
    const QSignalBlocker block(cboQuestionFile);
    cboQuestionFile->clear();
    cboQuestionFile->addItem(everyQuestionFile(), QString());
    for (const QString& f : files)
        cboQuestionFile->addItem(f, f);
    const int again = chosen.isEmpty() ? 0 : cboQuestionFile->findData(chosen);
    cboQuestionFile->setCurrentIndex(std::max(again, 0));
}

void ClassResults::applyFilters()
{
    const RowFilter f = filter();
    m_shown = filterRows(m_record.rows, f);
    m_model->setRows(m_shown);
    // Once there are games to measure; after that the widths are the teacher's to change.
    if (!m_columnsFitted && !m_shown.isEmpty()) {
        m_columnsFitted = true;
        const int needed = fitGameColumns();
        // Just opened: once laid out, wide enough for every column where the screen has room.
        QTimer::singleShot(0, this, [this, needed] {
            const int missing = needed - tblGames->viewport()->width();
            if (missing > 0 && screen()) {
                resize(std::min(width() + missing + 4, screen()->availableGeometry().width()), height());
                ui::centreOver(this, parentWidget());
            }
        });
    }

    const QList<PupilSummary> pupils = pupilSummaries(m_shown);
    tblPupils->setSortingEnabled(false);
    tblPupils->setRowCount(int(pupils.size()));
    for (int r = 0; r < pupils.size(); ++r) {
        tblPupils->setItem(r, 0, textItem(pupils[r].name));
        tblPupils->setItem(r, 1, numberItem(pupils[r].games));
        tblPupils->setItem(r, 2, numberItem(double(pupils[r].best)));
        tblPupils->setItem(r, 3, numberItem(pupils[r].mean, 1));
    }
    tblPupils->setSortingEnabled(true);

    // The questions counted are those of the question file in use, whatever file is picked.
    RowFilter anyFile = f;
    anyFile.questionFile.clear();
    const QList<RecordRow> counted = filterRows(m_record.rows, anyFile);
    m_countedFile = questionFileCounted();
    const QStringList& texts = m_classroom->questionTexts();
    m_tallies = mostMissed(counted, m_countedFile, texts);
    m_numbered = gamesByNumber(counted, m_countedFile);
    m_grid = questionGrid(counted, m_countedFile, texts);
    showCounted();

    // The pupils of the games shown, for the progress chart; the one picked stays picked.
    const QString picked = cboPupil->currentText();
    {
        const QSignalBlocker block(cboPupil);
        cboPupil->clear();
        for (const PupilSummary& p : pupils)
            cboPupil->addItem(p.name);
        cboPupil->setCurrentIndex(std::max(0, cboPupil->findText(picked)));
    }
    showProgress();
}

void ClassResults::showCounted()
{
    const QString& current = m_countedFile;
    const QList<QuestionTally>& tallies = m_tallies;
    QString heading = tallies.isEmpty() ? tr("No game with the question file %1 is in the record yet.").arg(current)
                                        : tr("The questions of %1, the most missed first:").arg(current);
    if (m_numbered > 0)
        heading += QLatin1Char('\n') + tr("%1 games were recorded by question number: their numbers are matched against "
                                          "the question file as it is now, and may no longer match if it was edited "
                                          "since (marked *).")
                                           .arg(m_numbered);
    lblMissed->setText(heading);
    tblMissed->setSortingEnabled(false);
    tblMissed->setRowCount(int(tallies.size()));
    for (int r = 0; r < tallies.size(); ++r) {
        const QuestionTally& t = tallies[r];
        QString text = t.text.isEmpty() ? tr("(not in the question file now)") : t.text;
        if (t.byNumber)
            text += QStringLiteral(" *");
        tblMissed->setItem(r, 0, t.number > 0 ? numberItem(t.number) : textItem(QString()));
        tblMissed->setItem(r, 1, textItem(text));
        tblMissed->setItem(r, 2, textItem(tr("asked %1 times, missed %2").arg(t.asked).arg(t.missed)));
        tblMissed->setItem(r, 3, numberItem(t.missed));
        tblMissed->setItem(r, 4, textItem(QStringLiteral("%1 %").arg(qRound(t.shareRight() * 100))));
        tblMissed->item(r, 4)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    replaceChart(chartShare, shareRightChart(hardestFirst(tallies), ChartedQuestions, font()));

    // Each pupil against each question, marked by sign as well as colour.
    const QuestionGrid& grid = m_grid;
    lblGrid->setText(grid.questions.isEmpty()
                         ? tr("No game with the question file %1 is in the record yet.").arg(current)
                         : tr("Each pupil's last answer to each question of %1: \u2714 right the first time, \u2718 wrong, "
                              "\u2013 not asked. The columns go from the most missed question; point at a heading to "
                              "read the question.")
                               .arg(current));
    tblGrid->clear();
    tblGrid->setRowCount(int(grid.pupils.size()));
    tblGrid->setColumnCount(int(grid.questions.size()));
    tblGrid->setVerticalHeaderLabels(grid.pupils);
    for (int c = 0; c < grid.questions.size(); ++c) {
        auto* heading = new QTableWidgetItem(QString::number(c + 1));
        heading->setToolTip(grid.questions[c]);
        tblGrid->setHorizontalHeaderItem(c, heading);
    }
    for (int r = 0; r < grid.pupils.size(); ++r) {
        for (int c = 0; c < grid.questions.size(); ++c) {
            const Mark mark = grid.marks[r][c];
            auto* cell = new QTableWidgetItem(mark == Mark::Right ? QStringLiteral("\u2714")
                                              : mark == Mark::Wrong ? QStringLiteral("\u2718")
                                                                    : QStringLiteral("\u2013"));
            cell->setTextAlignment(Qt::AlignCenter);
            const QString said = mark == Mark::Right ? tr("right") : mark == Mark::Wrong ? tr("wrong") : tr("not asked");
            cell->setToolTip(QStringLiteral("%1: %2\n%3").arg(grid.pupils[r], said, grid.questions[c]));
            cell->setData(Qt::AccessibleTextRole, said);
            if (mark != Mark::NotAsked)
                cell->setBackground(mark == Mark::Right ? QColor(0xCC, 0xE3, 0xF2) : QColor(0xF7, 0xD9, 0xC4));
            tblGrid->setItem(r, c, cell);
        }
    }
}

void ClassResults::showProgress()
{
    replaceChart(chartProgress, progressChart(progressOf(m_shown, cboPupil->currentText()), font()));
}

ReportInput ClassResults::reportInput() const
{
    ReportInput in;
    in.recordFile = modValdra::ResultsFile;
    const RowFilter f = filter();
    QStringList said;
    said << (f.name.trimmed().isEmpty() ? tr("every pupil") : tr("names holding \"%1\"").arg(f.name.trimmed()));
    said << (f.questionFile.isEmpty() ? tr("every question file") : f.questionFile);
    if (f.from.isValid() || f.to.isValid())
        said << tr("from %1 to %2")
                    .arg(f.from.isValid() ? f.from.toString(Qt::ISODate) : tr("the first game"),
                         f.to.isValid() ? f.to.toString(Qt::ISODate) : tr("the last game"));
    in.filters = said.join(QStringLiteral(", "));
    in.rows = m_shown;
    in.questionFile = questionFileCounted();
    in.questionTexts = m_classroom->questionTexts();
    in.made = ui::platform().currentDateTime().toLocalTime();
    return in;
}

bool ClassResults::savePdf(const QString& fileName, QString* error)
{
    finishReading();
    return writeReportPdf(reportInput(), fileName, error);
}

void ClassResults::saveAsPdf()
{
    ui::FileDialogRequest request{tr("PDF documents (*.pdf)|*.pdf"), 1, QStringLiteral("*.pdf"), QStringLiteral("pdf")};
    QString chosen = ui::platform().saveFileName(this, request);
    if (chosen.isEmpty() || chosen == request.fileName)
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".pdf");
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = savePdf(chosen, &error);
    QApplication::restoreOverrideCursor();
    if (!ok)
        ui::platform().messageBox(this, ui::saveFailedMessage(tr("The report"), chosen, error), modValdra::ProgramTitle);
}

void ClassResults::print()
{
    finishReading();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(pageSizeFor(QLocale::system())));
    printer.setDocName(tr("Class report"));
    auto* dialog = new QPrintDialog(&printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    const int answer = ui::platform().runModal(dialog);
    delete dialog;
    if (answer != QDialog::Accepted)
        return;
    if (!paintReport(reportInput(), printer))
        ui::platform().messageBox(this, tr("The report could not be printed on %1.").arg(printer.printerName()),
                                  modValdra::ProgramTitle);
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
