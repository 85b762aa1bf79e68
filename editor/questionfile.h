// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's questions and the question file they go to and come from: five lines a question,
// CR LF, Windows-1252 when every character fits and UTF-8 behind a byte order mark otherwise, so
// the game and a teacher's Windows machine both read it. Widget-free.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace editor {

inline constexpr int FieldCount = 5;       // the question, the right answer, three wrong ones
inline constexpr int GameReadsAtMost = 100; // questions the game takes from a file

struct Question {
    QString text;
    std::array<QString, 4> answers;  // the right answer first

    const QString& field(int f) const { return f == 0 ? text : answers[size_t(f - 1)]; }
    void setField(int f, const QString& value) { (f == 0 ? text : answers[size_t(f - 1)]) = value; }
    bool isBlank() const;
    bool operator==(const Question&) const = default;
};
using Questions = QList<Question>;

// A field as a file line can hold it: line breaks become spaces, or they would shift every
// line after them.
QString oneLine(QString text);

QStringList toLines(const Questions& questions);
// Blocks of five lines, as the game reads them; a block the file cuts short gets empty answers.
Questions fromLines(const QStringList& lines);

// The bytes of the file the editor saves.
QByteArray encodeQuestionFile(const Questions& questions);

// The largest file the editor opens: a hundred questions take a few kilobytes.
inline constexpr qint64 MostBytes = 4 * 1024 * 1024;

struct ReadResult {
    bool ok = false;
    QString error;  // why the file was refused, for the message that says so
    Questions questions;
};
// Every block of the file, as the game reads it (the game stops at 100; the editor shows them
// all, so nothing is lost on saving). Refuses a file that is too large or no text at all.
ReadResult readQuestionFile(const QString& fileName);

// Atomic: the old file stays whole on any failure, with the reason in *error.
bool saveQuestionFile(const QString& fileName, const Questions& questions, QString* error);

// Another file of the same folder whose name differs from `path`'s only in case, if one exists
// and `path` itself does not: the game, which matches names without regard to case, would take
// either.
QString sameNameOtherCase(const QString& path);

} // namespace editor
