// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/realplatform.h"

#include "ui/widgets.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>
#include <QComboBox>
#include <QCompleter>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QThread>
#include <QTime>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <random>

namespace ui {

namespace {
Platform* g_override = nullptr;
}

Platform& platform()
{
    if (g_override)
        return *g_override;
    static RealPlatform real;
    return real;
}

void setPlatform(Platform* p) { g_override = p; }

RealPlatform::RealPlatform()
{
    m_startOfDay = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    m_monotonic.start();
}

void RealPlatform::messageBox(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    fitTitle(&box);
    box.exec();
    returnFocusTo(parent ? parent->window() : nullptr);
}

bool RealPlatform::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    fitTitle(&box);
    const bool yes = box.exec() == QMessageBox::Yes;
    returnFocusTo(parent ? parent->window() : nullptr);
    return yes;
}

QString RealPlatform::inputBox(QWidget* parent, const QString& prompt, const QString& title)
{
    return inputBoxWithDefault(parent, prompt, title, QString());
}

namespace {

// The title and the prompt of an input box. A carriage return in the prompt breaks its line, as
// the player expects to see it; the prompt keeps clear of the box's right edge as of its left.
void dressPrompt(QInputDialog& dialog, const QString& prompt, const QString& title)
{
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    dialog.setWindowTitle(title);
    dialog.setLabelText(shown);
    if (auto* label = dialog.findChild<QLabel*>())
        label->setContentsMargins(0, 0, label->fontMetrics().averageCharWidth() * 2, 0);
}

} // namespace

QString RealPlatform::inputBoxWithDefault(QWidget* parent, const QString& prompt, const QString& title,
                                          const QString& defaultText)
{
    QInputDialog dialog(parent);
    dressPrompt(dialog, prompt, title);
    dialog.setTextValue(defaultText);
    const bool ok = dialog.exec() == QDialog::Accepted;
    const QString text = dialog.textValue();
    return ok ? text : QString();
}

QString RealPlatform::inputBoxWithChoices(QWidget* parent, const QString& prompt, const QString& title,
                                          const QStringList& choices)
{
    QInputDialog dialog(parent);
    dressPrompt(dialog, prompt, title);
    dialog.setComboBoxItems(choices);
    dialog.setComboBoxEditable(true);
    // Nothing chosen beforehand: Enter on an empty box must not file the game under a name.
    if (auto* box = dialog.findChild<QComboBox*>()) {
        box->setCurrentIndex(-1);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(15);
        if (QCompleter* completer = box->completer()) {
            // Typing part of a name, first or last, shows the names that hold it.
            completer->setFilterMode(Qt::MatchContains);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setCompletionMode(QCompleter::PopupCompletion);
        }
    }
    dialog.setTextValue(QString());
    const bool ok = dialog.exec() == QDialog::Accepted;
    const QString text = dialog.textValue();
    returnFocusTo(parent ? parent->window() : nullptr);
    return ok ? text : QString();
}

void fitTitle(QMessageBox* box)
{
    // The window manager writes the title in its own font, beside its icon and buttons; a box
    // only as wide as a short text would have it cut. Measure it generously in bold.
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    if (!grid)
        return;
    QFont font = QApplication::font();
    font.setBold(true);
    const int text = QFontMetrics(font).horizontalAdvance(box->windowTitle());
    const int wanted = text * 6 / 5 + TitleDecorationAllowance;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void RealPlatform::beep() { QApplication::beep(); }

QStringList qtFilters(const QString& vbFilter)
{
    const QStringList parts = vbFilter.split(QLatin1Char('|'));
    QStringList filters;
    if (parts.size() == 1) {
        filters << parts.front();
        return filters;
    }
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(pattern);
        filters << description;
    }
    return filters;
}

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save)
{
    // Qt's own dialog everywhere: its patterns match without regard to case (a camera writes
    // .JPG) and it asks before it replaces a file, whatever desktop the game runs on.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDirectory(QDir::current());
    QStringList filters = qtFilters(request.filter);
    // "*.*" means every file, those without a dot too.
    for (QString& f : filters)
        f.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    // Files on this system carry their extension in lower case.
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt.toLower());
    if (!request.fileName.contains(QLatin1Char('*')))
        dialog.selectFile(request.fileName);
    // Qt sizes the detail columns for short samples ("mp3Folder"), which cuts a file's type and
    // date in the middle: room for the longest the dialog shows here, at the font in force.
    if (auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QFontMetrics fm(tree->font());
        const int pad = fm.horizontalAdvance(QLatin1Char('M')) * 2;
        const QString date = QLocale().toString(QDateTime(QDate(2026, 12, 29), QTime(23, 59, 59)), QLocale::ShortFormat);
        QHeaderView* header = tree->header();
        header->resizeSection(1, fm.horizontalAdvance(QStringLiteral("1,023.99 KiB")) + pad);
        header->resizeSection(2, fm.horizontalAdvance(QStringLiteral("plain text document")) + pad);
        header->resizeSection(3, fm.horizontalAdvance(date) + pad);
    }
}

