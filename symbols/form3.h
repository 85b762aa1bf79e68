// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture store: a window that is loaded at start-up and never shown. It holds the three
// symbol sets of thirteen pictures each (crests, floral emblems, custom symbols), every picture
// tagged with the name of its region.
#include <QWidget>
#include <array>

#include "ui/widgets.h"

class Form3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int CrestSet = 0;
    static constexpr int FloralSet = 13;
    static constexpr int CustomSet = 26;
    static constexpr int StoreSize = 39;

    explicit Form3(QWidget* parent = nullptr);

    // Fills the store with the built-in pictures and their tags, once: like loading a window,
    // a second load of a loaded store does nothing, so a symbol list read earlier stays.
    void Form_Load();

    std::array<ui::PictureImage*, StoreSize> Image1{};

private:
    bool m_loaded = false;
};

// The resource name of the built-in picture at store position `position`.
QString builtInPicture(int position);
// The region tag of the built-in picture at store position `position`.
QString builtInTag(int position);
