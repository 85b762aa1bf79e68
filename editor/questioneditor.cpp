// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/questioneditor.h"
#include "ui/picture.h"

#include "checker/textscan.h"
#include "editor/csv.h"
#include "editor/preview.h"
#include "game/state.h"
#include "ui/platform.h"
#include "files/textfile.h"

#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

namespace editor {

// ---- Undo commands ----

// A step named in the language in use; named again when the language changes.
class EditorCommand : public QUndoCommand {
public:
    explicit EditorCommand(const char* name) : m_name(name) { retranslate(); }
    void retranslate() { setText(QuestionEditor::tr(m_name)); }

private:
    const char* m_name;
};

class FieldCommand : public EditorCommand {
public:
    FieldCommand(QuestionEditor* editor, int row, int field, QString before, QString after, int run)
        : EditorCommand(QT_TRANSLATE_NOOP("editor::QuestionEditor", "typing")), m_editor(editor), m_row(row),
          m_field(field), m_before(std::move(before)), m_after(std::move(after)), m_run(run)
    {
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const FieldCommand*>(other);
        if (next->m_row != m_row || next->m_field != m_field || next->m_run != m_run)
            return false;
        m_after = next->m_after;
        return true;
    }
    void undo() override { m_editor->applyField(m_row, m_field, m_before); }
    void redo() override { m_editor->applyField(m_row, m_field, m_after); }

private:
    QuestionEditor* m_editor;
    int m_row, m_field;
    QString m_before, m_after;
    int m_run;
};

class ListCommand : public EditorCommand {
public:
    ListCommand(QuestionEditor* editor, Questions before, int rowBefore, QString fileBefore, Questions after, int rowAfter,
        QString fileAfter, const char* name)
        : EditorCommand(name), m_editor(editor), m_before(std::move(before)), m_after(std::move(after)),
          m_rowBefore(rowBefore), m_rowAfter(rowAfter), m_fileBefore(std::move(fileBefore)), m_fileAfter(std::move(fileAfter))
    {
    }
    void undo() override { m_editor->applyList(m_before, m_rowBefore, m_fileBefore); }
    void redo() override { m_editor->applyList(m_after, m_rowAfter, m_fileAfter); }

private:
    QuestionEditor* m_editor;
    Questions m_before, m_after;
    int m_rowBefore, m_rowAfter;
    QString m_fileBefore, m_fileAfter;
};

// ---- Marks and the list ----

UnsavedPrompt& unsavedPrompt()
{
    static UnsavedPrompt prompt = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Warning, modValdra::ProgramTitle + QuestionEditor::tr("--Question Editor"), text,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save: return UnsavedChoice::Save;
        case QMessageBox::Discard: return UnsavedChoice::Discard;
        default: return UnsavedChoice::Cancel;
        }
    };
    return prompt;
}

QIcon markIcon(Mark mark)
{
    // A round mark, a triangle and a square: told apart without their colours.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    const QRectF box(3, 3, 26, 26);
    switch (mark) {
    case Mark::Fine:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 114, 178));
        p.drawEllipse(box);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 16), QPointF(14, 21), QPointF(23, 10)}));
        break;
    case Mark::Warning: {
        QPainterPath triangle;
        triangle.moveTo(16, 2);
        triangle.lineTo(30, 29);
        triangle.lineTo(2, 29);
        triangle.closeSubpath();
        p.fillPath(triangle, QColor(230, 159, 0));
        p.setPen(Qt::black);
        p.drawText(QRectF(2, 8, 28, 22), Qt::AlignCenter, QStringLiteral("!"));
        break;
    }
    case Mark::Problem:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(213, 94, 0));
        p.drawRect(box);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    }
    // The same mark on a selected row: a greyed one would lose its colour cue.
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

QString markName(Mark mark)
{
    switch (mark) {
    case Mark::Fine: return QuestionEditor::tr("fine");
    case Mark::Warning: return QuestionEditor::tr("warning");
    case Mark::Problem: return QuestionEditor::tr("problem");
    }
    return QString();
}

int QuestionListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_questions.size()); }

QVariant QuestionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_questions.size())
        return QVariant();
    const int row = index.row();
    const Mark mark = row < m_checked.marks.size() ? m_checked.marks[row] : Mark::Fine;
    const QString text = m_questions[row].text.isEmpty() ? QuestionEditor::tr("(no question yet)") : m_questions[row].text;
    switch (role) {
    case Qt::DisplayRole: return QStringLiteral("%1. %2").arg(row + 1).arg(text);
    case Qt::DecorationRole: {
        static const QIcon icons[] = {markIcon(Mark::Fine), markIcon(Mark::Warning), markIcon(Mark::Problem)};
        return icons[int(mark)];
    }
    case Qt::ToolTipRole: return markName(mark);
    case Qt::AccessibleTextRole: return QStringLiteral("%1. %2, %3").arg(row + 1).arg(text, markName(mark));
    default: return QVariant();
    }
}

