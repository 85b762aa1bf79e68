// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filebrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QApplication>
#include <QPainter>
#include <QSet>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace ui {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;
constexpr int IndentPx = 8;

QString cleanFolder(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty())
        p = QDir::currentPath();
    return QDir::cleanPath(QDir(p).absolutePath());
}

// Kernel and container file systems hold nothing a teacher would browse for.
bool isBrowsableVolume(const QStorageInfo& volume)
{
    static const QSet<QByteArray> pseudo = {
        "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts",
        "devtmpfs", "efivarfs", "fusectl", "hugetlbfs", "mqueue", "nsfs", "overlay", "proc",
        "pstore", "securityfs", "squashfs", "sysfs", "tmpfs", "tracefs", "ramfs", "rpc_pipefs"};
    if (!volume.isValid() || !volume.isReady() || pseudo.contains(volume.fileSystemType()))
        return false;
    const QString root = volume.rootPath();
    for (const char* hidden : {"/proc", "/sys", "/dev", "/boot", "/snap", "/var", "/etc", "/usr"})
        if (root == QLatin1String(hidden) || root.startsWith(QLatin1String(hidden) + QLatin1Char('/')))
            return false;
    if (root.startsWith(QLatin1String("/run/")) && !root.startsWith(QLatin1String("/run/media/")))
        return false;
    return canReadFolder(root);
}

// Draws an item indented by its depth, so the folder list reads as a chain.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Long names wrap onto further lines, between words or, in a name of one long word,
    // anywhere: a name is never cut short or hidden past the edge.
    static constexpr int Flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        o.rect.adjust(index.data(DepthRole).toInt() * IndentPx, 0, 0, 0);
        const QString text = o.text;
        o.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, widget);
        o.text = text;
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &o, widget).adjusted(2, 0, -2, 0);
        painter->save();
        painter->setFont(o.font);
        const QPalette::ColorGroup group = (o.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        painter->setPen(o.palette.color(group, (o.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect, Flags, text);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const int indent = index.data(DepthRole).toInt() * IndentPx;
        QSize hint = QStyledItemDelegate::sizeHint(option, index) + QSize(indent, 0);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!view)
            return hint;
        o.rect = QRect(indent, 0, view->viewport()->width() - indent, hint.height());
        QStyle* style = view->style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &o, view).adjusted(2, 0, -2, 0);
        const int textHeight = QFontMetrics(o.font).boundingRect(QRect(0, 0, std::max(textRect.width(), 1), 100000), Flags, o.text).height();
        hint.setHeight(std::max(hint.height(), textHeight + 4));
        hint.setWidth(std::min(hint.width(), view->viewport()->width()));
        return hint;
    }
};

// Says plainly, in grey under the last entry, why a list is empty.
void paintNote(QListWidget* list, const QString& note)
{
    QPainter p(list->viewport());
    int top = 4;
    if (list->count() > 0)
        top = list->visualItemRect(list->item(list->count() - 1)).bottom() + 6;
    QFont f = list->font();
    f.setItalic(true);
    p.setFont(f);
    p.setPen(list->palette().color(QPalette::Disabled, QPalette::Text));
    p.drawText(QRect(4, top, list->viewport()->width() - 8, list->viewport()->height() - top),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note);
}

QString unreadableNote() { return QCoreApplication::translate("filebrowser", "This folder cannot be read."); }

} // namespace

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QStringList namePatterns(const QString& pattern)
{
    QStringList patterns;
    for (QString p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p.isEmpty())
            continue;
        patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    return patterns;
}

bool canReadFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

QStringList availableDrives()
{
    QStringList drives{QStringLiteral("/")};
    const QString home = cleanFolder(QDir::homePath());
    if (home != QLatin1String("/") && canReadFolder(home))
        drives << home;
    QStringList volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = cleanFolder(volume.rootPath());
        if (!drives.contains(root) && !volumes.contains(root) && isBrowsableVolume(volume))
            volumes << root;
    }
    volumes.sort(Qt::CaseInsensitive);
    return drives + volumes;
}

QString driveOf(const QString& path, const QStringList& drives)
{
    const QString p = cleanFolder(path);
    QString best = QStringLiteral("/");
    for (const QString& d : drives) {
        const bool holds = p == d || p.startsWith(d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/'));
        if (holds && d.size() > best.size())
            best = d;
    }
    return best;
}

// --- DriveList ---

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    setAccessibleName(tr("Drive"));
    fill(driveOf(QDir::currentPath(), availableDrives()));
    m_last = drive();
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling || drive() == m_last)
            return;
        m_last = drive();
        emit changed();
    });
}

