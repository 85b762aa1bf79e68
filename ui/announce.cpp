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

// Its class gives it the notification role (ui/accessible.cpp). Orca 43 speaks a notification
// when it is shown, wherever the focus is, and ignores a label's changes: so each announcement
// hides the announcer and shows it again with the new text.
class Announcer : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void(const QString&)> reader;
};

namespace {

Announcer* announcerFor(QWidget* window)
{
    auto* label = static_cast<Announcer*>(announcer(window));
    if (!label) {
        // One pixel and clear, so no one sees it; hidden until its first announcement.
        label = new Announcer(window);
        label->setObjectName(kName);
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
        label->setGeometry(0, 0, 1, 1);
        label->hide();
    }
    return label;
}

} // namespace

QLabel* announcer(const QWidget* window)
{
    return window ? window->findChild<QLabel*>(kName, Qt::FindDirectChildrenOnly) : nullptr;
}

void announce(QWidget* window, const QString& text)
{
    if (!window || text.isEmpty())
        return;
    Announcer* label = announcerFor(window);
    // What one action brings (an outcome, then the next question) is said as one, in order:
    // a second change at once would cut the first short.
    QStringList pending = label->property(kPending).toStringList();
    pending << text;
    label->setProperty(kPending, pending);
    if (pending.size() > 1)
        return;
    QTimer::singleShot(0, label, [label] {
        // On one line: a screen reader may say only the first of several.
        const QString said = label->property(kPending).toStringList().join(QLatin1Char(' ')).simplified();
        label->setProperty(kPending, QVariant());
        label->hide();
        label->setText(said);
        label->setAccessibleName(said);
        label->show();
        if (label->reader)
            label->reader(said);
    });
}

void readAnnouncementsWith(QWidget* window, std::function<void(const QString&)> reader)
{
    if (window)
        announcerFor(window)->reader = std::move(reader);
}

} // namespace ui

#include "announce.moc"
