// Every line of any symbol list splits into the tag before its first ";" and the picture after
// it, blanks at its start dropped, and nothing else; any list file name gives a set name
// without folders or a dot.
#include "fuzzsupport.h"
#include "symbols/symbollist.h"
#include "files/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeRawFile(QStringLiteral("birds.lst"), fuzzBytes(data, size));
    const ui::TextFile file = ui::readTextFile(QStringLiteral("birds.lst"));
    FUZZ_REQUIRE(file.opened);
    for (const QString& line : file.lines) {
        FUZZ_REQUIRE(!hasLineBreak(line));
        const std::optional<symbollist::SymbolLine> split = symbollist::splitSymbolLine(line);
        FUZZ_REQUIRE(split.has_value() == line.contains(QLatin1Char(';')));
        if (split) {
            FUZZ_REQUIRE(!split->tag.contains(QLatin1Char(';')));
            FUZZ_REQUIRE(!split->picture.startsWith(QLatin1Char(' ')));
            QString rest = line.mid(split->tag.size() + 1);
            while (rest.startsWith(QLatin1Char(' ')))
                rest.remove(0, 1);
            FUZZ_REQUIRE(line.startsWith(split->tag + QLatin1Char(';')) && rest == split->picture);
        }
        const std::optional<QString> name = symbollist::customSetName(line);
        // Only the file's own name counts, not its folders.
        const QString own = line.mid(std::max(line.lastIndexOf(QLatin1Char('/')), line.lastIndexOf(QLatin1Char('\\'))) + 1);
        FUZZ_REQUIRE(name.has_value() == own.contains(QLatin1Char('.')));
        if (name) {
            FUZZ_REQUIRE(!name->contains(QLatin1Char('.')) && !name->contains(QLatin1Char('/'))
                         && !name->contains(QLatin1Char('\\')));
            FUZZ_REQUIRE(line.startsWith(*name) || line.contains(QLatin1Char('/') + *name)
                         || line.contains(QLatin1Char('\\') + *name));
        }
    }
    return 0;
}