void QuestionListModel::changedAll()
{
    if (!m_questions.isEmpty())
        emit dataChanged(index(0), index(int(m_questions.size()) - 1));
}

// ---- The window ----

namespace {

QString title() { return modValdra::ProgramTitle + QuestionEditor::tr("--Question Editor"); }

const QString QuestionFilter = QStringLiteral("Question files (*.qtn)|*.qtn|Question files (*.dat)|*.dat");
const QString CsvFilter = QStringLiteral("CSV files (*.csv)|*.csv|Text files (*.txt)|*.txt");

QString fieldCaption(int f)
{
    switch (f) {
    case 0: return QuestionEditor::tr("&Question:");
    case 1: return QuestionEditor::tr("&Right answer:");
    default: return QuestionEditor::tr("Wrong answer &%1:").arg(f - 1);
    }
}

QString fieldName(int f)
{
    switch (f) {
    case 0: return QuestionEditor::tr("Question");
    case 1: return QuestionEditor::tr("Right answer");
    default: return QuestionEditor::tr("Wrong answer %1").arg(f - 1);
    }
}

} // namespace

QuestionEditor::QuestionEditor(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ui::gameIcon());
    undoStack = new QUndoStack(this);
    m_model = new QuestionListModel(m_questions, m_checked, this);
    buildWindow();
    buildMenus();
    retranslateUi();
    connect(undoStack, &QUndoStack::cleanChanged, this, [this] { showFileName(); });
    recheck();
    showCurrent();
    showFileName();
    resize(900, 560);
}

void QuestionEditor::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    QMenu* file = m_fileMenu;
    // No shortcut: Ctrl+N adds a question, as it always has here.
    actNew = file->addAction(QString(), this, &QuestionEditor::newFile);
    actOpen = file->addAction(QString(), this, &QuestionEditor::openWithDialog);
    actOpen->setShortcut(QKeySequence::Open);
    actSave = file->addAction(QString(), this, &QuestionEditor::save);
    actSave->setShortcut(QKeySequence::Save);
    actSaveAs = file->addAction(QString(), this, &QuestionEditor::saveAs);
    actSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    actImport = file->addAction(QString(), this, [this] { importWithDialog(ImportPlace::Replace); });
    actImportAdd = file->addAction(QString(), this, [this] { importWithDialog(ImportPlace::AfterSelection); });
    actExport = file->addAction(QString(), this, &QuestionEditor::exportWithDialog);
    file->addSeparator();
    actClose = file->addAction(QString(), this, &QWidget::close);
    actClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    m_editMenu = menuBar()->addMenu(QString());
    QMenu* edit = m_editMenu;
    // The stack's own undo actions keep the words of the language they were made in.
    actUndo = new QAction(this);
    actRedo = new QAction(this);
    actUndo->setEnabled(undoStack->canUndo());
    actRedo->setEnabled(undoStack->canRedo());
    connect(actUndo, &QAction::triggered, undoStack, &QUndoStack::undo);
    connect(actRedo, &QAction::triggered, undoStack, &QUndoStack::redo);
    connect(undoStack, &QUndoStack::canUndoChanged, actUndo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::canRedoChanged, actRedo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::undoTextChanged, this, &QuestionEditor::nameUndoSteps);
    connect(undoStack, &QUndoStack::redoTextChanged, this, &QuestionEditor::nameUndoSteps);
    actUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The window's undo wins over a field's own, so that Ctrl+Z walks back every change in order.
    for (QAction* a : {actUndo, actRedo})
        a->setShortcutContext(Qt::WindowShortcut);
    edit->addAction(actUndo);
    edit->addAction(actRedo);
    edit->addSeparator();
    actAdd = edit->addAction(QString(), this, &QuestionEditor::addQuestion);
    actAdd->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actDuplicate = edit->addAction(QString(), this, &QuestionEditor::duplicateQuestion);
    actDuplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actDelete = edit->addAction(QString(), this, &QuestionEditor::deleteQuestion);
    actDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    actUp = edit->addAction(QString(), this, &QuestionEditor::moveUp);
    actUp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    actDown = edit->addAction(QString(), this, &QuestionEditor::moveDown);
    actDown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    edit->addSeparator();
    actFind = edit->addAction(QString(), this, [this] {
        findBar->show();
        findBox->setFocus();
        findBox->selectAll();
    });
    actFind->setShortcut(QKeySequence::Find);
    actFindNext = edit->addAction(QString(), this, [this] {
        if (!findBox->text().isEmpty())
            findNext(findBox->text());
    });
    actFindNext->setShortcut(QKeySequence::FindNext);
    actPaste = edit->addAction(QString(), this, [this] { pasteCells(QApplication::clipboard()->text()); });
    // In the list, Delete deletes the question and Ctrl+V pastes cells; in a field they edit text.
    auto* listDelete = new QAction(this);
    listDelete->setShortcut(QKeySequence::Delete);
    listDelete->setShortcutContext(Qt::WidgetShortcut);
    connect(listDelete, &QAction::triggered, this, &QuestionEditor::deleteQuestion);
    list->addAction(listDelete);
    auto* listPaste = new QAction(this);
    listPaste->setShortcut(QKeySequence::Paste);
    listPaste->setShortcutContext(Qt::WidgetShortcut);
    connect(listPaste, &QAction::triggered, actPaste, &QAction::trigger);
    list->addAction(listPaste);
}

