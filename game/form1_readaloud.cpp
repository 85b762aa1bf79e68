// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/state.h"
#include "ui/announce.h"
#include "ui/language.h"
#include "ui/platform.h"

#include <QMenu>
#include <QSettings>

using namespace modValdra;

namespace {

const QString kReadAloudKey = QStringLiteral("readQuestionsAloud");

QSettings userSettings() { return QSettings(QStringLiteral("Quillora"), QStringLiteral("Quillora")); }

} // namespace

void Form1::buildReadAloud(QMenu* options)
{
    mnuReadAloud = options->addAction(QString(), this, &Form1::mnuReadAloud_Click);
    mnuReadAloud->setCheckable(true);
    mnuReadAloud->setChecked(userSettings().value(kReadAloudKey, false).toBool());
    // What a screen reader hears is what the voice says: the question with its numbered answers,
    // the outcome and where to place the symbol. The voice never holds up the game.
    ui::readAnnouncementsWith(this, [this](const QString& text) {
        if (readingAloud())
            ui::platform().speak(text, QLocale(language::isFrench() ? QLocale::French : QLocale::English, QLocale::Canada));
    });
}

bool Form1::readingAloud() const
{
    return mnuReadAloud->isChecked() && ui::platform().canSpeak() && !ui::platform().screenReaderRunning();
}

void Form1::mnuReadAloud_Click()
{
    const bool on = mnuReadAloud->isChecked();
    userSettings().setValue(kReadAloudKey, on);
    if (!on || m_readAloudTold)
        return;
    if (!ui::platform().canSpeak()) {
        m_readAloudTold = true;
        ui::platform().messageBox(this, tr("No speech engine is installed, so the game cannot read aloud and plays on "
                                           "silently. Install speech-dispatcher and espeak-ng to hear the questions."),
                                  ProgramTitle);
    } else if (ui::platform().screenReaderRunning()) {
        m_readAloudTold = true;
        ui::platform().messageBox(this, tr("A screen reader is running and reads the game: the game does not read "
                                           "aloud as well."),
                                  ProgramTitle);
    }
}
