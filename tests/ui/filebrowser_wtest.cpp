// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filebrowser.h"

#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QStringList texts(const QListWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

TEST(FileBrowser, JoinsAFolderAndANameWithOneSlashAlsoAtTheRoot)
{
    EXPECT_EQ(ui::joinPath(QStringLiteral("/home/ann"), QStringLiteral("flag.gif")), QStringLiteral("/home/ann/flag.gif"));
    ui::FileList files;
    files.setPath(QStringLiteral("/"));
    EXPECT_EQ(ui::joinPath(files.path(), QStringLiteral("flag.gif")), QStringLiteral("/flag.gif"));
}

TEST(FileBrowser, FileListMatchesPatternsWithoutRegardToCaseAndSortsByName)
{
    TestFolder folder;
    for (const char* name : {"zebra.gif", "Apple.BMP", "camera.JPG", "notes.txt", "README", ".hidden.gif",
                             "lily.jpeg", "map.Png"})
        folder.write(QString::fromLatin1(name), "x");
    QDir(folder.path()).mkdir(QStringLiteral("folder.gif"));

    struct Case {
        const char* pattern;
        QStringList expected;
    };
    const Case cases[] = {
        {"*.bmp;*.jpg;*.gif", {"Apple.BMP", "camera.JPG", "zebra.gif"}},
        {" *.png ; *.jpeg", {"lily.jpeg", "map.Png"}},
        {"*.*", {"Apple.BMP", "camera.JPG", "lily.jpeg", "map.Png", "notes.txt", "README", "zebra.gif"}},
    };
    ui::FileList files;  // starts in the current folder
    EXPECT_EQ(files.path(), QDir::currentPath());
    files.setPath(folder.path());
    for (const Case& c : cases) {
        files.setPattern(QString::fromLatin1(c.pattern));
        EXPECT_EQ(texts(files), c.expected) << c.pattern;
    }
}

TEST(FileBrowser, FileListReportsTheSelectedFileAndForgetsItOnANewFolder)
{
    TestFolder folder;
    folder.write(QStringLiteral("a.gif"), "x");
    folder.write(QStringLiteral("b.gif"), "x");
    folder.write(QStringLiteral("sub/c.gif"), "x");
    ui::FileList files;
    files.setPath(folder.path());
    files.setPattern(QStringLiteral("*.gif"));
    QSignalSpy clicked(&files, &ui::FileList::fileClicked);
    QSignalSpy doubled(&files, &ui::FileList::fileDoubleClicked);
    EXPECT_EQ(files.fileName(), QString());

    files.setCurrentRow(1);
    EXPECT_EQ(files.fileName(), QStringLiteral("b.gif"));
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(&files, Qt::Key_Return);
    EXPECT_EQ(doubled.count(), 1);

    files.setPath(folder.file(QStringLiteral("sub")));
    EXPECT_EQ(texts(files), QStringList{QStringLiteral("c.gif")});
    EXPECT_EQ(files.fileName(), QString());
    EXPECT_EQ(clicked.count(), 1);
}