QString DriveList::drive() const { return currentData(PathRole).toString(); }

int DriveList::indexOfDrive(const QString& drive) const
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i, PathRole).toString() == drive)
            return i;
    return -1;
}

void DriveList::setDrive(const QString& drive)
{
    const QString d = cleanFolder(drive);
    if (indexOfDrive(d) < 0) {
        m_filling = true;
        addItem(style()->standardIcon(QStyle::SP_DirIcon), d, d);
        setItemData(count() - 1, d, Qt::ToolTipRole);
        m_filling = false;
    }
    setCurrentIndex(indexOfDrive(d));
}

void DriveList::fill(const QString& keep)
{
    m_filling = true;
    clear();
    const QString home = cleanFolder(QDir::homePath());
    for (const QString& d : availableDrives()) {
        QStyle::StandardPixmap icon = QStyle::SP_DriveHDIcon;
        if (d == home)
            icon = QStyle::SP_DirHomeIcon;
        addItem(style()->standardIcon(icon), d, d);
        setItemData(count() - 1, d, Qt::ToolTipRole);
    }
    if (indexOfDrive(keep) < 0) {
        addItem(style()->standardIcon(QStyle::SP_DirIcon), keep, keep);
        setItemData(count() - 1, keep, Qt::ToolTipRole);
    }
    setCurrentIndex(indexOfDrive(keep));
    m_filling = false;
}

void DriveList::showPopup()
{
    fill(drive());
    QComboBox::showPopup();
}

// --- DirList ---

void wrapLongEntries(QListWidget* list)
{
    list->setItemDelegate(new IndentDelegate(list));
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

DirList::DirList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    // Long names wrap rather than being cut short or scrolled sideways.
    setWordWrap(true);
    setResizeMode(QListView::Adjust);
    setAccessibleName(tr("Folders"));
    setAccessibleDescription(tr("Enter opens the folder under the cursor."));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirList::open);
    setPath(QDir::currentPath());
}

void DirList::setPath(const QString& path)
{
    const QString p = cleanFolder(path);
    const bool changedPath = p != m_path;
    m_path = p;
    refresh();
    if (changedPath)
        emit changed();
}

void DirList::refresh()
{
    clear();
    // The chain from the root down to the folder itself, each one open.
    QStringList chain;
    for (QString p = m_path;; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (p == QLatin1String("/") || QFileInfo(p).path() == p)
            break;
    }
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString& p : chain) {
        const QString name = p == QLatin1String("/") ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(openIcon, name, this);
        item->setData(PathRole, p);
        item->setData(DepthRole, depth++);
        item->setToolTip(p);
    }
    setCurrentRow(count() - 1);
    m_readable = canReadFolder(m_path);
    if (m_readable) {
        const QStringList subfolders =
            QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : subfolders) {
            auto* item = new QListWidgetItem(closedIcon, name, this);
            item->setData(PathRole, joinPath(m_path, name));
            item->setData(DepthRole, depth);
            item->setToolTip(joinPath(m_path, name));
        }
    }
    viewport()->update();
}

void DirList::open(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString p = item->data(PathRole).toString();
    if (p != m_path) {
        setPath(p);
        return;
    }
    // Opening the folder on show again is how a user looks afresh: the file list follows.
    refresh();
    emit changed();
}

void DirList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open(currentItem());
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        setPath(QFileInfo(m_path).path());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!m_readable)
        paintNote(this, unreadableNote());
}

// --- FileList ---

FileList::FileList(QWidget* parent) : QListWidget(parent), m_path(QDir::currentPath()), m_pattern(QStringLiteral("*.*"))
{
    setItemDelegate(new IndentDelegate(this));
    setWordWrap(true);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAccessibleName(tr("Files"));
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fileName().isEmpty())
            emit fileClicked();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        if (!fileName().isEmpty())
            emit fileDoubleClicked();
    });
    refresh();
}

void FileList::setPath(const QString& path)
{
    m_path = cleanFolder(path);
    refresh();
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileList::refresh()
{
    // Nothing is selected afterwards, so a stale choice can never be clicked on.
    const QSignalBlocker quiet(this);
    clear();
    m_readable = canReadFolder(m_path);
    if (m_readable) {
        // Name filters of QDir match without regard to case unless told otherwise.
        const QStringList files = QDir(m_path).entryList(namePatterns(m_pattern), QDir::Files,
                                                         QDir::Name | QDir::IgnoreCase);
        addItems(files);
    }
    viewport()->update();
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !fileName().isEmpty()) {
        emit fileDoubleClicked();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FileList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!m_readable)
        paintNote(this, unreadableNote());
}

} // namespace ui
