#include "game/form1.h"

#include "game/state.h"
#include "symbols/symbollist.h"
#include "ui/picture.h"
#include "ui/textfile.h"

void Form1::LoadCustomSymbols()
{
    using namespace modValdra;
    setCursor(Qt::WaitCursor);
    const ui::TextFile file = ui::readTextFile(PicListFile);
    if (!file.opened) {
        unsetCursor();
        return;
    }
    for (int i = 0; i < 13 && i < file.lines.size(); ++i) {
        const auto line = symbollist::splitSymbolLine(file.lines[i]);
        if (!line) {
            unsetCursor();
            return;
        }
        // The tag changes only with its picture, so a slot never pairs an old picture with a
        // new region name.
        const ui::LoadedPicture picture = ui::loadPicture(line->picture);
        if (!picture.ok) {
            unsetCursor();
            return;
        }
        ui::PictureImage* slot = m_form3->Image1[Form3::CustomSet + i];
        slot->setPicture(picture.picture);
        slot->setTag(line->tag);
    }
    unsetCursor();
    SymbolSetChoice = Form3::CustomSet;
    if (const auto name = symbollist::customSetName(PicListFile))
        CustomSetName = *name;
}
