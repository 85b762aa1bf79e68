#pragma once
// The drive, folder and file lists that every window which picks a file shares. A "drive" on
// this system is a place to start browsing from: the root, the home folder and the mounted
// volumes the user can read. Paths use "/"; file patterns match without regard to case.
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

namespace ui {

// The drives offered: "/" first, then the home folder, then the readable mounted volumes.
QStringList availableDrives();
// The drive among `drives` that holds `path` (the longest one that is a folder above it or the
// path itself); "/" when none does.
QString driveOf(const QString& path, const QStringList& drives);

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);  // starts on the drive of the current folder
    QString drive() const;                          // the chosen one, as a folder path
    // Chooses a drive; one that is not in the list yet joins it.
    void setDrive(const QString& drive);

signals:
    void changed();  // the chosen drive changed, by the user or by setDrive

protected:
    // Volumes come and go (a memory stick), so the list is read afresh each time it opens.
    void showPopup() override;

private:
    void fill(const QString& keep);
    int indexOfDrive(const QString& drive) const;
    bool m_filling = false;
    QString m_last;
};

// Makes a list wrap its long entries onto further lines instead of cutting them.
void wrapLongEntries(QListWidget* list);

class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget* parent = nullptr);  // starts in the current folder
    QString path() const { return m_path; }
    void setPath(const QString& path);
    // Reads the folder again (after files or folders changed).
    void refresh();
    // False when the folder could not be listed; the list then says so.
    bool readable() const { return m_readable; }

signals:
    void changed();  // the path changed, or the user opened the folder on show again

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void open(QListWidgetItem* item);
    QString m_path;
    bool m_readable = true;
};

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);  // the current folder, pattern "*.*"
    QString path() const { return m_path; }
    void setPath(const QString& path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);  // "*.qtn;*.dat"
    QString fileName() const;                 // the selected file's name, no folder
    void refresh();
    bool readable() const { return m_readable; }

signals:
    void fileClicked();        // a file was selected, by mouse or keyboard
    void fileDoubleClicked();  // a file was double-clicked, or Enter pressed on it

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_path;
    QString m_pattern;
    bool m_readable = true;
};

// A folder and a name joined by one "/": a root folder gives "/flag.gif", never "//flag.gif".
QString joinPath(const QString& folder, const QString& name);

// The patterns of a list such as "*.bmp;*.JPG" as name filters. "*.*" means every file, as
// users of other systems expect, including names without a dot.
QStringList namePatterns(const QString& pattern);

// Whether a folder can be listed.
bool canReadFolder(const QString& path);

} // namespace ui
