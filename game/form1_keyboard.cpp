// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "ui/keyboard.h"

#include <QKeyEvent>

// Keys 1 to 4 pick the answer on that button while a question waits, wherever the focus is.
void Form1::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (key >= Qt::Key_1 && key <= Qt::Key_4 && plain) {
        ui::PictureButton* button = btnAnswer[key - Qt::Key_0];
        event->accept();
        // A held key must not answer the next question as well.
        if (!event->isAutoRepeat() && !Frame2->isHidden() && !button->isHidden() && button->isEnabled()) {
            ui::noteKeyboardUse(this, true);
            button->click();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::placeKeyboardFocus()
{
    if (!Frame2->isHidden()) {
        for (int i = 1; i <= 4; ++i)
            if (!btnAnswer[i]->isHidden()) {
                btnAnswer[i]->setFocus(Qt::OtherFocusReason);
                return;
            }
    }
    if (Picture1->hasPointer())
        Picture1->setFocus(Qt::OtherFocusReason);
    else if (!btnBegin->isHidden())
        btnBegin->setFocus(Qt::OtherFocusReason);
}
