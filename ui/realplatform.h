// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/platform.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTextToSpeech>
#include <atomic>
#include <QPointer>

class QFileDialog;

namespace ui {

class RealPlatform final : public Platform {
public:
    RealPlatform();
    void messageBox(QWidget* parent, const QString& text, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
    QString inputBoxWithDefault(QWidget* parent, const QString& prompt, const QString& title,
                                const QString& defaultText) override;
    QString inputBoxWithChoices(QWidget* parent, const QString& prompt, const QString& title,
                                const QStringList& choices) override;
    void beep() override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    void showHelp(const QString& helpFile) override;
    double timeOfDay() override;
    float random() override;
    void processEvents() override;
    QDateTime currentDateTime() override;
    void sleep(int milliseconds) override;
    bool canSpeak() override;
    void speak(const QString& text, const QLocale& locale) override;
    bool screenReaderRunning() override;

private:
    QTextToSpeech* speech();
    // The application owns it: this platform outlives the application.
    QPointer<QTextToSpeech> m_speech;
    bool m_speechTried = false;
    int m_screenReader = -1;  // unknown until the bus first answers
    double m_startOfDay = 0;
    QElapsedTimer m_monotonic;
    std::atomic<quint64> m_draws{0};
};

// Widens a message box so that the window manager can show its whole title: the icon and the
// buttons of a title bar take about this many pixels beside the text.
constexpr int TitleDecorationAllowance = 120;
void fitTitle(QMessageBox* box);

// Turns "Text (*.a)|*.a|All (*.*)|*.*" into Qt's ";;"-separated filter list.
QStringList qtFilters(const QString& vbFilter);

// Sets up an open or save dialog from a request: filters and the chosen one, default
// extension, patterns without regard to case, and a question before a file is replaced.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save);

} // namespace ui