QuestionEditor::~QuestionEditor()
{
    // The children go after this class's part of the window (the fields lose the focus, the undo
    // stack is cleared), and must not call back into an editor that is half taken down.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
        child->removeEventFilter(this);
    }
}

void QuestionEditor::buildWindow()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);

    // Find, shown by Ctrl+F.
    findBar = new QWidget(central);
    auto* findLayout = new QHBoxLayout(findBar);
    findLayout->setContentsMargins(0, 0, 0, 0);
    m_findLabel = new QLabel(findBar);
    findBox = new QLineEdit(findBar);
    m_findLabel->setBuddy(findBox);
    m_findButton = new QPushButton(findBar);
    m_findClose = new QPushButton(findBar);
    findLayout->addWidget(m_findLabel);
    findLayout->addWidget(findBox, 1);
    findLayout->addWidget(m_findButton);
    findLayout->addWidget(m_findClose);
    connect(findBox, &QLineEdit::returnPressed, this, [this] { findNext(findBox->text()); });
    connect(m_findButton, &QPushButton::clicked, this, [this] { findNext(findBox->text()); });
    connect(m_findClose, &QPushButton::clicked, findBar, &QWidget::hide);
    auto* findEscape = new QAction(findBar);
    findEscape->setShortcut(QKeySequence(Qt::Key_Escape));
    findEscape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(findEscape, &QAction::triggered, this, [this] {
        findBar->hide();
        list->setFocus();
    });
    findBar->addAction(findEscape);
    findBar->hide();
    outer->addWidget(findBar);

    auto* splitter = new QSplitter(central);
    outer->addWidget(splitter, 1);

    // Left: the questions and what to do with them.
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    list = new QListView(left);
    list->setModel(m_model);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setIconSize(QSize(16, 16));
    leftLayout->addWidget(list, 1);
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && current.row() != m_row) {
            m_row = current.row();
            ++m_typingRun;
            showCurrent();
        }
    });
    auto* rowButtons = new QHBoxLayout;
    for (QPushButton** b : {&btnAdd, &btnDuplicate, &btnDelete, &btnUp, &btnDown}) {
        *b = new QPushButton(left);
        rowButtons->addWidget(*b);
    }
    leftLayout->addLayout(rowButtons);
    connect(btnAdd, &QPushButton::clicked, this, &QuestionEditor::addQuestion);
    connect(btnDuplicate, &QPushButton::clicked, this, &QuestionEditor::duplicateQuestion);
    connect(btnDelete, &QPushButton::clicked, this, &QuestionEditor::deleteQuestion);
    connect(btnUp, &QPushButton::clicked, this, &QuestionEditor::moveUp);
    connect(btnDown, &QPushButton::clicked, this, &QuestionEditor::moveDown);
    countLabel = new QLabel(left);
    countLabel->setWordWrap(true);
    leftLayout->addWidget(countLabel);

    // Right: the selected question and what the checker says of it.
    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    for (int f = 0; f < FieldCount; ++f) {
        auto* box = new QLineEdit(right);
        auto* label = new QLabel(right);
        label->setBuddy(box);
        form->addRow(label, box);
        fields[size_t(f)] = box;
        m_fieldLabels[size_t(f)] = label;
        connect(box, &QLineEdit::textEdited, this, [this, f](const QString& text) { fieldEdited(f, text); });
        connect(box, &QLineEdit::editingFinished, this, [this] { ++m_typingRun; });
        box->installEventFilter(this);
    }
    rightLayout->addLayout(form);
    m_findingsTitle = new QLabel(right);
    rightLayout->addWidget(m_findingsTitle);
    findingsList = new QListWidget(right);
    findingsList->setWordWrap(true);
    findingsList->setFocusPolicy(Qt::TabFocus);
    rightLayout->addWidget(findingsList, 1);
    auto* bottom = new QHBoxLayout;
    btnPreview = new QPushButton(right);
    btnPlay = new QPushButton(right);
    bottom->addWidget(btnPreview);
    bottom->addStretch(1);
    bottom->addWidget(btnPlay);
    rightLayout->addLayout(bottom);
    connect(btnPreview, &QPushButton::clicked, this, &QuestionEditor::showPreview);
    connect(btnPlay, &QPushButton::clicked, this, &QuestionEditor::playTheseQuestions);

    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(central);

    fileLabel = new QLabel(this);
    statusBar()->addPermanentWidget(fileLabel);
}

