#include "game/form1.h"

#include "symbols/frmabout.h"
#include "symbols/helpwindow.h"

#include <QScreen>

frmAbout* Form1::existingAbout() const { return m_frmAbout; }
HelpWindow* Form1::existingHelp() const { return m_helpWindow; }

void Form1::mnuAbout_Click()
{
    // A box already open is left as it is, only brought to the front.
    if (!m_frmAbout)
        m_frmAbout = new frmAbout(this);
    m_frmAbout->show();
    m_frmAbout->raise();
    m_frmAbout->activateWindow();
}

void Form1::mnuValdraHelp_Click()
{
    // The help document travels inside the program, so there is no help file to miss and no
    // outside viewer to start. The window is a top-level window of its own, so it can sit beside
    // the game; it goes with the main window.
    if (!m_helpWindow) {
        auto* help = new HelpWindow;
        connect(this, &QObject::destroyed, help, [help] { delete help; });
        m_helpWindow = help;
        // Beside the game where the screen has room for it, so it covers neither.
        if (const QScreen* screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            const QRect game = frameGeometry();
            const QPoint beside(game.right() + 8, game.top());
            if (isVisible() && room.contains(QRect(beside, help->size())))
                help->move(beside);
        }
    }
    else
        m_helpWindow->showContents();  // Help opens at the contents, however the last visit ended
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}
