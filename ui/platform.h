// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything that waits for a person or the world goes through this seam, so that tests can
// script it: message boxes, the input box, the beep, file dialogs, help, the clock, chance and
// event processing.
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace ui {

struct FileDialogRequest {
    QString filter;       // "Description (*.ext)|*.ext|..." pairs
    int filterIndex = 1;  // 1-based
    QString fileName;     // initial name
    QString defaultExt;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box with one OK button.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& title) = 0;
    // Modal message box with one OK button and a Details area that holds a longer text.
    virtual void messageBoxWithDetails(QWidget* parent, const QString& text, const QString& details, const QString& title);
    // Modal Yes/No question with a stop icon, No being the default. True for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // Modal input box; an empty text when the player cancels.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // The same, offering `text` to keep or change.
    virtual QString inputBoxWithDefault(QWidget* parent, const QString& prompt, const QString& title,
                                        const QString& text);
    // The same, offering `choices` to pick from (typing filters them), none chosen beforehand.
    virtual QString inputBoxWithChoices(QWidget* parent, const QString& prompt, const QString& title,
                                        const QStringList& choices);
    virtual void beep() = 0;
    // The chosen file name, or the request's file name unchanged when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual void showHelp(const QString& helpFile) = 0;

    // Seconds since midnight at start-up, counted on from a monotonic clock: it never jumps
    // back at midnight and grows past 86400 in a game that crosses it.
    virtual double timeOfDay() = 0;
    // A fresh uniform draw in [0, 1), in single precision.
    virtual float random() = 0;
    // Let the window system handle what is pending, once.
    virtual void processEvents() = 0;
    // Let the window system handle events as they come for up to `milliseconds`, sleeping
    // while none are pending: a wait that keeps the windows live without burning a core.
    virtual void waitForEvents(int milliseconds);
    // Shows a modal dialog and returns once it has closed, with its result.
    virtual int runModal(QDialog* dialog);
    // The date and time now, to tell how old a file is (a lock left by a game that died).
    virtual QDateTime currentDateTime() = 0;
    // A short wait that handles no events (for another game to release the high-score file).
    virtual void sleep(int milliseconds) = 0;

    // Whether a speech engine can read aloud here.
    virtual bool canSpeak();
    // Reads `text` aloud in the language of `locale`, cutting short what it was reading, and
    // returns at once: nothing waits for the voice.
    virtual void speak(const QString& text, const QLocale& locale);
    // Whether a screen reader is running: it reads the game already.
    virtual bool screenReaderRunning();
};

Platform& platform();
// Installs another platform (tests); nullptr puts the real one back.
void setPlatform(Platform* p);

} // namespace ui
