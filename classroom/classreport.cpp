// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classreport.h"

#include "classroom/classcharts.h"
#include "ui/language.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMap>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextDocument>
#include <QUrl>
#include <cmath>

namespace classroom {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("classroom", text); }

QString esc(const QString& text) { return text.toHtmlEscaped(); }

QString percent(double share) { return QStringLiteral("%1 %").arg(qRound(share * 100)); }

// The most-missed questions the report lists, and the bars it draws.
constexpr int ListedQuestions = 15;
// Chart pictures, in pixels; drawn at the page's width.
const QSize ChartSize(960, 540);

// The class's mean game by day, for a progress chart of the whole class.
QList<ProgressPoint> classByDay(const QList<RecordRow>& rows)
{
    struct Day {
        qint64 score = 0;
        int asked = 0, right = 0, games = 0;
    };
    QMap<QString, Day> days;
    for (const RecordRow& row : rows) {
        const QDate d = dayOf(row);
        if (!d.isValid())
            continue;
        Day& day = days[d.toString(Qt::ISODate)];
        day.score += row.score;
        day.asked += row.asked;
        day.right += row.rightFirstTime;
        ++day.games;
    }
    QList<ProgressPoint> points;
    for (auto it = days.cbegin(); it != days.cend(); ++it)
        points << ProgressPoint{it.key() + QStringLiteral("T12:00:00"), it->score / it->games,
                                it->asked > 0 ? double(it->right) / it->asked : 0.0};
    return points;
}

QString cell(const QString& text, bool number = false)
{
    return number ? QStringLiteral("<td align=\"right\">%1</td>").arg(text) : QStringLiteral("<td>%1</td>").arg(text);
}

QString headings(const QStringList& texts)
{
    QString html = QStringLiteral("<tr>");
    for (const QString& t : texts)
        html += QStringLiteral("<th align=\"left\" bgcolor=\"#e8eef4\">%1</th>").arg(esc(t));
    return html + QStringLiteral("</tr>");
}

const char* const TableStart = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
                               "style=\"border-collapse: collapse; border-color: #888888;\">";

// Dates in the language the game speaks, whatever the system's.
QLocale reportLocale() { return language::isFrench() ? QLocale(QLocale::French, QLocale::Canada) : QLocale(); }

