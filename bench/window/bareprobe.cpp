// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt Widgets window of the game window's size, with a label, four buttons
// and a one-second timer, doing by hand what the game's window does at its simplest. It links
// Qt Widgets alone. With --idle it only shows itself and waits (the driver watches its start);
// otherwise --size, --big and --zoom give the game window's sizes and zoom to measure at.
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

void clickOn(QWidget* button)
{
    const QPointF at = QRectF(button->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton, {}, {});
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QSize size = sizeArgument(QStringLiteral("--size"), QSize(792, 554));
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
    if (QCoreApplication::arguments().contains(QStringLiteral("--idle")))
        return app.exec();

    const QStringList args = QCoreApplication::arguments();
    const qsizetype zoomAt = args.indexOf(QStringLiteral("--zoom"));
    const int zoom = zoomAt >= 0 && zoomAt + 1 < args.size() ? args[zoomAt + 1].toInt() : 300;
    const QSize big = sizeArgument(QStringLiteral("--big"), size * zoom / 100);
    ProbeSteps steps;
    steps.window = &window;
    steps.startGame = [&] { tick.start(); };
    steps.prepareClick = [] {};
    steps.click = [&] { clickOn(answers[0]); };
    steps.relayout = [&] { window.resize(1920, window.height() == 1080 ? 1079 : 1080); };
    // The text grows with the zoom, as the game's does.
    steps.zoomBig = [&] {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * zoom / 100.0);
        QApplication::setFont(font);
        window.resize(big);
        return zoom;
    };
    steps.relayoutBig = [&] { window.resize(big.width(), window.height() == big.height() ? big.height() - 1 : big.height()); };
    return runProbe(steps);
}
