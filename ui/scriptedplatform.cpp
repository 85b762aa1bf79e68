// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scriptedplatform.h"

#include <QDialog>
#include <QPointer>
#include <QTimeZone>

namespace ui {

void ScriptedPlatform::messageBox(QWidget*, const QString& text, const QString& title)
{
    const Message m{text, title};
    messages << m;
    if (whileMessageOpen)
        whileMessageOpen(m);
}

void ScriptedPlatform::messageBoxWithDetails(QWidget*, const QString& text, const QString& details, const QString& title)
{
    const Message m{text, title, details};
    messages << m;
    if (whileMessageOpen)
        whileMessageOpen(m);
}

bool ScriptedPlatform::askYesNo(QWidget*, const QString& text, const QString& title)
{
    questions << Message{text, title};
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString ScriptedPlatform::inputBoxWithDefault(QWidget* parent, const QString& prompt, const QString& title,
                                              const QString& text)
{
    const QString answer = inputBox(parent, prompt, title);
    promptDefaults.last() = text;
    return answer;
}

QString ScriptedPlatform::inputBoxWithChoices(QWidget* parent, const QString& prompt, const QString& title,
                                              const QStringList& choices)
{
    const QString answer = inputBox(parent, prompt, title);
    promptChoices.last() = choices;
    return answer;
}

QString ScriptedPlatform::inputBox(QWidget*, const QString& prompt, const QString& title)
{
    promptDefaults << QString();
    promptChoices << QStringList();
    prompts << prompt;
    promptTitles << title;
    if (whileInputOpen)
        whileInputOpen(prompt);
    if (inputs.empty())
        return QString();
    const QString text = inputs.front();
    inputs.pop_front();
    return text;
}

QString ScriptedPlatform::openFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests << request;
    if (fileNames.empty())
        return request.fileName;
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedPlatform::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return openFileName(parent, request);
}

float ScriptedPlatform::random()
{
    ++randomDraws;
    if (randoms.empty())
        return 0.0f;
    const float r = randoms.front();
    randoms.pop_front();
    return r;
}

void ScriptedPlatform::processEvents()
{
    ++eventPasses;
    if (onProcessEvents)
        onProcessEvents();
}

QDateTime ScriptedPlatform::currentDateTime()
{
    return QDateTime(QDate(2026, 1, 5), QTime(0, 0), QTimeZone::utc()).addMSecs(qint64(clock * 1000.0));
}

void ScriptedPlatform::sleep(int milliseconds)
{
    sleptMilliseconds += milliseconds;
    clock += milliseconds / 1000.0;
}

} // namespace ui

namespace ui {

void ScriptedPlatform::waitForEvents(int milliseconds)
{
    waits << milliseconds;
    ++eventPasses;
    if (onProcessEvents)
        onProcessEvents();
    clock += milliseconds / 1000.0;
}

int ScriptedPlatform::runModal(QDialog* dialog)
{
    modalTitles << dialog->windowTitle();
    QPointer<QDialog> open(dialog);
    dialog->setResult(0);
    dialog->show();
    if (whileModalOpen)
        whileModalOpen(dialog);
    if (!open)
        return 0;
    if (open->isVisible())
        open->close();
    return open ? open->result() : 0;
}

} // namespace ui
