// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/csv.h"

#include "files/textfile.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace editor {

namespace {


constexpr int SampleRows = 10;  // rows that decide the separator

int nonEmptyCells(const QStringList& cells)
{
    int last = 0;
    for (int i = 0; i < cells.size(); ++i)
        if (!cells[i].trimmed().isEmpty())
            last = i + 1;
    return last;
}

QString decodeCsv(const QByteArray& bytes, QString* encoding)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // "Unicode text" as some spreadsheets save it.
        *encoding = QStringLiteral("UTF-16");
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    const QString text = ui::decodeText(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        *encoding = QStringLiteral("UTF-8 with a byte order mark");
    else if (text == QString::fromUtf8(bytes))
        *encoding = QStringLiteral("UTF-8");
    else
        *encoding = QStringLiteral("Windows-1252");
    return text;
}

QString quoteCell(const QString& cell)
{
    const bool needs = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char('\n'))
        || cell.contains(QLatin1Char('\r')) || cell.startsWith(QLatin1Char(' ')) || cell.endsWith(QLatin1Char(' '));
    if (!needs)
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QList<QStringList> parseCells(const QString& text, QChar separator, int* unclosed)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false, wasQuoted = false, rowHasText = false;
    int quoteRow = 0;
    if (unclosed)
        *unclosed = 0;
    const auto endCell = [&] {
        row << cell;
        cell.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        rows << row;
        row.clear();
        rowHasText = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && cell.trimmed().isEmpty() && !wasQuoted) {
            // A quoted cell; blanks before its opening mark are no part of it.
            cell.clear();
            quoted = wasQuoted = true;
            rowHasText = true;
            quoteRow = int(rows.size()) + 1;
        } else if (c == separator) {
            endCell();
            rowHasText = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            // Text after a closing mark (a "b"c) is kept, as spreadsheets keep it.
            cell += c;
            rowHasText = true;
        }
    }
    if (quoted && unclosed)
        *unclosed = quoteRow;
    if (rowHasText || !cell.isEmpty() || !row.isEmpty())
        endRow();
    return rows;
}

QChar detectSeparator(const QString& text)
{
    // Only the first rows: enough to tell, and a long file decides as fast as a short one.
    qsizetype end = 0;
    for (int lines = 0; end < text.size() && lines < SampleRows; ++end)
        if (text[end] == QLatin1Char('\n'))
            ++lines;
    const QString sample = text.left(end);
    QChar best = QLatin1Char(',');
    int bestScore = -1;
    for (QChar candidate : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')}) {
        int score = 0;
        for (const QStringList& row : parseCells(sample, candidate)) {
            const int cells = nonEmptyCells(row);
            score += (cells >= 2 && cells <= FieldCount) + 2 * (cells == FieldCount);
        }
        if (score > bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

bool looksLikeHeader(const QStringList& cells)
{
    if (cells.isEmpty() || cells[0].trimmed().endsWith(QLatin1Char('?')))
        return false;
    // Column titles in the languages teachers here write them in.
    static const char* const words[] = {"question", "answer", "right", "correct", "wrong", "réponse", "reponse",
                                        "bonne", "mauvaise", "fausse"};
    int titled = 0;
    for (const QString& cell : cells) {
        const QString folded = cell.trimmed().toCaseFolded();
        if (folded.size() > 40)
            return false;
        for (const char* word : words)
            if (folded.contains(QString::fromUtf8(word))) {
                ++titled;
                break;
            }
    }
    return titled >= 2 || (titled == 1 && cells[0].trimmed().toCaseFolded().contains(QStringLiteral("question")));
}

CsvImport importCells(const QString& text, QChar separator)
{
    CsvImport result;
    result.separator = separator;
    int unclosed = 0;
    const QList<QStringList> rows = parseCells(text, separator, &unclosed);
    result.questions.reserve(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const int rowNumber = r + 1;
        const int used = nonEmptyCells(cells);
        if (used == 0)
            continue;  // an empty row holds nothing to lose
        if (r == 0 && looksLikeHeader(cells)) {
            result.header = true;
            continue;
        }
        Question q;
        bool brokenLine = false;
        for (int f = 0; f < FieldCount && f < cells.size(); ++f) {
            const QString flat = oneLine(cells[f]);
            brokenLine = brokenLine || flat != cells[f];
            q.setField(f, flat.trimmed());
        }
        QStringList said;
        if (used > FieldCount)
            said << QCoreApplication::translate("editor::Csv", "it has %1 cells; only the first five (question, right answer, three wrong answers) were taken")
                        .arg(used);
        if (q.text.isEmpty())
            said << QCoreApplication::translate("editor::Csv", "its question cell is empty");
        else if (q.answers[0].isEmpty())
            said << QCoreApplication::translate("editor::Csv", "it has no right answer (the second cell)");
        if (brokenLine)
            said << QCoreApplication::translate("editor::Csv", "a cell holds a line break, which became a space");
        if (rowNumber == unclosed)
            said << QCoreApplication::translate("editor::Csv", "a quotation mark opened in this row is never closed, so the rest of the file went into one cell");
        if (!said.isEmpty())
            result.problems.append({rowNumber, said.join(QStringLiteral("; "))});
        result.questions << q;
    }
    return result;
}

CsvImport importCsv(const QByteArray& bytes)
{
    QString encoding;
    const QString text = decodeCsv(bytes, &encoding);
    CsvImport result = importCells(text, detectSeparator(text));
    result.encoding = encoding;
    return result;
}

QByteArray exportCsv(const Questions& questions)
{
    QString text;
    const QStringList header = {QCoreApplication::translate("editor::Csv", "Question"), QCoreApplication::translate("editor::Csv", "Right answer"), QCoreApplication::translate("editor::Csv", "Wrong answer 1"), QCoreApplication::translate("editor::Csv", "Wrong answer 2"),
                                QCoreApplication::translate("editor::Csv", "Wrong answer 3")};
    const auto addRow = [&text](const QStringList& cells) {
        QStringList quoted;
        for (const QString& cell : cells)
            quoted << quoteCell(cell);
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    addRow(header);
    for (const Question& q : questions)
        addRow({q.text, q.answers[0], q.answers[1], q.answers[2], q.answers[3]});
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace editor
