#include "game/form1.h"

#include "config/settingsfile.h"
#include "game/state.h"
#include "ui/picture.h"
#include "ui/textfile.h"

void Form1::ReadSettingsFile()
{
    using namespace modValdra;
    using settingsfile::Key;

    // The editor writes "Valdra.ini"; the name is matched without regard to case, so both
    // spellings reach the same file on any file system.
    const ui::TextFile file = ui::readTextFile(QStringLiteral("valdra.ini"));
    if (!file.opened)
        return;

    // Each line takes effect as it is read. Any error ends the reading quietly: what came
    // before stays, and the symbol list is left for the first new game.
    for (const QString& line : file.lines) {
        const settingsfile::SettingLine setting = settingsfile::classifyLine(line);
        switch (setting.key) {
        case Key::None: break;
        case Key::Quiz: QuizFile = setting.value; break;
        case Key::PicList:
            PicListFile = setting.value;
            SymbolListPending = 1;
            break;
        case Key::QuizPic: {
            // An empty name clears the picture; a missing file or one that is no picture ends
            // the reading.
            const ui::LoadedPicture picture = ui::loadPicture(setting.value);
            if (!picture.ok)
                return;
            setQuizPicture(picture.picture);
            break;
        }
        case Key::GameWidth:
        case Key::GameHeight: {
            const std::optional<int> size = settingsfile::windowSize(setting.value);
            if (!size)
                return;
            if (setting.key == Key::GameWidth)
                setWidthTw(*size);
            else
                setHeightTw(*size);
            break;
        }
        case Key::QuizTop:
        case Key::QuizLeft: {
            const std::optional<int> place = settingsfile::windowPosition(setting.value);
            if (!place)
                return;
            QPoint box = quizBoxTw();
            if (setting.key == Key::QuizTop)
                box.setY(*place);
            else
                box.setX(*place);
            setQuizBoxTw(box);
            break;
        }
        case Key::TimeOption: {
            const settingsfile::Choice seconds = settingsfile::gameSeconds(setting.value);
            if (seconds.error)
                return;
            if (seconds.value)
                GameSeconds = *seconds.value;
            break;
        }
        case Key::Results: ResultsFile = setting.value; break;
        case Key::DoorOption: {
            const settingsfile::Choice count = settingsfile::symbolCount(setting.value);
            if (count.error)
                return;
            if (count.value)
                SymbolCount = *count.value;
            break;
        }
        }
    }

    if (!PicListFile.isEmpty())
        LoadCustomSymbols();
}