void QuestionEditor::retranslateUi()
{
    setWindowTitle(title());
    m_fileMenu->setTitle(tr("&File"));
    actNew->setText(tr("&New"));
    actOpen->setText(tr("&Open..."));
    actSave->setText(tr("&Save"));
    actSaveAs->setText(tr("Save &As..."));
    actImport->setText(tr("&Import CSV..."));
    actImportAdd->setText(tr("A&dd from CSV..."));
    actImportAdd->setToolTip(tr("Adds a spreadsheet's questions after the selected ones"));
    actExport->setText(tr("&Export CSV..."));
    actClose->setText(tr("&Close"));
    m_editMenu->setTitle(tr("&Edit"));
    actAdd->setText(tr("&Add Question"));
    actDuplicate->setText(tr("Dup&licate Question"));
    actDelete->setText(tr("&Delete Question"));
    actUp->setText(tr("Move U&p"));
    actDown->setText(tr("Move Do&wn"));
    actFind->setText(tr("&Find..."));
    actFindNext->setText(tr("Find &Next"));
    actPaste->setText(tr("Pa&ste Cells"));
    actPaste->setToolTip(tr("Adds cells copied from a spreadsheet as questions"));
    nameUndoSteps();

    m_findLabel->setText(tr("Fi&nd:"));
    findBox->setAccessibleName(tr("Find"));
    m_findButton->setText(tr("Next"));
    m_findClose->setText(tr("Close"));
    list->setAccessibleName(tr("Questions"));
    btnAdd->setText(tr("&Add"));
    btnDuplicate->setText(tr("Dup&licate"));
    btnDelete->setText(tr("&Delete"));
    btnUp->setText(tr("Move &Up"));
    btnDown->setText(tr("Move Do&wn"));
    btnAdd->setAccessibleName(tr("Add a question"));
    btnDuplicate->setAccessibleName(tr("Duplicate the question"));
    btnDelete->setAccessibleName(tr("Delete the question"));
    btnUp->setAccessibleName(tr("Move the question up"));
    btnDown->setAccessibleName(tr("Move the question down"));
    for (int f = 0; f < FieldCount; ++f) {
        fields[size_t(f)]->setAccessibleName(fieldName(f));
        m_fieldLabels[size_t(f)]->setText(fieldCaption(f));
    }
    m_findingsTitle->setText(tr("What the game will make of this question:"));
    findingsList->setAccessibleName(tr("Findings for this question"));
    btnPreview->setText(tr("Pre&view"));
    btnPreview->setAccessibleName(tr("Preview the question as pupils see it"));
    btnPlay->setText(tr("&Play These Questions"));
}

void QuestionEditor::nameUndoSteps()
{
    const auto named = [](const QString& action, const QString& step) {
        return step.isEmpty() ? action : action + QLatin1Char(' ') + step;
    };
    actUndo->setText(named(tr("&Undo"), undoStack->undoText()));
    actRedo->setText(named(tr("&Redo"), undoStack->redoText()));
}

void QuestionEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && actPaste) {
        // The steps are the editor's own commands; only their names change.
        for (int i = 0; i < undoStack->count(); ++i)
            static_cast<EditorCommand*>(const_cast<QUndoCommand*>(undoStack->command(i)))->retranslate();
        retranslateUi();
        m_model->changedAll();
        const int finding = findingsList->currentRow();
        showFindings();
        findingsList->setCurrentRow(finding);
        showCount();
        showFileName();
        if (m_told && !statusBar()->currentMessage().isEmpty() && !m_toldUntil.hasExpired())
            statusBar()->showMessage(m_told(), int(m_toldUntil.remainingTime()));
    }
    QMainWindow::changeEvent(event);
}

