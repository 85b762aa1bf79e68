// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "game/layout.h"
#include "ui/twips.h"
#include "ui/windowsize.h"
#include "ui/zoom.h"

#include "ui/announce.h"
#include "ui/widgets.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QWindow>
#include <cmath>

namespace {

// The zoom is a personal preference: it lives in the player's own settings, never in the
// teacher's settings file.
QSettings userSettings() { return QSettings(QStringLiteral("Quillora"), QStringLiteral("Quillora")); }

const QString kZoomKey = QStringLiteral("view/zoomPercent");
const QString kFitKey = QStringLiteral("view/fitToWindow");

// The client area as designed, in logical pixels at 100 %.
QSize designedClient() { return QSize(ui::px(layout::DesignedClientWidth), ui::px(layout::DesignedClientHeight)); }

} // namespace

int Form1::zoomPercent() const { return int(std::lround(m_zoom * 100)); }

QSize Form1::availableOuterTw() const
{
    const QScreen* s = screen();
    if (!s)
        return QSize();
    const QSize avail = s->availableGeometry().size();
    return QSize(ui::twips(avail.width()), ui::twips(avail.height()));
}

QSize Form1::designedOuterTw() const
{
    // Frame, title and menu bar keep their size; only the client area is zoomed.
    const QSize chromeTw = QSize(widthTw(), heightTw()) - ui::twips(1) * clientSize();
    const QSize clientTw = ui::twips(1) * clientSize();
    return QSize(int(std::lround(clientTw.width() / m_zoom)), int(std::lround(clientTw.height() / m_zoom))) + chromeTw;
}

QSize Form1::clientSize() const { return size() - innerChrome(); }

void Form1::buildZoomActions(QMenu* options)
{
    mnuFitToWindow = options->addAction(tr("Fit to &Window"), this, &Form1::mnuFitToWindow_Click);
    mnuFitToWindow->setCheckable(true);
    const struct {
        QList<QKeySequence> keys;
        void (Form1::*slot)();
    } keys[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
         &Form1::zoomIn},
        {{QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &Form1::zoomOut},
        {{QKeySequence(Qt::CTRL | Qt::Key_0)}, &Form1::zoomReset},
    };
    for (const auto& k : keys) {
        auto* action = new QAction(this);
        action->setShortcuts(k.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, k.slot);
        addAction(action);
    }
}

void Form1::zoomIn()
{
    if (zoomPercent() >= ui::MaxZoomPercent && !m_fitToWindow) {
        showZoomNote(tr("The zoom is at its largest, %1 %.").arg(ui::MaxZoomPercent));
        return;
    }
    setZoomStep(ui::zoomStepUp(zoomPercent()));
}
void Form1::zoomOut() { setZoomStep(ui::zoomStepDown(zoomPercent())); }
void Form1::zoomReset() { setZoomStep(100); }

bool Form1::setZoomStep(int percent)
{
    const double zoom = percent / 100.0;
    const bool keepSize = isMaximized() || isFullScreen();
    // The menu bar grows with the application's font: measure it at the new zoom.
    ui::setApplicationZoom(zoom);
    QSize outer;
    if (!keepSize) {
        // The window as designed at this zoom, frame and menu bar as they are.
        const QSize client(int(std::lround(designedClient().width() * zoom)),
                           int(std::lround(designedClient().height() * zoom)));
        outer = client + innerChrome();
        const QSize decoration = QSize(ui::px(widthTw()), ui::px(heightTw())) - size();
        const QSize avail = availableOuterTw();
        if (avail.isValid()
            && (ui::twips(outer.width() + decoration.width()) > avail.width()
                || ui::twips(outer.height() + decoration.height()) > avail.height())) {
            ui::setApplicationZoom(m_zoom);
            showZoomNote(tr("No room on the screen for %1 %: the window would be larger than the screen.")
                             .arg(percent));
            return false;
        }
    }
    if (m_fitToWindow) {
        m_fitToWindow = false;
        mnuFitToWindow->setChecked(false);
    }
    applyZoom(zoom);
    if (!keepSize && size() != outer) {
        resize(outer);
        keepOnScreen(outer + QSize(ui::px(widthTw()), ui::px(heightTw())) - size());
    } else {
        placeMenuAndClient();
        LayoutWindow();
    }
    saveZoom();
    return true;
}

void Form1::keepOnScreen(QSize frameSize)
{
    // A window grows to the right and down from where it stands: move it back inside the screen.
    const QScreen* s = screen();
    if (!s || !isVisible())
        return;
    const QRect avail = s->availableGeometry();
    const QRect frame(frameGeometry().topLeft(), frameSize);
    QPoint at = frame.topLeft();
    at.setX(std::max(avail.left(), std::min(at.x(), avail.right() + 1 - frame.width())));
    at.setY(std::max(avail.top(), std::min(at.y(), avail.bottom() + 1 - frame.height())));
    if (at != frame.topLeft())
        move(at);
}

