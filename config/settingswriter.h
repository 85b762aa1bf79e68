#pragma once
// Writing the settings file "valdra.ini": the counterpart of the reader in settingsfile.h.
// Widget-free.
#include <QString>
#include <QStringList>

namespace settingsfile {

// The nine settings the file carries, as text, exactly as the editor's boxes hold them.
struct GameSettings {
    QString QuizFile;
    QString PicListFile;
    QString QuizPicFile;
    QString GameWidth;
    QString GameHeight;
    QString QuizTop;
    QString QuizLeft;
    QString TimeOption;
    QString DoorOption;
};

// The lines of the file in their written order, each a label and its text; an empty setting
// writes no line, so its default applies at the next start.
QStringList settingsLines(const GameSettings& settings);

// The lines of an existing file that the editor does not write itself (a teacher's "Results:"
// line, notes, anything else), in their order: a save keeps them after its own.
QStringList keptLines(const QStringList& existing);

// The settings file to write in `folder`: the one the reader would read there, whatever the
// case of its name, so that saving never leaves the old file behind to be read again;
// "Valdra.ini" where none exists yet.
QString settingsFilePath(const QString& folder);

// What a rewrite from the editor would lose of the file as it is: the first line the game does
// not read as a setting (a note, a mistyped label) or whose value stops the reading (a game
// length or window size out of range), as "line 4: ...". Empty when the file read whole.
QString unreadLine(const QStringList& lines);

// A number as its shortest decimal text, without exponent or needless point: 3, 12000, 2.5.
// A single-precision value gives its own shortest text (1.6666666, not 1.6666666269302368).
QString numberText(double value);
QString numberText(float value);
inline QString numberText(int value) { return QString::number(value); }

} // namespace settingsfile
