#pragma once
// The arithmetic of the main window's layout, in twips. Widget-free.
#include <QRect>
#include <array>

namespace layout {

inline constexpr int MinWidth = 9600;
inline constexpr int MinHeight = 7200;
// The client area as designed, and the question box's size.
inline constexpr int DesignedClientWidth = 11880;
inline constexpr int DesignedClientHeight = 8310;
inline constexpr int QuizBoxWidth = 6915;
inline constexpr int QuizBoxHeight = 3165;

struct RightColumn {
    QRect Text2;
    QRect CrestImage;
    std::array<QRect, 12> Crest;
};

// Places of the hint box, the target image and the gallery for an outer window size that
// already respects the minimum.
RightColumn rightColumn(int width, int height);

// Where an arrow button moves the question box, given its place and size and the window's
// outer size; the place itself when the arrow is at its limit.
QPoint moveQuestionBox(int index, QPoint boxTopLeft, QSize boxSize, QSize window);

// A box's top-left corner brought within 0..`limit` on each axis, so the box stays inside its
// window.
QPoint keepInside(QPoint topLeft, QSize limit);

} // namespace layout
