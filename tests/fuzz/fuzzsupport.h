// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a property check that stops the run (libFuzzer then keeps the
// input that broke it), the fuzzer's bytes as a byte array, and a private current folder for
// the readers and writers that work on files by name.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                                  \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Makes a fresh temporary folder current for the whole run; it goes when the run ends. In
// memory where the system offers it: saves sync to the disk, which would slow the run tenfold.
inline void enterFuzzFolder()
{
    static const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir folder(base + QStringLiteral("/quillora-fuzz-XXXXXX"));
    static const bool entered = QDir::setCurrent(folder.path());
    FUZZ_REQUIRE(folder.isValid() && entered);
}

// Puts the bytes into a file of the folder, as a teacher's editor would.
inline void writeRawFile(const QString& name, const QByteArray& bytes)
{
    enterFuzzFolder();
    QFile file(name);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_REQUIRE(file.write(bytes) == bytes.size());
}

inline bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}
