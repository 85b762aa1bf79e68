// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "config/settingsfile.h"
#include "files/loadmessage.h"
#include "files/settingsreading.h"
#include "game/state.h"

#include <QCoreApplication>

void Form1::ReadSettingsFile()
{
    using namespace modValdra;
    using settingsfile::Key;

    // The editor writes "Valdra.ini"; the name is matched without regard to case, so both
    // spellings reach the same file on any file system. One reading gives the settings and
    // what a teacher should know about them.
    const QString fileName = QString::fromLatin1(settingsreading::FileName);
    const QString identity = files::fileIdentity(fileName);
    const settingsreading::Reading reading = settingsreading::readSettingsFile(fileName);
    if (!reading.file.opened)
        return;
    tellFileFindings(QCoreApplication::translate("Form1", "The settings file"), reading.report, identity);

    // Each line takes effect as it is read. An error ends the reading: what came before stays,
    // and the symbol list is left for the first new game.
    for (const settingsreading::Setting& setting : reading.settings) {
        switch (setting.key) {
        case Key::None: break;
        case Key::Quiz: QuizFile = setting.value; break;
        case Key::PicList:
            PicListFile = setting.value;
            SymbolListPending = 1;
            break;
        case Key::QuizPic: setQuizPicture(setting.picture); break;
        case Key::GameWidth: setWidthTw(setting.number); break;
        case Key::GameHeight: setHeightTw(setting.number); break;
        case Key::QuizTop: setQuizBoxTw(QPoint(quizBoxTw().x(), setting.number)); break;
        case Key::QuizLeft: setQuizBoxTw(QPoint(setting.number, quizBoxTw().y())); break;
        case Key::TimeOption: GameSeconds = qint16(setting.number); break;
        case Key::DoorOption: SymbolCount = qint16(setting.number); break;
        case Key::Results: ResultsFile = setting.value; break;
        case Key::Pupils: PupilsFile = setting.value; break;
        }
    }
    if (reading.stopped)
        return;

    if (!PicListFile.isEmpty())
        LoadCustomSymbols();
}
