// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "checker/report.h"
#include "checker/run.h"
#include "files/loadmessage.h"
#include "game/state.h"
#include "ui/platform.h"

#include <algorithm>
#include <utility>

void Form1::tellFileFindings(const QString& kind, const checker::FileReport& report, const QString& identity,
                             qsizetype at)
{
    // The same file as it was: told once is enough. A file mended and loaded again is told anew.
    if (m_toldFiles.contains(identity))
        return;
    const std::optional<files::LoadMessage> message =
        files::loadMessage(kind, report, checker::kindOf(report.file) == checker::FileKind::Questions);
    if (!message)
        return;
    m_toldFiles.insert(identity);
    m_pendingTells.insert(at < 0 ? m_pendingTells.size() : std::min(at, m_pendingTells.size()),
                          {message->text, message->details});
    tellPendingFindings();
}

void Form1::tellStartupFindings()
{
    if (m_startupFindings)
        std::exchange(m_startupFindings, nullptr)();
    tellPendingFindings();
}

void Form1::tellPendingFindings()
{
    // No box while a pupil's clock runs: what a game's start finds waits for its end.
    if (!isVisible() || modValdra::ClockRunning == 1)
        return;
    while (!m_pendingTells.isEmpty()) {
        const auto [text, details] = m_pendingTells.takeFirst();
        ui::platform().messageBoxWithDetails(this, text, details, modValdra::ProgramTitle);
    }
}