void QuestionEditor::tell(std::function<QString()> text, int ms)
{
    m_told = std::move(text);
    m_toldUntil = QDeadlineTimer(ms);
    statusBar()->showMessage(m_told(), ms);
}

bool QuestionEditor::eventFilter(QObject* watched, QEvent* event)
{
    // A field's own undo would step round the editor's: leave Ctrl+Z and its kin to the window.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) || pressed == QKeySequence(Qt::CTRL | Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool QuestionEditor::isModified() const { return !undoStack->isClean(); }

void QuestionEditor::setCurrentRow(int row)
{
    if (row < 0 || row >= m_questions.size()) {
        m_row = -1;
        list->selectionModel()->clearCurrentIndex();
        showCurrent();
        return;
    }
    m_row = row;
    ++m_typingRun;
    const QModelIndex index = m_model->index(row);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list->scrollTo(index);
    showCurrent();
}

void QuestionEditor::recheck()
{
    m_checked = checkQuestions(m_questions);
    m_model->changedAll();
    showFindings();
    showCount();
}

void QuestionEditor::showCurrent()
{
    m_showing = true;
    const bool any = m_row >= 0 && m_row < m_questions.size();
    for (int f = 0; f < FieldCount; ++f) {
        const QString text = any ? m_questions[m_row].field(f) : QString();
        if (fields[size_t(f)]->text() != text) {
            fields[size_t(f)]->setText(text);
            // A long question shows from its beginning.
            fields[size_t(f)]->setCursorPosition(0);
        }
        fields[size_t(f)]->setEnabled(any);
    }
    for (QAction* a : {actDuplicate, actDelete, actUp, actDown})
        if (a)
            a->setEnabled(any);
    btnDuplicate->setEnabled(any);
    btnDelete->setEnabled(any);
    btnUp->setEnabled(any && m_row > 0);
    btnDown->setEnabled(any && m_row + 1 < m_questions.size());
    btnPreview->setEnabled(any);
    m_showing = false;
    showFindings();
    if (m_preview && any)
        m_preview->showQuestion(m_questions[m_row]);
}

void QuestionEditor::showFindings()
{
    findingsList->clear();
    if (m_row < 0 || m_row >= m_checked.perQuestion.size()) {
        findingsList->addItem(tr("No question is selected."));
        return;
    }
    const QList<checker::Finding>& findings = m_checked.perQuestion[m_row];
    if (findings.isEmpty()) {
        findingsList->addItem(new QListWidgetItem(markIcon(Mark::Fine), tr("Fine: the game asks it as written.")));
        return;
    }
    for (const checker::Finding& finding : findings) {
        const Mark mark = finding.severity == checker::Severity::Problem ? Mark::Problem : Mark::Warning;
        auto* item = new QListWidgetItem(markIcon(mark),
            //: a finding on a field of the question: the field, how grave it is, what was found
            tr("%1 (%2): %3").arg(fieldName(fieldOfLine(finding.line)), markName(mark), finding.text));
        findingsList->addItem(item);
    }
}

void QuestionEditor::showCount()
{
    const int n = int(m_questions.size());
    QString text = n == 1 ? tr("1 question (the game reads the first 100)")
                          : tr("%1 questions (the game reads the first 100)").arg(n);
    if (n > GameReadsAtMost) {
        text = QStringLiteral("\u26A0 ") + text + QStringLiteral(": ")
            + tr("questions %1 to %2 are never asked").arg(GameReadsAtMost + 1).arg(n);
        countLabel->setStyleSheet(QStringLiteral("font-weight: bold"));
    } else {
        countLabel->setStyleSheet(QString());
    }
    countLabel->setText(text);
}

void QuestionEditor::showFileName()
{
    const QString name = m_fileName.isEmpty() ? tr("not saved yet") : QDir::toNativeSeparators(m_fileName);
    fileLabel->setText(isModified() ? tr("%1 (changed)").arg(name) : name);
}

void QuestionEditor::reportFailure(const QString& text) { ui::platform().messageBox(this, text, title()); }

// ---- Changes ----

void QuestionEditor::fieldEdited(int field, const QString& text)
{
    if (m_showing || m_row < 0 || m_row >= m_questions.size())
        return;
    const QString before = m_questions[m_row].field(field);
    if (before == text)
        return;
    undoStack->push(new FieldCommand(this, m_row, field, before, text, m_typingRun));
}

void QuestionEditor::applyField(int row, int field, const QString& text)
{
    if (row < 0 || row >= m_questions.size())
        return;
    m_questions[row].setField(field, text);
    if (row != m_row)
        setCurrentRow(row);
    QLineEdit* box = fields[size_t(field)];
    if (box->text() != text) {
        m_showing = true;
        box->setText(text);
        m_showing = false;
    }
    recheck();
    if (m_preview)
        m_preview->showQuestion(m_questions[row]);
}

void QuestionEditor::applyList(const Questions& questions, int row, const QString& fileName)
{
    m_questions = questions;
    m_fileName = fileName;
    m_model->reset();
    m_row = -1;
    recheck();
    setCurrentRow(std::min<int>(row, int(m_questions.size()) - 1));
    showFileName();
}

void QuestionEditor::changeList(const Questions& after, int rowAfter, const char* name, const QString& fileAfter)
{
    undoStack->push(new ListCommand(this, m_questions, m_row, m_fileName, after, rowAfter, fileAfter, name));
}

void QuestionEditor::addQuestion()
{
    Questions after = m_questions;
    const int at = m_row < 0 ? int(after.size()) : m_row + 1;
    after.insert(at, Question());
    changeList(after, at, QT_TR_NOOP("add"));
    fields[0]->setFocus();
}

QList<int> QuestionEditor::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows())
        if (index.row() < m_questions.size())
            rows << index.row();
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty() && m_row >= 0)
        rows << m_row;
    return rows;
}

