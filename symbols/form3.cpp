#include "symbols/form3.h"

#include "game/state.h"

namespace {

// Region codes in the order of the region table.
constexpr const char* kCodes[13] = {"bc", "ab", "sk", "mb", "on", "qc", "nb", "ns", "pe", "nl", "yt", "nt", "nu"};

// The floral set keeps the Northwest Territories before Yukon.
int regionOfOffset(int set, int offset)
{
    if (set == Form3::FloralSet && (offset == 10 || offset == 11))
        return 21 - offset;
    return offset;
}

} // namespace

QString builtInTag(int position)
{
    const int set = position / 13 * 13;
    return QString::fromLatin1(modValdra::RegionTable[regionOfOffset(set, position % 13)].name);
}

QString builtInPicture(int position)
{
    const int set = position / 13 * 13;
    const int region = regionOfOffset(set, position % 13);
    const QString code = QString::fromLatin1(kCodes[region]);
    const bool nunavut = region == 12;
    switch (set) {
    case Form3::CrestSet: return QStringLiteral(":/crests/%1.%2").arg(code, nunavut ? "jpg" : "bmp");
    case Form3::FloralSet: return QStringLiteral(":/floral/%1.%2").arg(code, nunavut ? "gif" : "bmp");
    default: return QStringLiteral(":/flags/%1.gif").arg(code);
    }
}

Form3::Form3(QWidget* parent) : QWidget(parent)
{
    for (int i = 0; i < StoreSize; ++i)
        Image1[i] = new ui::PictureImage(this);
}

void Form3::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    for (int i = 0; i < StoreSize; ++i) {
        Image1[i]->setPictureFile(builtInPicture(i));
        Image1[i]->setTag(builtInTag(i));
    }
}
