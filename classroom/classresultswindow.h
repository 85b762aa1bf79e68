// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's view of the class record: every game as a sortable table, filtered by name,
// question file and dates, each pupil's games summed up, the questions by how often the class
// missed them, the share right as a chart, a pupil's progress, and every pupil against every
// question; printed or saved as PDF. A big record is read a slice at a time, so the window
// shows its first games at once and stays live. Modeless; deleted when closed.
#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "classroom/classrecord.h"
#include "classroom/classreport.h"
#include "ui/widgets.h"

class QChartView;

namespace classroom {
class Classroom;

// The games of the record as table rows; sorts by the values, not their text.
class RecordModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(const QList<RecordRow>& rows);
    // Tells the views that the headings and the words in the cells are in another language.
    void retranslate();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<RecordRow> m_rows;
};

} // namespace classroom

class ClassResults : public QWidget {
    Q_OBJECT
public:
    explicit ClassResults(classroom::Classroom* classroom, QWidget* parent = nullptr);

    // Reads the record again and shows it with the filters as they are. A big record goes on
    // being read after this returns (reading() is true meanwhile).
    void reload();
    bool reading() const { return m_reader != nullptr; }
    // Reads what is left at once (for tests and the report).
    void finishReading();
    const classroom::RecordFile& record() const { return m_record; }

    // The report for the filters in force.
    classroom::ReportInput reportInput() const;
    // Writes it; false (and the reason in *error) when the file cannot be written.
    bool savePdf(const QString& fileName, QString* error);

    ui::PictureImage* imgBackGround = nullptr;
    QLabel* lblStatus = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cboQuestionFile = nullptr;
    QDateEdit* dtFrom = nullptr;
    QDateEdit* dtTo = nullptr;
    QTabWidget* tabs = nullptr;
    QTableView* tblGames = nullptr;
    QTableWidget* tblPupils = nullptr;
    QLabel* lblMissed = nullptr;
    QTableWidget* tblMissed = nullptr;
    QChartView* chartShare = nullptr;
    QComboBox* cboPupil = nullptr;
    QChartView* chartProgress = nullptr;
    QLabel* lblGrid = nullptr;
    QTableWidget* tblGrid = nullptr;
    ui::PictureButton* cmdPdf = nullptr;
    ui::PictureButton* cmdPrint = nullptr;
    ui::PictureButton* cmdClose = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    static QString everyQuestionFile();
    // The most missed questions, their chart and the grid, from what applyFilters() counted.
    void showCounted();
    void readSlice();
    void showStatus();
    void fillQuestionFiles();
    void applyFilters();
    // Sizes the games' columns to their headings and cells; the width they need in all.
    int fitGameColumns();
    void showProgress();
    void saveAsPdf();
    void print();
    classroom::RowFilter filter() const;
    QString questionFileCounted() const;

    classroom::Classroom* m_classroom;
    classroom::RecordFile m_record;
    std::unique_ptr<classroom::RecordReader> m_reader;
    QTimer m_slices;
    bool m_datesSet = false;
    bool m_recordKept = false;
    bool m_columnsFitted = false;
    QList<classroom::RecordRow> m_shown;
    // What the filters in force counted for the question file in use.
    QString m_countedFile;
    QList<classroom::QuestionTally> m_tallies;
    classroom::QuestionGrid m_grid;
    int m_numbered = 0;
    classroom::RecordModel* m_model = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_fromLabel = nullptr;
    QLabel* m_toLabel = nullptr;
    QLabel* m_pupilLabel = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
};