void QuestionEditor::selectRows(const QList<int>& rows)
{
    if (rows.isEmpty())
        return;
    setCurrentRow(rows.front());
    for (int row : rows.mid(1))
        if (row >= 0 && row < m_questions.size())
            list->selectionModel()->select(m_model->index(row), QItemSelectionModel::Select);
}

void QuestionEditor::duplicateQuestion()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // The copies go together after the last one chosen, in their order.
    Questions after = m_questions;
    const int at = rows.back() + 1;
    QList<int> copies;
    for (int i = 0; i < rows.size(); ++i) {
        after.insert(at + i, m_questions[rows[i]]);
        copies << at + i;
    }
    changeList(after, at, QT_TR_NOOP("duplicate"));
    selectRows(copies);
}

void QuestionEditor::deleteQuestion()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    Questions after = m_questions;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        after.removeAt(*it);
    changeList(after, std::min<int>(rows.front(), int(after.size()) - 1), QT_TR_NOOP("delete"));
}

void QuestionEditor::moveRows(int step)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || (step < 0 && rows.front() == 0) || (step > 0 && rows.back() + 1 >= m_questions.size()))
        return;
    // Each chosen question one place on, the others closing up behind them.
    Questions after = m_questions;
    QList<int> moved;
    if (step < 0) {
        for (int row : rows) {
            after.swapItemsAt(row, row - 1);
            moved << row - 1;
        }
    } else {
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            after.swapItemsAt(*it, *it + 1);
            moved.prepend(*it + 1);
        }
    }
    changeList(after, moved.front(), step < 0 ? QT_TR_NOOP("move up") : QT_TR_NOOP("move down"));
    selectRows(moved);
}

void QuestionEditor::moveUp() { moveRows(-1); }

void QuestionEditor::moveDown() { moveRows(1); }

void QuestionEditor::newFile()
{
    if (!maySetAside())
        return;
    undoStack->clear();
    applyList(Questions(), 0, QString());
    undoStack->setClean();
    showFileName();
    tell([] { return tr("A new question file: add questions, then save it."); }, 5000);
}

void QuestionEditor::pasteCells(const QString& text)
{
    const CsvImport cells = importCells(text);
    if (cells.questions.isEmpty()) {
        tell([] { return tr("The clipboard holds no cells to add as questions."); }, 5000);
        return;
    }
    Questions after = m_questions;
    const int at = m_row < 0 ? int(after.size()) : m_row + 1;
    for (int i = 0; i < cells.questions.size(); ++i)
        after.insert(at + i, cells.questions[i]);
    changeList(after, at, QT_TR_NOOP("paste"));
    const int added = int(cells.questions.size());
    tell([added] { return added == 1 ? tr("1 question added from the pasted cells.")
                                     : tr("%1 questions added from the pasted cells.").arg(added); },
        5000);
}

bool QuestionEditor::findNext(const QString& text)
{
    if (text.isEmpty() || m_questions.isEmpty())
        return false;
    const int n = int(m_questions.size());
    for (int step = 1; step <= n; ++step) {
        const int row = ((m_row < 0 ? -1 : m_row) + step) % n;
        for (int f = 0; f < FieldCount; ++f)
            if (m_questions[row].field(f).contains(text, Qt::CaseInsensitive)) {
                setCurrentRow(row);
                statusBar()->clearMessage();
                return true;
            }
    }
    tell([text] { return tr("No question holds \"%1\".").arg(text); }, 5000);
    return false;
}