double screenDpi()
{
    // The text document lays out in the screen's logical pixels; the page is scaled from them.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

QPageSize::PageSizeId pageSizeFor(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::Canada:
    case QLocale::UnitedStates:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

QString reportHtml(const ReportInput& in)
{
    const QList<PupilSummary> pupils = pupilSummaries(in.rows);
    const QList<QuestionTally> tallies = mostMissed(in.rows, in.questionFile, in.questionTexts);
    qint64 total = 0, best = 0;
    int asked = 0, right = 0;
    QString first, last;
    for (const RecordRow& row : in.rows) {
        total += row.score;
        best = std::max(best, row.score);
        asked += row.asked;
        right += row.rightFirstTime;
        if (first.isEmpty() || row.when < first)
            first = row.when;
        if (row.when > last)
            last = row.when;
    }
    const QLocale locale = reportLocale();
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1>%1</h1>").arg(esc(tr("Class report")));
    html += QStringLiteral("<p>%1<br>%2<br>%3</p>")
                .arg(esc(tr("Class record: %1").arg(in.recordFile)), esc(tr("Games shown: %1").arg(in.filters)),
                     esc(tr("Made on %1").arg(locale.toString(in.made, QLocale::LongFormat))));

    html += QStringLiteral("<h2>%1</h2>").arg(esc(tr("Class summary")));
    html += QLatin1String(TableStart);
    const auto line = [&](const QString& what, const QString& value) {
        html += QStringLiteral("<tr><td width=\"45%\">%1</td>").arg(esc(what)) + cell(esc(value), true) + QStringLiteral("</tr>");
    };
    line(tr("Games"), QString::number(in.rows.size()));
    line(tr("Pupils"), QString::number(pupils.size()));
    if (!in.rows.isEmpty()) {
        line(tr("From"), first.left(10));
        line(tr("To"), last.left(10));
        line(tr("Mean score"), QString::number(double(total) / in.rows.size(), 'f', 1));
        line(tr("Best score"), QString::number(best));
        line(tr("Questions answered right the first time"), asked > 0 ? percent(double(right) / asked) : QStringLiteral("-"));
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h2>%1</h2>").arg(esc(tr("The most missed questions of %1").arg(in.questionFile)));
    if (tallies.isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(esc(tr("None of these games used this question file.")));
    } else {
        const int numbered = gamesByNumber(in.rows, in.questionFile);
        if (numbered > 0)
            html += QStringLiteral("<p><i>%1</i></p>")
                        .arg(esc(tr("%1 of these games were recorded by question number; their questions are matched "
                                    "against the question file as it is now and may no longer match.")
                                     .arg(numbered)));
        html += QLatin1String(TableStart)
              + headings({tr("Question"), tr("Asked"), tr("Missed"), tr("Right the first time")});
        for (int i = 0; i < std::min<int>(ListedQuestions, int(tallies.size())); ++i) {
            const QuestionTally& t = tallies[i];
            html += QStringLiteral("<tr>") + cell(esc(t.text.isEmpty() ? tr("(not in the question file now)") : t.text))
                  + cell(QString::number(t.asked), true) + cell(QString::number(t.missed), true)
                  + cell(percent(t.shareRight()), true) + QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        html += QStringLiteral("<p><img src=\"chart:share\" width=\"640\" height=\"360\"></p>");
    }
    if (!in.rows.isEmpty())
        html += QStringLiteral("<h2>%1</h2><p><img src=\"chart:progress\" width=\"640\" height=\"360\"></p>")
                    .arg(esc(tr("The class, day by day")));

    html += QStringLiteral("<h2>%1</h2>").arg(esc(tr("Each pupil's games")));
    QMap<QString, QList<const RecordRow*>> games;
    for (const RecordRow& row : in.rows)
        games[row.name.trimmed().toCaseFolded()] << &row;
    for (const PupilSummary& p : pupils) {
        QList<const RecordRow*> list = games.value(p.name.toCaseFolded());
        std::stable_sort(list.begin(), list.end(), [](const RecordRow* a, const RecordRow* b) { return a->when < b->when; });
        html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(esc(p.name),
                         esc(tr("%1 games, best score %2, mean score %3, right the first time %4")
                                 .arg(p.games)
                                 .arg(p.best)
                                 .arg(QString::number(p.mean, 'f', 1),
                                      p.asked > 0 ? percent(double(p.rightFirstTime) / p.asked) : QStringLiteral("-"))));
        html += QLatin1String(TableStart)
              + headings({tr("Date and time"), tr("Question file"), tr("Score"), tr("Right first time"), tr("Missed")});
        for (const RecordRow* r : list)
            html += QStringLiteral("<tr>") + cell(esc(QString(r->when).replace(QLatin1Char('T'), QLatin1Char(' '))))
                  + cell(esc(r->questionFile)) + cell(QString::number(r->score), true)
                  + cell(QStringLiteral("%1 / %2").arg(r->rightFirstTime).arg(r->asked), true)
                  + cell(QString::number(r->byNumber() ? r->missed.size() : r->missedQuestions.size()), true)
                  + QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

bool paintReport(const ReportInput& in, QPagedPaintDevice& device)
{
    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { font-size: 18pt; } h2 { font-size: 13pt; margin-top: 14px; } "
                                            "h3 { font-size: 11pt; margin-top: 10px; }"));
    QFont chartFont(font);
    chartFont.setPointSizeF(11);
    const QList<QuestionTally> hardest = hardestFirst(mostMissed(in.rows, in.questionFile, in.questionTexts));
    if (!hardest.isEmpty()) {
        QChart* chart = shareRightChart(hardest, ListedQuestions, chartFont);
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:share")), chartImage(chart, ChartSize));
        delete chart;
    }
    if (!in.rows.isEmpty()) {
        QChart* chart = progressChart(classByDay(in.rows), chartFont);
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:progress")), chartImage(chart, ChartSize));
        delete chart;
    }
    doc.setHtml(reportHtml(in));

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Device pixels for the page, screen pixels for the document.
    const double scale = device.logicalDpiY() / screenDpi();
    const QRectF area(0, 0, device.width() / scale, device.height() / scale);
    const double foot = font.pointSizeF() * screenDpi() / 72.0 * 2.5;
    doc.setPageSize(QSizeF(area.width(), area.height() - foot));
    const int pages = doc.pageCount();
    const QString date = reportLocale().toString(in.made.date(), QLocale::ShortFormat);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        painter.save();
        painter.scale(scale, scale);
        const QRectF body(0, page * doc.pageSize().height(), area.width(), doc.pageSize().height());
        painter.translate(0, -body.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = body;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.save();
        painter.scale(scale, scale);
        // In the document's pixels, like the text above it.
        QFont footFont(font);
        footFont.setPixelSize(qRound(font.pointSizeF() * screenDpi() / 72.0));
        painter.setFont(footFont);
        painter.setPen(Qt::black);
        const QRectF footer(0, area.height() - foot * 0.75, area.width(), foot * 0.75);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, tr("Class report, %1").arg(date));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, tr("Page %1 of %2").arg(page + 1).arg(pages));
        painter.restore();
    }
    return painter.end();
}

bool writeReportPdf(const ReportInput& in, const QString& fileName, QString* error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(pageSizeFor(QLocale::system())));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(tr("Class report"));
        pdf.setCreator(QStringLiteral("Quillora"));
        if (!paintReport(in, pdf)) {
            file.cancelWriting();
            if (error)
                *error = file.error() != QFileDevice::NoError ? file.errorString() : tr("the report could not be drawn");
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace classroom