static QString runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(parent);
    configureFileDialog(dialog, request, save);
    const int result = dialog.exec();
    returnFocusTo(parent ? parent->window() : nullptr);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return request.fileName;
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

QString RealPlatform::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, false);
}

QString RealPlatform::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, true);
}

void RealPlatform::showHelp(const QString& helpFile)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
}

double RealPlatform::timeOfDay() { return m_startOfDay + m_monotonic.nsecsElapsed() / 1e9; }

float RealPlatform::random()
{
    // A fresh seed for every draw: the high-resolution clock mixed with a counter, so two draws
    // in the same microsecond still differ.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{quint64(now), quint64(now) >> 32, m_draws.fetch_add(1), quint64(0x9e3779b97f4a7c15ull)};
    std::mt19937_64 engine(seq);
    // 24 random bits make a float in [0, 1) that can never round up to 1.
    return float(engine() >> 40) / float(1u << 24);
}

void RealPlatform::processEvents() { QCoreApplication::processEvents(); }

void Platform::waitForEvents(int milliseconds)
{
    // A nested event loop sleeps in the window system's wait until an event or the timer comes.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::max(milliseconds, 0));
    loop.exec();
}

void Platform::messageBoxWithDetails(QWidget* parent, const QString& text, const QString& details, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    fitTitle(&box);
    box.exec();
    returnFocusTo(parent ? parent->window() : nullptr);
}

// A platform that cannot offer a text asks without one.
QString Platform::inputBoxWithDefault(QWidget* parent, const QString& prompt, const QString& title, const QString&)
{
    return inputBox(parent, prompt, title);
}

QString Platform::inputBoxWithChoices(QWidget* parent, const QString& prompt, const QString& title, const QStringList&)
{
    return inputBox(parent, prompt, title);
}

bool Platform::canSpeak() { return false; }
void Platform::speak(const QString&, const QLocale&) {}
bool Platform::screenReaderRunning() { return false; }

QTextToSpeech* RealPlatform::speech()
{
    if (!m_speechTried && qApp) {
        m_speechTried = true;
        // Speech Dispatcher when it is there (the desktop's voices, French among them), else
        // whatever engine Qt finds.
        const QStringList engines = QTextToSpeech::availableEngines();
        if (!engines.isEmpty()) {
            auto* tts = engines.contains(QStringLiteral("speechd")) ? new QTextToSpeech(QStringLiteral("speechd"), qApp)
                                                                    : new QTextToSpeech(qApp);
            if (tts->state() == QTextToSpeech::Error)
                delete tts;
            else
                m_speech = tts;
        }
    }
    return m_speech;
}

bool RealPlatform::canSpeak() { return speech() != nullptr; }

void RealPlatform::speak(const QString& text, const QLocale& locale)
{
    QTextToSpeech* tts = speech();
    if (!tts || text.isEmpty())
        return;
    if (tts->locale().language() != locale.language())
        tts->setLocale(locale);
    tts->say(text);
}

bool RealPlatform::screenReaderRunning()
{
    // The accessibility bus's status: ScreenReaderEnabled is what the desktop sets when the user
    // turns a screen reader on; IsEnabled is what a screen reader started by hand (Orca 43) sets.
    // Either means assistive technology reads the game, and the game must not say it twice.
    // The first answer is awaited a moment; later ones come in the background, so the clock is
    // never held up.
    auto ask = [](const QString& property) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        message << QStringLiteral("org.a11y.Status") << property;
        return message;
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (m_screenReader < 0) {
        bool on = false;
        for (const QString& property : {QStringLiteral("ScreenReaderEnabled"), QStringLiteral("IsEnabled")}) {
            const QDBusMessage reply = bus.call(ask(property), QDBus::Block, 300);
            on = on || (!reply.arguments().isEmpty() && reply.arguments().first().value<QDBusVariant>().variant().toBool());
        }
        m_screenReader = on ? 1 : 0;
        return on;
    }
    auto* both = new int(0);
    auto* answered = new int(0);
    for (const QString& property : {QStringLiteral("ScreenReaderEnabled"), QStringLiteral("IsEnabled")}) {
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask(property), 1000), qApp);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, qApp, [this, watcher, both, answered] {
            const QDBusPendingReply<QDBusVariant> reply = *watcher;
            if (reply.isValid() && reply.value().variant().toBool())
                *both = 1;
            if (++*answered == 2) {
                m_screenReader = *both;
                delete both;
                delete answered;
            }
            watcher->deleteLater();
        });
    }
    return m_screenReader == 1;
}

int Platform::runModal(QDialog* dialog)
{
    QWidget* owner = dialog->parentWidget();
    const int result = dialog->exec();
    returnFocusTo(owner ? owner->window() : nullptr);
    return result;
}
QDateTime RealPlatform::currentDateTime() { return QDateTime::currentDateTimeUtc(); }

void RealPlatform::sleep(int milliseconds) { QThread::msleep(ulong(qMax(0, milliseconds))); }

} // namespace ui