// ---- Files ----

bool QuestionEditor::openFile(const QString& fileName)
{
    const ReadResult read = readQuestionFile(fileName);
    if (!read.ok) {
        reportFailure(tr("The question file %1 cannot be opened: %2.").arg(QDir::toNativeSeparators(fileName), read.error));
        return false;
    }
    undoStack->clear();
    applyList(read.questions, 0, fileName);
    undoStack->setClean();
    showFileName();
    return true;
}

void QuestionEditor::startOn(const QString& fileName)
{
    if (QFileInfo::exists(ui::resolveFileName(fileName))) {
        if (openFile(fileName))
            return;
        applyList(Questions(), 0, QString());
        return;
    }
    applyList(Questions(), 0, fileName);
}

void QuestionEditor::openWithDialog()
{
    if (!maySetAside())
        return;
    ui::FileDialogRequest request{QuestionFilter, 1, QStringLiteral("*.qtn"), QStringLiteral("qtn")};
    const QString chosen = ui::platform().openFileName(this, request);
    if (chosen.isEmpty() || chosen == request.fileName)
        return;
    openFile(chosen);
}

bool QuestionEditor::save()
{
    if (m_fileName.isEmpty())
        return saveAs();
    return saveTo(m_fileName);
}

bool QuestionEditor::saveAs()
{
    // A pattern, not a name: the dialog gives back what it was given when cancelled.
    ui::FileDialogRequest request{QuestionFilter, 1, QStringLiteral("*.qtn"), QStringLiteral("qtn")};
    QString chosen = ui::platform().saveFileName(this, request);
    if (chosen.isEmpty() || chosen == request.fileName)
        return false;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".qtn");
    // A file whose name differs only in case is the same file to the game: replace that one, or
    // keep it, never write a second one beside it.
    const QString other = sameNameOtherCase(chosen);
    if (!other.isEmpty()) {
        if (!ui::platform().askYesNo(this,
                tr("%1 is already in this folder, and the game takes it for %2. Replace it?")
                    .arg(QFileInfo(other).fileName(), QFileInfo(chosen).fileName()),
                title()))
            return false;
        chosen = other;
    }
    return saveTo(chosen);
}

bool QuestionEditor::saveTo(const QString& fileName)
{
    QString error;
    if (!saveQuestionFile(fileName, m_questions, &error)) {
        reportFailure(ui::saveFailedMessage(tr("The questions"), QDir::toNativeSeparators(fileName), error));
        return false;
    }
    m_fileName = fileName;
    undoStack->setClean();
    showFileName();
    tell([name = QDir::toNativeSeparators(fileName)] { return tr("Saved %1.").arg(name); }, 5000);
    return true;
}

