// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zoom of a window designed in twips: the steps the keys walk, the zoom that fits a window, and
// the designed places and fonts of controls so that one call can lay them out at any zoom.
// At zoom 1 every length is exactly the designed one.
#include <QFont>
#include <QRect>
#include <array>

class QWidget;

namespace ui {

inline constexpr std::array<int, 7> ZoomSteps = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int MinZoomPercent = 100;
inline constexpr int MaxZoomPercent = 300;

// The next step above / below `percent` (a percent between steps goes to the nearer step on
// that side); `percent` itself at the end of the steps.
int zoomStepUp(int percent);
int zoomStepDown(int percent);

// The largest zoom, between 1 and 3, at which `designed` fits inside `available`.
double fittingZoom(QSize designed, QSize available);

// Twips to logical pixels at a zoom, rounded as the unzoomed conversion rounds.
int pxZoomed(double twips, double zoom);
QRect rectZoomed(const QRect& twips, double zoom);

// Places a control at its designed rectangle (twips) and remembers it, with its current font
// as its designed font, so that zoomControls() can place it again at another zoom.
void placeDesigned(QWidget* control, const QRect& twips, double zoom = 1.0);
// The designed rectangle a control was placed at (an invalid one if none).
QRect designedRect(const QWidget* control);
// Changes the remembered designed rectangle without moving the control.
void setDesignedRect(QWidget* control, const QRect& twips);
// Remembers the control's current font as its designed font (done by placeDesigned).
void rememberDesignedFont(QWidget* control);
// Makes `font` the control's designed font and puts it on at `zoom`.
void setDesignedFont(QWidget* control, const QFont& font, double zoom);
// The font a control designed in `font` wears at `zoom`.
QFont zoomedFont(const QFont& font, double zoom);
// Places every descendant of `root` that has a designed rectangle, and sizes every designed
// font, at `zoom`.
void zoomControls(QWidget* root, double zoom);

// The zoom the whole game is shown at, decided in one place: the application's font is the
// game's typeface at this zoom, and every window is shown at it (see zoomWindow). 1 at start.
double applicationZoom();
// Sets the application's zoom: the application's font follows at once, and every window that
// is shown now or later is shown at it. A window marked with setZoomsItself() is left alone.
void setApplicationZoom(double zoom);
// Puts the game's style on: the style in use, its lengths scaled by the zoom. Once, before the
// first window is made; setApplicationZoom() puts it on where that was not done.
void installGameStyle();
// The application's font at `zoom`: the game's typeface, regular, 13 pixels at 100 %.
QFont applicationFont(double zoom);
// For a window that lays out its own controls at the zoom (the main window).
void setZoomsItself(QWidget* window);
// Shows `window` at `zoom`: its controls' own fonts; where a window keeps a fixed size, its
// size and every control placed by hand; elsewhere its controls' fixed widths and heights and
// (the first time) its size, kept inside the screen. Lengths are remembered at 100 % the
// first time, so steps never add up rounding.
void zoomWindow(QWidget* window, double zoom);
// A rectangle or a length designed in pixels at 100 %, at the application's zoom.
QRect atZoom(const QRect& designed);
int atZoom(int designed);

} // namespace ui
