#include "game/form1.h"

#include "files/loadmessage.h"
#include "files/symbollistfile.h"
#include "game/state.h"
#include "symbols/symbollist.h"

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
    auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    // One reading: the slots as far as the game takes them, and the findings to tell. Pictures
    // are found in the play folder first, then beside the list.
    const QString identity = files::fileIdentity(PicListFile);
    const symbollistfile::Reading reading = symbollistfile::readSymbolList(PicListFile);
    for (int i = 0; i < reading.custom.size(); ++i) {
        // The tag changes only with its picture, so a slot never pairs an old picture with a
        // new region name.
        ui::PictureImage* slot = m_form3->Image1[Form3::CustomSet + i];
        slot->setPicture(reading.custom[i].picture);
        slot->setTag(reading.custom[i].tag);
    }
    if (reading.completed) {
        SymbolSetChoice = Form3::CustomSet;
        if (const auto name = symbollist::customSetName(PicListFile))
            CustomSetName = *name;
    }
    restoreCursor.dismiss();
    QApplication::restoreOverrideCursor();
    tellFileFindings(QCoreApplication::translate("Form1", "The symbol list"), reading.report, identity);
}
