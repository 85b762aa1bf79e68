#pragma once
// The arithmetic of the main window's layout, in twips. Widget-free.
#include <QRect>
#include <array>

namespace layout {

inline constexpr int MinWidth = 9600;
inline constexpr int MinHeight = 7200;

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

} // namespace layout