TEST(FileBrowser, AFolderThatCannotBeReadShowsEmptyListsAndSaysSo)
{
    TestFolder folder;
    folder.write(QStringLiteral("gone/a.gif"), "x");
    QDir(folder.path()).mkpath(QStringLiteral("gone/inner"));
    const QString gone = folder.file(QStringLiteral("gone"));

    ui::FileList files;
    ui::DirList dirs;
    files.setPath(gone);
    dirs.setPath(gone);
    files.setCurrentRow(0);
    ASSERT_EQ(files.count(), 1);
    ASSERT_EQ(dirs.item(dirs.count() - 1)->text(), QStringLiteral("inner"));
    EXPECT_TRUE(files.readable());

    // The folder goes away (a memory stick pulled out): nothing stale stays on show.
    QDir(gone).removeRecursively();
    files.refresh();
    dirs.refresh();
    EXPECT_EQ(files.count(), 0);
    EXPECT_EQ(files.fileName(), QString());
    EXPECT_FALSE(files.readable());
    EXPECT_FALSE(dirs.readable());
    EXPECT_EQ(dirs.item(dirs.count() - 1)->text(), QStringLiteral("gone"));  // only the chain is left

    // A file is no folder either.
    files.setPath(folder.file(QStringLiteral("plain")));
    EXPECT_EQ(files.count(), 0);

    if (geteuid() != 0) {  // permissions do not stop the superuser
        QDir(folder.path()).mkdir(QStringLiteral("locked"));
        folder.write(QStringLiteral("locked/x.gif"), "x");
        const QString locked = folder.file(QStringLiteral("locked"));
        QFile::setPermissions(locked, QFileDevice::Permissions());
        files.setPath(locked);
        EXPECT_EQ(files.count(), 0);
        EXPECT_FALSE(files.readable());
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST(FileBrowser, DirListShowsTheChainOfParentsThenVisibleSubfolders)
{
    TestFolder folder;
    QDir top(folder.path());
    for (const char* sub : {"b/one", "b/Two", "b/.secret", "a"})
        top.mkpath(QString::fromLatin1(sub));
    folder.write(QStringLiteral("b/file.gif"), "x");

    ui::DirList dirs;
    EXPECT_EQ(dirs.path(), QDir::currentPath());  // starts in the current folder
    QSignalSpy changed(&dirs, &ui::DirList::changed);
    const QString b = QDir(folder.file(QStringLiteral("b"))).absolutePath();
    dirs.setPath(b);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(dirs.path(), b);

    const QStringList parts = b.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QStringList expected{QStringLiteral("/")};
    expected << parts << QStringLiteral("one") << QStringLiteral("Two");
    EXPECT_EQ(texts(dirs), expected);
    EXPECT_EQ(dirs.currentRow(), parts.size());  // the folder itself is marked

    // Enter opens the chosen subfolder; a double click on a parent goes up.
    dirs.setCurrentRow(dirs.count() - 1);
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.path(), b + QStringLiteral("/Two"));
    EXPECT_EQ(changed.count(), 2);
    emit dirs.itemDoubleClicked(dirs.item(0));
    EXPECT_EQ(dirs.path(), QStringLiteral("/"));
    EXPECT_EQ(changed.count(), 3);
    // Opening the folder on show reads it afresh and tells the file list to follow.
    emit dirs.itemDoubleClicked(dirs.item(0));
    EXPECT_EQ(changed.count(), 4);
    dirs.setPath(QStringLiteral("/"));
    EXPECT_EQ(changed.count(), 4);
}

TEST(FileBrowser, DrivesAreTheRootTheHomeFolderAndReadableVolumes)
{
    const QStringList drives = ui::availableDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.front(), QStringLiteral("/"));
    for (const QString& d : drives) {
        EXPECT_TRUE(ui::canReadFolder(d)) << d.toStdString();
        EXPECT_FALSE(d.startsWith(QStringLiteral("/proc"))) << d.toStdString();
    }

    const QStringList some{QStringLiteral("/"), QStringLiteral("/home/ann"), QStringLiteral("/media/stick")};
    EXPECT_EQ(ui::driveOf(QStringLiteral("/home/ann/pictures"), some), QStringLiteral("/home/ann"));
    EXPECT_EQ(ui::driveOf(QStringLiteral("/home/anna"), some), QStringLiteral("/"));

    ui::DriveList list;
    EXPECT_EQ(list.drive(), ui::driveOf(QDir::currentPath(), drives));
    QSignalSpy changed(&list, &ui::DriveList::changed);
    TestFolder folder;
    list.setDrive(folder.path());  // a drive not offered yet joins the list
    EXPECT_EQ(list.drive(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(changed.count(), 1);
    list.setDrive(folder.path());  // no change, no signal
    list.setDrive(QStringLiteral("/"));
    EXPECT_EQ(list.drive(), QStringLiteral("/"));
    EXPECT_EQ(changed.count(), 2);
}

} // namespace
