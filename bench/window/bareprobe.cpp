// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt Widgets window of the game window's size, with a label, four buttons
// and a one-second timer, doing by hand what the game's window does at its simplest.
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QSize size(792, 554);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--size"));
    if (at >= 0 && at + 1 < args.size()) {
        const QStringList wh = args[at + 1].split(QLatin1Char('x'));
        size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
    }
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* question = new QLabel(QStringLiteral("Question 0"), &window);
    auto* clock = new QLabel(QStringLiteral("180"), &window);
    layout->addWidget(question);
    layout->addWidget(clock);
    QPushButton* answers[4];
    for (auto*& answer : answers) {
        answer = new QPushButton(QStringLiteral("Answer"), &window);
        layout->addWidget(answer);
    }
    int next = 0;
    QObject::connect(answers[0], &QPushButton::clicked, [&] {
        ++next;
        question->setText(QStringLiteral("Question %1").arg(next));
        for (int i = 0; i < 4; ++i)
            answers[i]->setText(QStringLiteral("Answer %1.%2").arg(next).arg(i));
    });
    QTimer tick;
    tick.setInterval(1000);
    int seconds = 180;
    QObject::connect(&tick, &QTimer::timeout, [&] { clock->setText(QString::number(--seconds)); });
    window.resize(size);
    window.show();

    ProbeSteps steps;
    steps.window = &window;
    steps.startGame = [&] { tick.start(); };
    steps.prepareClick = [] {};
    steps.click = [&] { QTest::mouseClick(answers[0], Qt::LeftButton); };
    return runProbe(steps);
}
