// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/csv.h"

#include "files/csv.h"
#include "files/textfile.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace editor {

namespace {


int nonEmptyCells(const QStringList& cells)
{
    int last = 0;
    for (int i = 0; i < cells.size(); ++i)
        if (!cells[i].trimmed().isEmpty())
            last = i + 1;
    return last;
}

// Accents and case set aside, so "Réponse" and "REPONSE" title the same column.
QString folded(const QString& title)
{
    QString out;
    for (const QChar c : title.normalized(QString::NormalizationForm_D).toCaseFolded())
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out.simplified();
}

QString columnLetter(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

bool wholeNumber(const QString& cell)
{
    QString t = cell.trimmed();
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    bool ok = false;
    t.toInt(&ok);
    return ok;
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

} // namespace

int columnRole(const QString& title)
{
    const QString t = folded(title);
    const auto has = [&t](std::initializer_list<const char*> words) {
        for (const char* w : words)
            if (t.contains(QLatin1String(w)))
                return true;
        return false;
    };
    // Wrong before right: "incorrect" holds "correct".
    if (has({"wrong", "incorrect", "false", "distractor", "mauvaise", "fausse", "erronee", "leurre", "autre reponse"}))
        return 2;
    if (has({"right", "correct", "bonne", "juste", "vraie", "solution"}) || t == QLatin1String("answer")
        || t == QLatin1String("reponse"))
        return 1;
    if (has({"question", "enonce"}) && !has({"no.", "number", "numero", "#"}) && t != QLatin1String("question no"))
        return 0;
    return -1;
}

bool looksLikeHeader(const QStringList& cells)
{
    int titled = 0;
    bool question = false;
    for (const QString& cell : cells) {
        const QString t = cell.trimmed();
        if (t.size() > 40 || t.endsWith(QLatin1Char('?')))
            return false;
        const int role = columnRole(t);
        titled += role >= 0;
        question = question || role == 0;
    }
    return question && titled >= 2;
}

CsvImport importCells(const QString& text, QChar separator)
{
    CsvImport result;
    result.separator = separator;
    QList<QStringList> rows;
    QList<bool> unclosed;
    {
        QStringList cells;
        qsizetype pos = 0;
        bool open = false;
        while (files::csv::readRecord(text, pos, separator, cells, &open)) {
            rows << cells;
            unclosed << open;
        }
    }
    // Which column each field is read from.
    QList<int> fieldColumn(FieldCount, -1);
    int first = 0;
    int width = 0;
    QList<bool> untitled;  // header columns without a title that were not taken
    for (const QStringList& row : rows)
        width = std::max(width, nonEmptyCells(row));
    if (!rows.isEmpty() && looksLikeHeader(rows[0])) {
        result.header = true;
        first = 1;
        int wrong = 2;
        const QStringList& titles = rows[0];
        QList<bool> taken(std::max<qsizetype>(width, titles.size()), false);
        int lastRole = -1;
        for (int c = 0; c < taken.size(); ++c) {
            const QString title = c < titles.size() ? titles[c].trimmed() : QString();
            // Untitled columns right after a wrong answer's are more wrong answers, as when one
            // title heads all three.
            const int role = title.isEmpty() && lastRole == 2 ? 2 : columnRole(title);
            lastRole = role;
            const int field = role == 2 ? (wrong < FieldCount ? wrong++ : -1) : role;
            if (field >= 0 && fieldColumn[field] < 0) {
                fieldColumn[field] = c;
                taken[c] = true;
            }
            untitled << (title.isEmpty() && !taken[c]);
        }
        for (int c = 0; c < taken.size(); ++c) {
            if (taken[c])
                continue;
            const QString title = c < titles.size() ? titles[c].trimmed() : QString();
            bool used = !title.isEmpty();
            for (int r = 1; r < rows.size() && !used; ++r)
                used = c < rows[r].size() && !rows[r][c].trimmed().isEmpty();
            if (used)
                result.leftOut << (title.isEmpty() ? QCoreApplication::translate("editor::Csv", "column %1").arg(columnLetter(c))
                                                   : QLatin1Char('"') + title + QLatin1Char('"'));
        }
    } else {
        // Rows numbered in a first column: every row with text starts with a whole number, and
        // the question follows it.
        int numbered = 0, withText = 0;
        for (const QStringList& row : rows) {
            if (nonEmptyCells(row) == 0)
                continue;
            ++withText;
            numbered += wholeNumber(row[0]) && nonEmptyCells(row) >= 2;
        }
        result.numbered = withText > 0 && numbered == withText;
        for (int f = 0; f < FieldCount; ++f)
            fieldColumn[f] = f + result.numbered;
        if (result.numbered)
            result.leftOut << QCoreApplication::translate("editor::Csv", "column A (numbers)");
    }

    result.questions.reserve(rows.size());
    for (int r = first; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const int rowNumber = r + 1;
        const int used = nonEmptyCells(cells);
        if (used == 0)
            continue;  // an empty row holds nothing to lose
        Question q;
        bool brokenLine = false;
        for (int f = 0; f < FieldCount; ++f) {
            const int c = fieldColumn[f];
            if (c < 0 || c >= cells.size())
                continue;
            const QString flat = oneLine(cells[c]);
            brokenLine = brokenLine || flat != cells[c];
            q.setField(f, flat.trimmed());
        }
        QStringList said;
        bool beyondTitles = false;
        for (int c = 0; c < cells.size() && result.header; ++c)
            beyondTitles = beyondTitles || (c < untitled.size() && untitled[c] && !cells[c].trimmed().isEmpty());
        if (beyondTitles)
            said << QCoreApplication::translate("editor::Csv", "it has %1 cells, more than the columns with titles; the cells without one were left out")
                        .arg(used);
        if (!result.header && used > FieldCount + result.numbered)
            said << QCoreApplication::translate("editor::Csv", "it has %1 cells; only the first five (question, right answer, three wrong answers) were taken")
                        .arg(used);
        if (q.text.isEmpty())
            said << QCoreApplication::translate("editor::Csv", "its question cell is empty");
        else if (q.answers[0].isEmpty())
            said << QCoreApplication::translate("editor::Csv", "it has no right answer");
        if (brokenLine)
            said << QCoreApplication::translate("editor::Csv", "a cell holds a line break, which became a space");
        if (unclosed[r])
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
    CsvImport result = importCells(text, files::csv::guessSeparator(text));
    result.encoding = encoding;
    return result;
}

QByteArray exportCsv(const Questions& questions)
{
    QString text;
    const QStringList header = {QCoreApplication::translate("editor::Csv", "Question"), QCoreApplication::translate("editor::Csv", "Right answer"), QCoreApplication::translate("editor::Csv", "Wrong answer 1"), QCoreApplication::translate("editor::Csv", "Wrong answer 2"),
                                QCoreApplication::translate("editor::Csv", "Wrong answer 3")};
    const auto addRow = [&text](const QStringList& cells) { text += files::csv::writeRecord(cells) + QStringLiteral("\r\n"); };
    addRow(header);
    for (const Question& q : questions)
        addRow({q.text, q.answers[0], q.answers[1], q.answers[2], q.answers[3]});
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace editor
