// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/textscan.h"

#include "files/textfile.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace checker {

namespace {

QString hexByte(uint b) { return QStringLiteral("0x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

} // namespace

bool checkRead(const ui::TextFile& file, FileReport& report, QString* summary)
{
    if (!file.opened) {
        report.readable = false;
        report.problem(0, QCoreApplication::translate("checker", "cannot be read: %1").arg(file.error));
        return false;
    }
    return checkText(file, report, summary);
}

bool checkText(const ui::TextFile& file, FileReport& report, QString* summary)
{
    // UTF-16, as some editors save "Unicode" text: every other byte is a NUL.
    if (file.utf16) {
        report.problem(0, QCoreApplication::translate("checker", "the file is UTF-16 text, which the game cannot read: save it as UTF-8 or as "
                                         "Windows-1252 (\"ANSI\")"));
        return false;
    }
    // No text file holds a NUL byte; a picture or a word-processor document does.
    if (file.firstNul >= 0) {
        report.problem(file.firstNulLine,
            QCoreApplication::translate("checker", "holds a NUL byte: this is no text file (a picture, or a document saved by a word processor?)"));
        return false;
    }

    QString encoding;
    bool asUtf8 = false;
    switch (file.encoding) {
    case ui::Encoding::Utf8Bom: encoding = QCoreApplication::translate("checker", "UTF-8 with a byte order mark"); asUtf8 = true; break;
    case ui::Encoding::Ascii: encoding = QStringLiteral("ASCII"); break;
    case ui::Encoding::Utf8: encoding = QStringLiteral("UTF-8"); asUtf8 = true; break;
    case ui::Encoding::Windows1252: encoding = QStringLiteral("Windows-1252"); break;
    }

    if (file.firstNotUtf8 >= 0 && (asUtf8 || file.utf8Letters)) {
        const QString hex = hexByte(file.firstNotUtf8Byte);
        report.problem(file.firstNotUtf8Line,
            asUtf8 ? QCoreApplication::translate("checker", "byte %1 is not UTF-8: the game shows it as a replacement character").arg(hex)
                   : QCoreApplication::translate("checker", "byte %1 is not UTF-8, so the game reads the whole file as Windows-1252 and "
                                    "every accented letter written in UTF-8 shows as two odd characters: save the "
                                    "file as UTF-8 throughout")
                         .arg(hex));
    }

    // Characters that are no text: control characters, and the five bytes that Windows-1252
    // leaves unused. One report a line, and only the first few lines of a file that is no text.
    constexpr int MostLines = 10;
    int badLines = 0;
    for (int i = 0; i < file.lines.size(); ++i) {
        for (QChar c : file.lines[i]) {
            const uint u = c.unicode();
            const bool control = (u < 0x20 && u != '\t') || u == 0x7F;
            const bool unused = !asUtf8 && (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D);
            if (!control && !unused)
                continue;
            if (++badLines <= MostLines)
                report.problem(i + 1, control ? QCoreApplication::translate("checker", "holds the control character %1, which is no text").arg(hexByte(u))
                                              : QCoreApplication::translate("checker", "byte %1 is no character in Windows-1252").arg(hexByte(u)));
            break;
        }
    }
    if (badLines > MostLines)
        report.problem(0, QCoreApplication::translate("checker", "%1 more lines hold bytes that are no text: is this a text file?").arg(badLines - MostLines));

    QStringList kinds;
    if (file.crlf)
        kinds << QStringLiteral("CR LF");
    if (file.lf)
        kinds << QStringLiteral("LF");
    if (file.cr)
        kinds << QStringLiteral("CR");
    QString endings;
    if (kinds.isEmpty())
        endings = QCoreApplication::translate("checker", "no line breaks");
    else if (kinds.size() == 1)
        endings = QCoreApplication::translate("checker", "%1 line endings").arg(kinds.first());
    else
        endings = QCoreApplication::translate("checker", "mixed line endings (%1)").arg(kinds.join(QStringLiteral(", ")));
    if (kinds.size() > 1)
        report.warn(0, QCoreApplication::translate("checker", "mixed line endings (%1 CR LF, %2 LF, %3 CR): the game reads each as a line break, "
                                      "but other programs may not")
                           .arg(file.crlf)
                           .arg(file.lf)
                           .arg(file.cr));
    if (summary)
        *summary = encoding + QStringLiteral(", ") + endings;
    return true;
}

QString quoted(const QString& text)
{
    constexpr int Longest = 60;
    if (text.size() <= Longest)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + text.left(Longest - 3) + QStringLiteral("...\"");
}

int editDistance(const QString& a, const QString& b)
{
    const QString x = a.toCaseFolded(), y = b.toCaseFolded();
    std::vector<int> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

QString missingFileHint(const QString& name)
{
    if (name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("checker", " (the blanks at the end of the name count)");
    if (name.size() >= 2 && name[0].isLetter() && name[1] == QLatin1Char(':'))
        return QCoreApplication::translate("checker", " (a Windows drive: name the file as it is found on this computer)");
    return QString();
}

QString lineRange(int first, int last)
{
    if (first == last)
        return QCoreApplication::translate("checker", "line %1").arg(first);
    return QCoreApplication::translate("checker", "lines %1 to %2").arg(first).arg(last);
}

} // namespace checker
