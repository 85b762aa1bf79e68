// What the settings editor and the Picture Locator save reads back as they meant it: every
// non-empty setting as its own line with its own key and text, every list item as written.
#include "config/settingsfile.h"
#include "config/settingswriter.h"
#include "fuzzsupport.h"
#include "symbols/symbollist.h"
#include "files/textfile.h"

#include <QList>

namespace {

// The input's texts: cut at NUL bytes, line breaks taken out (the writers keep one line each).
QStringList texts(const QByteArray& bytes)
{
    QStringList out;
    for (const QByteArray& part : bytes.split('\0')) {
        QString text = QString::fromUtf8(part);
        text.remove(QLatin1Char('\r'));
        text.remove(QLatin1Char('\n'));
        out << text;
    }
    return out;
}

void checkSettings(QStringList fields)
{
    fields.resize(9);
    // A colon in a value could name another key to the reader, which looks for keys anywhere
    // in a line: such values are the reader's business, not the writer's.
    for (QString& field : fields)
        field.remove(QLatin1Char(':'));
    settingsfile::GameSettings s{fields[0], fields[1], fields[2], fields[3], fields[4],
                                 fields[5], fields[6], fields[7], fields[8]};
    using K = settingsfile::Key;
    const QList<std::pair<K, QString>> expected = {
        {K::Quiz, s.QuizFile},       {K::PicList, s.PicListFile}, {K::QuizPic, s.QuizPicFile},
        {K::GameWidth, s.GameWidth}, {K::GameHeight, s.GameHeight}, {K::QuizTop, s.QuizTop},
        {K::QuizLeft, s.QuizLeft},   {K::DoorOption, s.DoorOption}, {K::TimeOption, s.TimeOption}};

    FUZZ_REQUIRE(ui::writeTextFile(QStringLiteral("valdra.ini"), settingsfile::settingsLines(s)));
    const ui::TextFile file = ui::readTextFile(QStringLiteral("valdra.ini"));
    FUZZ_REQUIRE(file.opened);
    int line = 0;
    for (const auto& [key, text] : expected) {
        if (text.isEmpty())
            continue;
        FUZZ_REQUIRE(line < file.lines.size());
        const settingsfile::SettingLine read = settingsfile::classifyLine(file.lines[line++]);
        QString meant = text;
        while (meant.startsWith(QLatin1Char(' ')))
            meant.remove(0, 1);
        FUZZ_REQUIRE(read.key == key && read.value == meant);
    }
    FUZZ_REQUIRE(line == file.lines.size());
}

void checkList(const QStringList& items)
{
    FUZZ_REQUIRE(ui::writeTextFile(QStringLiteral("birds.lst"), symbollist::listFileLines(items)));
    const symbollist::ListFile file = symbollist::readListFile(QStringLiteral("birds.lst"));
    QStringList meant = items;
    meant.removeAll(QString());
    FUZZ_REQUIRE(file.opened && file.items == meant);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    enterFuzzFolder();
    const QStringList parts = texts(fuzzBytes(data, size));
    checkSettings(parts);
    checkList(parts);
    return 0;
}
