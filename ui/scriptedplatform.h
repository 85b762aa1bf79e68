// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A platform that tests drive: answers are queued, the clock is moved by hand and the random
// numbers are chosen. Nothing in it ever blocks or reads the wall clock.
#include "ui/platform.h"

#include <QList>
#include <deque>
#include <functional>
#include <vector>

namespace ui {

class ScriptedPlatform final : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        QString details;  // a box with a Details area
    };

    void messageBox(QWidget* parent, const QString& text, const QString& title) override;
    void messageBoxWithDetails(QWidget* parent, const QString& text, const QString& details, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
    // Records the text offered, then answers as inputBox does.
    QString inputBoxWithDefault(QWidget* parent, const QString& prompt, const QString& title,
                                const QString& text) override;
    // Records the choices offered, then answers as inputBox does.
    QString inputBoxWithChoices(QWidget* parent, const QString& prompt, const QString& title,
                                const QStringList& choices) override;
    void beep() override { ++beeps; }
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    void showHelp(const QString& helpFile) override { helpShown << helpFile; }
    double timeOfDay() override { return clock; }
    float random() override;
    void processEvents() override;
    // Records the wait, runs onProcessEvents as the events that come meanwhile, then moves the
    // clock on by the time waited.
    void waitForEvents(int milliseconds) override;
    // Shows the dialog, runs whileModalOpen (the test's clicks), then closes it as its close
    // box would if it is still open. Never blocks.
    int runModal(QDialog* dialog) override;
    // The date runs with `clock`, and a sleep only moves `clock` on.
    QDateTime currentDateTime() override;
    void sleep(int milliseconds) override;
    bool canSpeak() override { return speechEngine; }
    void speak(const QString& text, const QLocale& locale) override
    {
        if (speechEngine)
            spoken.push_back({text, locale.language()});
    }
    bool screenReaderRunning() override { return screenReader; }

    // What the script says.
    double clock = 36000.0;
    std::deque<float> randoms;     // used in order; 0 when the queue is empty
    std::deque<bool> yesNoAnswers; // false (No) when empty
    std::deque<QString> inputs;    // "" (as cancel) when empty
    std::deque<QString> fileNames; // the request's name (as cancel) when empty
    // Runs while a message box is "open", before it closes (e.g. to let the clock tick).
    std::function<void(const Message&)> whileMessageOpen;
    std::function<void()> onProcessEvents;
    std::function<void(QDialog*)> whileModalOpen;
    // Runs while the input box is "open", before the text is taken.
    std::function<void(const QString& prompt)> whileInputOpen;

    // What happened.
    QList<Message> messages;
    QList<Message> questions;
    QStringList prompts;
    QStringList promptTitles;
    QStringList promptDefaults;  // the text each input box offered ("" for none)
    QList<QStringList> promptChoices;  // the names each input box offered to pick from
    QList<FileDialogRequest> fileRequests;
    QStringList helpShown;
    int beeps = 0;
    int randomDraws = 0;
    int eventPasses = 0;
    QList<int> waits;           // milliseconds asked of each waitForEvents
    QStringList modalTitles;    // captions of the modal dialogs shown, in order
    int sleptMilliseconds = 0;
    bool speechEngine = false;  // whether a voice reads aloud
    bool screenReader = false;
    struct Spoken {
        QString text;
        QLocale::Language language;
    };
    std::vector<Spoken> spoken;
};

// Installs a scripted platform for the lifetime of the object.
class ScopedScriptedPlatform {
public:
    ScopedScriptedPlatform() { setPlatform(&script); }
    ~ScopedScriptedPlatform() { setPlatform(nullptr); }
    ScriptedPlatform* operator->() { return &script; }
    ScriptedPlatform script;
};

} // namespace ui