bool QuestionEditor::importCsvFile(const QString& fileName, ImportPlace place)
{
    QFile file(ui::resolveFileName(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        reportFailure(tr("The spreadsheet file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    // One byte past the limit is enough to know a file is too long to be a sheet of questions.
    const QByteArray bytes = file.read(MostBytes * 4 + 1);
    if (bytes.size() > MostBytes * 4
        || (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"))) {
        reportFailure(tr("The file %1 is no spreadsheet saved as CSV text, so nothing was imported. Save the sheet as "
                         "\"CSV\" or \"Text (tab-separated)\" and import that.")
                          .arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    const CsvImport imported = importCsv(bytes);
    const QFileInfo info(fileName);
    if (imported.questions.isEmpty()) {
        reportFailure(tr("The file %1 holds no question, so nothing was imported.").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    int added = 0;
    if (place == ImportPlace::AfterSelection) {
        Questions after = m_questions;
        const QList<int> rows = selectedRows();
        added = rows.isEmpty() ? int(m_questions.size()) : rows.back() + 1;
        for (int i = 0; i < imported.questions.size(); ++i)
            after.insert(added + i, imported.questions[i]);
        changeList(after, added, QT_TR_NOOP("import"));
    } else {
        // The questions of a spreadsheet are a new file of their own, named on saving.
        changeList(imported.questions, 0, QT_TR_NOOP("import"), QString());
    }

    // Kept as a recipe, so the status bar can say it again in another language.
    const auto summary = [name = info.fileName(), encoding = imported.encoding, by = imported.separator,
                             header = imported.header, count = int(imported.questions.size()), leftOut = imported.leftOut] {
        const QString separator = by == QLatin1Char('\t') ? tr("tabs")
            : by == QLatin1Char(';')                      ? tr("semicolons")
                                                          : tr("commas");
        return (count == 1 ? tr("1 question imported from %1 (%2, cells separated by %3%4).")
                           : tr("%5 questions imported from %1 (%2, cells separated by %3%4)."))
                   .arg(name, encoding, separator, header ? tr(", first row taken as column titles") : QString(),
                       QString::number(count))
            + (leftOut.isEmpty() ? QString() : QLatin1Char(' ') + tr("Left out: %1.").arg(leftOut.join(QStringLiteral(", "))));
    };
    if (imported.problems.isEmpty()) {
        tell(summary, 8000);
        return true;
    }
    // Every row that did not go in as it stood, in one list.
    QDialog report(this);
    report.setWindowTitle(modValdra::ProgramTitle + tr("--Import CSV"));
    auto* layout = new QVBoxLayout(&report);
    auto* label = new QLabel(summary() + QLatin1Char(' ') + tr("These rows need a look:"), &report);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* rows = new QListWidget(&report);
    rows->setAccessibleName(tr("Rows with problems"));
    for (const CsvProblem& problem : imported.problems)
        rows->addItem(tr("Row %1: %2").arg(problem.row).arg(problem.text));
    layout->addWidget(rows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &report);
    connect(buttons, &QDialogButtonBox::accepted, &report, &QDialog::accept);
    layout->addWidget(buttons);
    report.resize(620, 360);
    ui::platform().runModal(&report);
    return true;
}

bool QuestionEditor::exportCsvFile(const QString& fileName)
{
    // Several questions chosen: those alone, in their order; else every question.
    const QList<int> rows = selectedRows();
    Questions chosen;
    if (rows.size() > 1)
        for (int row : rows)
            chosen << m_questions[row];
    QString error;
    if (!ui::writeFileBytes(fileName, exportCsv(rows.size() > 1 ? chosen : m_questions), &error)) {
        reportFailure(ui::saveFailedMessage(tr("The spreadsheet"), QDir::toNativeSeparators(fileName), error));
        return false;
    }
    tell([chosen = int(rows.size() > 1 ? rows.size() : 0), name = QDir::toNativeSeparators(fileName)] {
        return chosen > 0 ? tr("Exported the %1 chosen questions to %2.").arg(chosen).arg(name) : tr("Exported %1.").arg(name);
    },
        5000);
    return true;
}

void QuestionEditor::importWithDialog(ImportPlace place)
{
    ui::FileDialogRequest request{CsvFilter, 1, QStringLiteral("*.csv"), QStringLiteral("csv")};
    const QString chosen = ui::platform().openFileName(this, request);
    if (!chosen.isEmpty() && chosen != request.fileName)
        importCsvFile(chosen, place);
}

void QuestionEditor::exportWithDialog()
{
    ui::FileDialogRequest request{CsvFilter, 1, QStringLiteral("*.csv"), QStringLiteral("csv")};
    QString chosen = ui::platform().saveFileName(this, request);
    if (chosen.isEmpty() || chosen == request.fileName)
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".csv");
    exportCsvFile(chosen);
}

bool QuestionEditor::maySetAside()
{
    if (!isModified())
        return true;
    const QString name = m_fileName.isEmpty() ? tr("The questions") : QFileInfo(m_fileName).fileName();
    switch (unsavedPrompt()(this, tr("%1 has changes that are not saved. Save them?").arg(name))) {
    case UnsavedChoice::Save: return save();
    case UnsavedChoice::Discard: return true;
    case UnsavedChoice::Cancel: return false;
    }
    return false;
}

void QuestionEditor::closeEvent(QCloseEvent* event)
{
    if (maySetAside()) {
        // Whatever was decided, the changes are dealt with: the game's own quit asks no more.
        undoStack->setClean();
        event->accept();
    } else {
        event->ignore();
    }
}

void QuestionEditor::showPreview()
{
    if (m_row < 0)
        return;
    if (!m_preview)
        m_preview = new QuestionPreview(this);
    m_preview->showQuestion(m_questions[m_row]);
    m_preview->show();
    m_preview->raise();
}

void QuestionEditor::playTheseQuestions()
{
    if (m_questions.isEmpty()) {
        reportFailure(tr("There are no questions to play yet."));
        return;
    }
    if (isModified() || m_fileName.isEmpty()) {
        if (!ui::platform().askYesNo(this, tr("The questions must be saved before the game can play them. Save them now?"),
                title()))
            return;
        if (!save())
            return;
    }
    emit playRequested(m_fileName);
}

} // namespace editor
