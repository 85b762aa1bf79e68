#include "game/form1.h"

#include "game/state.h"
#include "symbols/symbollist.h"
#include "ui/picture.h"
#include "files/textfile.h"

#include <QApplication>
#include <QScopeGuard>

void Form1::LoadCustomSymbols()
{
    using namespace modValdra;
    // The settings reader calls us before start-up loads the store: load it first, so the
    // list lands on the built-in pictures rather than being replaced by them.
    m_form3->Form_Load();
    // The hourglass, put back however the load ends.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    const ui::TextFile file = ui::readTextFile(PicListFile);
    if (!file.opened)
        return;
    for (int i = 0; i < 13 && i < file.lines.size(); ++i) {
        const auto line = symbollist::splitSymbolLine(file.lines[i]);
        if (!line)
            return;
        // The tag changes only with its picture, so a slot never pairs an old picture with a
        // new region name.
        const ui::LoadedPicture picture = ui::loadPicture(line->picture);
        if (!picture.ok)
            return;
        ui::PictureImage* slot = m_form3->Image1[Form3::CustomSet + i];
        slot->setPicture(picture.picture);
        slot->setTag(line->tag);
    }
    SymbolSetChoice = Form3::CustomSet;
    if (const auto name = symbollist::customSetName(PicListFile))
        CustomSetName = *name;
}
