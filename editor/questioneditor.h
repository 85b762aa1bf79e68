// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question editor: a teacher's questions on the left with a mark for each one's state, the
// selected question's five fields on the right with the checker's findings under them, every
// change undoable. Opens and saves question files, imports and exports spreadsheets.
#include "editor/findings.h"
#include "editor/preview.h"
#include "editor/questionfile.h"

#include <QAbstractListModel>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QUndoStack;

namespace editor {

enum class UnsavedChoice { Save, Discard, Cancel };
// Asks what becomes of unsaved changes; tests put a script in its place.
using UnsavedPrompt = std::function<UnsavedChoice(QWidget* parent, const QString& text)>;
UnsavedPrompt& unsavedPrompt();

// The mark of a state, told apart by its shape as well as its colour.
QIcon markIcon(Mark mark);
QString markName(Mark mark);

class QuestionListModel : public QAbstractListModel {
    Q_OBJECT
public:
    QuestionListModel(const Questions& questions, const Checked& checked, QObject* parent)
        : QAbstractListModel(parent), m_questions(questions), m_checked(checked)
    {
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void reset() { beginResetModel(); endResetModel(); }
    void changedAll();

private:
    const Questions& m_questions;
    const Checked& m_checked;
};

class QuestionEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit QuestionEditor(QWidget* parent = nullptr);
    ~QuestionEditor() override;

    // Loads a question file; a file that cannot be read is named with the reason, and the
    // editor keeps what it had. False then.
    bool openFile(const QString& fileName);
    // Starts on a file that may not exist yet: its questions if it does, none otherwise.
    void startOn(const QString& fileName);
    bool save();
    bool saveAs();
    bool saveTo(const QString& fileName);
    // Replaces the questions with a spreadsheet's, or adds them after the selected one. A file
    // without a question changes nothing.
    enum class ImportPlace { Replace, AfterSelection };
    bool importCsvFile(const QString& fileName, ImportPlace place = ImportPlace::Replace);
    bool exportCsvFile(const QString& fileName);
    // Adds spreadsheet cells (tab-separated rows) as questions after the selected one.
    void pasteCells(const QString& text);
    // Asks Save, Discard or Cancel when there are unsaved changes; true when the editor may go.
    bool maySetAside();

    const Questions& questions() const { return m_questions; }
    const Checked& checked() const { return m_checked; }
    QString fileName() const { return m_fileName; }
    bool isModified() const;
    int currentRow() const { return m_row; }
    void setCurrentRow(int row);
    // Finds the next question, after the selected one and round, with the text in any field.
    bool findNext(const QString& text);

    // The questions chosen in the list, in order (the current one when none is).
    QList<int> selectedRows() const;
    void selectRows(const QList<int>& rows);
    // Starts an empty, unnamed file, asking first about unsaved changes.
    void newFile();
    void addQuestion();
    void duplicateQuestion();
    void deleteQuestion();
    void moveUp();
    void moveDown();
    void showPreview();
    void playTheseQuestions();

    // What the undo commands do.
    void applyField(int row, int field, const QString& text);
    void applyList(const Questions& questions, int row, const QString& fileName);

    QListView* list = nullptr;
    std::array<QLineEdit*, FieldCount> fields{};
    QListWidget* findingsList = nullptr;
    QLabel* countLabel = nullptr;
    QLabel* fileLabel = nullptr;
    QWidget* findBar = nullptr;
    QLineEdit* findBox = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDuplicate = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnUp = nullptr;
    QPushButton* btnDown = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPlay = nullptr;
    QUndoStack* undoStack = nullptr;
    QAction* actNew = nullptr;
    QAction* actOpen = nullptr;
    QAction* actSave = nullptr;
    QAction* actSaveAs = nullptr;
    QAction* actImport = nullptr;
    QAction* actImportAdd = nullptr;
    QAction* actExport = nullptr;
    QAction* actClose = nullptr;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    QAction* actAdd = nullptr;
    QAction* actDuplicate = nullptr;
    QAction* actDelete = nullptr;
    QAction* actUp = nullptr;
    QAction* actDown = nullptr;
    QAction* actFind = nullptr;
    QAction* actFindNext = nullptr;
    QAction* actPaste = nullptr;
    QuestionPreview* preview() const { return m_preview; }

signals:
    // The saved file the teacher wants to play.
    void playRequested(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildWindow();
    void retranslateUi();
    void nameUndoSteps();
    // A passing word in the status bar, said again if the language changes while it shows.
    void tell(std::function<QString()> text, int ms);
    // `name` is the step's untranslated name, looked up again when the language changes.
    void changeList(const Questions& after, int rowAfter, const char* name, const QString& fileAfter);
    void changeList(const Questions& after, int rowAfter, const char* name) { changeList(after, rowAfter, name, m_fileName); }
    void fieldEdited(int field, const QString& text);
    void recheck();
    void showCurrent();
    void showFindings();
    void showCount();
    void showFileName();
    void openWithDialog();
    void importWithDialog(ImportPlace place);
    void moveRows(int step);
    void exportWithDialog();
    void reportFailure(const QString& text);

    Questions m_questions;
    Checked m_checked;
    QuestionListModel* m_model = nullptr;
    QString m_fileName;
    int m_row = -1;
    bool m_showing = false;  // the fields are being filled from the questions, not typed
    int m_typingRun = 0;     // typing in one field without leaving it is one undo step
    QPointer<QuestionPreview> m_preview;
    std::function<QString()> m_told;
    QDeadlineTimer m_toldUntil;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QLabel* m_findLabel = nullptr;
    QPushButton* m_findButton = nullptr;
    QPushButton* m_findClose = nullptr;
    std::array<QLabel*, FieldCount> m_fieldLabels{};
    QLabel* m_findingsTitle = nullptr;

    friend class FieldCommand;
};

} // namespace editor
