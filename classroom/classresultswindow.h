// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's view of the class record: every game as a sortable table, filtered by name and
// question file, each pupil's games summed up, and the current question file's questions by how
// often the class missed them. Modeless; deleted when closed.
#include <QAbstractTableModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QWidget>

#include "classroom/classrecord.h"
#include "ui/widgets.h"

namespace classroom {
class Classroom;

// The games of the record as table rows; sorts by the values, not their text.
class RecordModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(const QList<RecordRow>& rows);
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

    // Reads the record again and shows it with the filters as they are.
    void reload();
    const classroom::RecordFile& record() const { return m_record; }

    ui::PictureImage* imgBackGround = nullptr;
    QLabel* lblStatus = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cboQuestionFile = nullptr;
    QTabWidget* tabs = nullptr;
    QTableView* tblGames = nullptr;
    QTableWidget* tblPupils = nullptr;
    QLabel* lblMissed = nullptr;
    QTableWidget* tblMissed = nullptr;
    ui::PictureButton* cmdClose = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyFilters();

    classroom::Classroom* m_classroom;
    classroom::RecordFile m_record;
    classroom::RecordModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
};