void Form1::showZoomNote(const QString& text)
{
    // Told in the window, briefly, without a box to dismiss.
    if (!m_zoomNote) {
        m_zoomNote = new QLabel(client);
        m_zoomNote->setObjectName(QStringLiteral("zoomNote"));
        m_zoomNote->setWordWrap(true);
        m_zoomNote->setAlignment(Qt::AlignCenter);
        m_zoomNote->setMargin(8);
        m_zoomNote->setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 225, 240); color: black; "
                                                 "border: 1px solid #404040; border-radius: 4px; }"));
        m_zoomNoteTimer = new QTimer(this);
        m_zoomNoteTimer->setSingleShot(true);
        connect(m_zoomNoteTimer, &QTimer::timeout, m_zoomNote, &QWidget::hide);
    }
    m_zoomNote->setFont(ui::zoomedFont(ui::gameFont(), m_zoom));
    m_zoomNote->setText(text);
    const int width = std::min(client->width() - 20, m_zoomNote->fontMetrics().horizontalAdvance(text) + 24);
    m_zoomNote->resize(width, m_zoomNote->heightForWidth(width));
    m_zoomNote->move((client->width() - m_zoomNote->width()) / 2, client->height() - m_zoomNote->height() - 12);
    m_zoomNote->show();
    m_zoomNote->raise();
    ui::announce(this, text);
    m_zoomNoteTimer->start(4000);
}

void Form1::mnuFitToWindow_Click()
{
    m_fitToWindow = !m_fitToWindow;
    mnuFitToWindow->setChecked(m_fitToWindow);
    if (m_fitToWindow)
        LayoutWindow();
    else
        setZoomStep(100);
    saveZoom();
}

void Form1::applyZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    // Every other window, the menus and the boxes follow from here.
    ui::setApplicationZoom(zoom);
    ui::zoomControls(client, zoom);
    // The half-line gap above a question is measured in the font it now wears.
    lblQuestion->setCaption(lblQuestion->caption());
    Picture1->setZoom(zoom);
    placeQuizBox();
}

void Form1::followWindowZoom()
{
    if (!m_fitToWindow)
        return;
    // The largest zoom at which the designed client area fits the window's, to a hundredth so
    // that a small move of the frame does not relayout everything.
    // The menu bar grows with the zoom and leaves the client less room: settle in a few turns.
    for (int turn = 0; turn < 3; ++turn) {
        const double z = std::floor(ui::fittingZoom(designedClient(), clientSize()) * 100.0) / 100.0;
        applyZoom(z);
        if (!placeMenuAndClient())
            break;
    }
}

void Form1::restoreZoom()
{
    QSettings settings = userSettings();
    if (settings.value(kFitKey, false).toBool()) {
        m_fitToWindow = true;
        mnuFitToWindow->setChecked(true);
        LayoutWindow();
        return;
    }
    const int saved = settings.value(kZoomKey, 100).toInt();
    // The saved step where the screen has room for it, else the largest step below that fits.
    for (auto it = ui::ZoomSteps.rbegin(); it != ui::ZoomSteps.rend(); ++it)
        if (*it <= saved && *it > 100 && setZoomStep(*it))
            return;
}

void Form1::saveZoom()
{
    QSettings settings = userSettings();
    settings.setValue(kFitKey, m_fitToWindow);
    settings.setValue(kZoomKey, m_fitToWindow ? 100 : zoomPercent());
}

QPoint Form1::quizBoxShownTw() const
{
    // In designed twips: the client area as the zoom sees it, less the box.
    const QSize clientTw = ui::twips(1) * clientSize();
    const int right = int(std::floor(clientTw.width() / m_zoom)) - layout::QuizBoxWidth;
    const int bottom = int(std::floor(clientTw.height() / m_zoom)) - layout::QuizBoxHeight;
    return layout::keepInside(m_quizBoxTw, QSize(std::max(right, 0), std::max(bottom, 0)));
}

void Form1::fitInsideScreen()
{
    // Never larger than the screen's available area, and never below the minimum.
    const QSize avail = availableOuterTw();
    if (!avail.isValid())
        return;
    const int width = std::max(std::min(widthTw(), avail.width()), layout::MinWidth);
    const int height = std::max(std::min(heightTw(), avail.height()), layout::MinHeight);
    if (width != widthTw() || height != heightTw())
        ui::setOuterSizeTw(this, innerChrome(), width, height);
}
