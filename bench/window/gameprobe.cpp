// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window, built as the program builds it, in a fresh play folder holding the
// default question file, for the figures after start-up (the driver starts the game itself for
// those). Dialogs answer at once so that nothing waits for a person.
#include "probe.h"

#include "game/form1.h"
#include "game/state.h"
#include "ui/platform.h"
#include "ui/realplatform.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

class NoDialogs final : public ui::Platform {
public:
    void messageBox(QWidget*, const QString&, const QString&) override {}
    void messageBoxWithDetails(QWidget*, const QString&, const QString&, const QString&) override {}
    QDateTime currentDateTime() override { return m_real.currentDateTime(); }
    void sleep(int milliseconds) override { m_real.sleep(milliseconds); }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    QString inputBox(QWidget*, const QString&, const QString&) override { return QStringLiteral("Bench"); }
    void beep() override {}
    QString openFileName(QWidget*, const ui::FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, const ui::FileDialogRequest&) override { return {}; }
    void showHelp(const QString&) override {}
    double timeOfDay() override { return m_real.timeOfDay(); }
    float random() override { return m_real.random(); }
    void processEvents() override { m_real.processEvents(); }

private:
    ui::RealPlatform m_real;
};

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir play;
    QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/data/Valdra.qtn"), play.filePath(QStringLiteral("Valdra.qtn")));
    QDir::setCurrent(play.path());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    NoDialogs platform;
    ui::setPlatform(&platform);
    Form1 form;
    form.Form_Load();
    form.show();
    form.activateWindow();

    ProbeSteps steps;
    steps.window = &form;
    steps.startGame = [&] { form.btnBegin_Click(); };
    // Answer right, so the next click on the map places the symbol and brings the next question.
    steps.prepareClick = [&] {
        if (modValdra::ClockRunning != 1)
            form.btnBegin_Click();
        for (int i = 1; i <= 4; ++i)
            if (form.btnAnswer[i]->isVisible()
                && form.btnAnswer[i]->text().replace(QStringLiteral("&&"), QStringLiteral("&")) == modValdra::CorrectAnswer) {
                form.btnAnswer_Click(i);
                break;
            }
    };
    // Maximised at 1920 x 1080 with the zoom following the window: each pass lays it all out
    // anew, as a resize by the player does.
    steps.relayout = [&] {
        if (!form.fitToWindow())
            form.mnuFitToWindow_Click();
        form.resize(1920, form.height() == 1080 ? 1079 : 1080);
    };
    // 300 % where the screen has room for it, else the largest zoom it has room for: Fit to
    // Window with the window filling the screen.
    QSize big;
    steps.zoomBig = [&] {
        if (form.setZoomStep(300))
            return 300;
        if (!form.fitToWindow())
            form.mnuFitToWindow_Click();
        big = form.screen()->availableGeometry().size() - (form.frameGeometry().size() - form.size());
        form.move(form.screen()->availableGeometry().topLeft());
        form.resize(big);
        return form.zoomPercent();
    };
    steps.relayoutBig = [&] {
        if (big.isEmpty())
            big = form.size();
        form.resize(big.width(), form.height() == big.height() ? big.height() - 1 : big.height());
    };
    steps.click = [&] {
        QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, form.Picture1->rect().center());
    };
    return runProbe(steps);
}
