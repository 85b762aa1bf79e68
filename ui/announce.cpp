// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/announce.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>

namespace ui {

namespace {
const QString kName = QStringLiteral("liveAnnouncement");
const char* const kPending = "pendingAnnouncement";
}

QLabel* announcer(const QWidget* window)
{
    return window ? window->findChild<QLabel*>(kName, Qt::FindDirectChildrenOnly) : nullptr;
}

void announce(QWidget* window, const QString& text)
{
    if (!window || text.isEmpty())
        return;
    QLabel* label = announcer(window);
    if (!label) {
        // Shown, so it is in the accessibility tree, but one pixel and clear, so no one sees it.
        label = new QLabel(window);
        label->setObjectName(kName);
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
        label->setGeometry(0, 0, 1, 1);
        label->show();
    }
    // What one action brings (an outcome, then the next question) is said as one, in order:
    // a second change at once would cut the first short.
    QStringList pending = label->property(kPending).toStringList();
    pending << text;
    label->setProperty(kPending, pending);
    if (pending.size() > 1)
        return;
    QTimer::singleShot(0, label, [label] {
        const QString said = label->property(kPending).toStringList().join(QLatin1Char(' '));
        label->setProperty(kPending, QVariant());
        label->setText(said);
        label->setAccessibleName(said);
        QAccessibleEvent alert(label, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    });
}

} // namespace ui
