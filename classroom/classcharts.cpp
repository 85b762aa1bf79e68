// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classcharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

namespace classroom {

namespace {

// Blue and orange of the Okabe-Ito palette: apart for every kind of colour blindness.
const QColor Blue(0x00, 0x72, 0xB2);
const QColor Orange(0xD5, 0x5E, 0x00);

QString tr(const char* text) { return QCoreApplication::translate("classroom", text); }

void dress(QChart* chart, const QFont& font)
{
    chart->setFont(font);
    chart->setTitleFont(QFont(font.family(), font.pointSize() + 1, QFont::Bold));
    chart->legend()->setFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
}

} // namespace

QString shortQuestion(const QString& text, int most)
{
    const QString t = text.simplified();
    return t.size() <= most ? t : t.left(most - 1).trimmed() + QChar(0x2026);
}

QChart* shareRightChart(const QList<QuestionTally>& hardest, int most, const QFont& font)
{
    auto* chart = new QChart;
    dress(chart, font);
    chart->setTitle(tr("Share right the first time, the hardest question on top"));
    auto* set = new QBarSet(tr("Right the first time (%)"));
    set->setColor(Blue);
    set->setBorderColor(Blue.darker(140));
    set->setLabelColor(Qt::black);
    set->setLabelFont(font);
    QStringList labels;
    const int n = std::min<int>(most, int(hardest.size()));
    // The bar series draws its first category at the bottom: the hardest goes in last.
    for (int i = n - 1; i >= 0; --i) {
        const QuestionTally& t = hardest[i];
        *set << std::round(t.shareRight() * 100);
        const QString text = t.text.isEmpty() ? tr("(not in the question file now)") : t.text;
        // Labels must differ, or the axis merges them.
        QString label = shortQuestion(text, 40);
        while (labels.contains(label))
            label += QLatin1Char(' ');
        labels << label;
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value %"));
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideBase);
    chart->addSeries(series);
    auto* questions = new QBarCategoryAxis;
    questions->append(labels);
    questions->setLabelsFont(font);
    // Written whole (they are shortened above), not cut to three dots.
    questions->setTruncateLabels(false);
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setTickCount(6);
    share->setLabelFormat(QStringLiteral("%d %"));
    share->setLabelsFont(font);
    chart->addAxis(questions, Qt::AlignLeft);
    chart->addAxis(share, Qt::AlignBottom);
    series->attachAxis(questions);
    series->attachAxis(share);
    chart->legend()->setVisible(false);
    return chart;
}

QChart* progressChart(const QList<ProgressPoint>& points, const QFont& font)
{
    auto* chart = new QChart;
    dress(chart, font);
    chart->setTitle(tr("Score and share right the first time, game by game"));
    auto* score = new QLineSeries;
    score->setName(tr("Score (left axis)"));
    score->setPen(QPen(Blue, 2.5));
    score->setPointsVisible(true);
    score->setMarkerSize(7);
    auto* share = new QLineSeries;
    share->setName(tr("Right the first time, % (right axis)"));
    share->setPen(QPen(Orange, 2.5, Qt::DashLine));
    auto* shareMarks = new QScatterSeries;
    shareMarks->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    shareMarks->setMarkerSize(8);
    shareMarks->setColor(Orange);
    shareMarks->setBorderColor(Orange);
    qint64 top = 100;
    qint64 first = 0, last = 0;
    for (const ProgressPoint& p : points) {
        const QDateTime when = QDateTime::fromString(p.when, Qt::ISODate);
        if (!when.isValid())
            continue;
        const qint64 ms = when.toMSecsSinceEpoch();
        first = first == 0 ? ms : std::min(first, ms);
        last = std::max(last, ms);
        score->append(double(ms), double(p.score));
        share->append(double(ms), p.shareRight * 100);
        shareMarks->append(double(ms), p.shareRight * 100);
        top = std::max(top, p.score);
    }
    chart->addSeries(score);
    chart->addSeries(share);
    chart->addSeries(shareMarks);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("yyyy-MM-dd"));
    dates->setLabelsFont(font);
    dates->setTickCount(5);
    // One game, or all in one moment: a day either side, so the axis has a width.
    if (last - first < 60 * 1000) {
        first -= 86400 * 1000;
        last += 86400 * 1000;
    }
    dates->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    auto* scores = new QValueAxis;
    scores->setRange(0, double(((top + 499) / 500) * 500));
    scores->setLabelFormat(QStringLiteral("%d"));
    scores->setLabelsFont(font);
    scores->setLabelsColor(Blue.darker(120));
    scores->setTitleText(tr("Score"));
    auto* shares = new QValueAxis;
    shares->setRange(0, 100);
    shares->setLabelFormat(QStringLiteral("%d %"));
    shares->setLabelsFont(font);
    shares->setLabelsColor(Orange.darker(120));
    shares->setTitleText(tr("Right the first time"));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(scores, Qt::AlignLeft);
    chart->addAxis(shares, Qt::AlignRight);
    score->attachAxis(dates);
    score->attachAxis(scores);
    share->attachAxis(dates);
    share->attachAxis(shares);
    shareMarks->attachAxis(dates);
    shareMarks->attachAxis(shares);
    // The markers are the dashed line's own; one legend entry for both.
    chart->legend()->markers(shareMarks).value(0)->setVisible(false);
    return chart;
}

QImage chartImage(QChart* chart, QSize size)
{
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->resize(size);
    // Twice the pixels, so the chart stays sharp on paper.
    QImage image(size * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    painter.end();
    scene.removeItem(chart);
    return image;
}

} // namespace classroom
