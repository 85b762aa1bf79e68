// Any high-score file reads into the list as far as it is sound; saving that list and reading
// the file back gives the same list.
#include "fuzzsupport.h"
#include "game/highscores.h"
#include "files/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace highscores;
    writeRawFile(QStringLiteral("Valdra.scr"), fuzzBytes(data, size));
    const ui::TextFile file = ui::readTextFile(QStringLiteral("Valdra.scr"));
    FUZZ_REQUIRE(file.opened);
    Names names;
    Values values;
    clearList(names, values);
    const ReadResult read = readScoreLines(file.lines, names, values);
    FUZZ_REQUIRE(read.entries >= 0 && read.entries <= int(names.size()));
    FUZZ_REQUIRE(read.entries * 2 <= file.lines.size());
    if (read.stop == ReadStop::EndOfFile)
        FUZZ_REQUIRE(read.entries * 2 == file.lines.size());
    for (int k = 0; k < read.entries; ++k) {
        FUZZ_REQUIRE(names[k] == file.lines[2 * k]);
        FUZZ_REQUIRE(!hasLineBreak(names[k]));
        FUZZ_REQUIRE(readScoreField(file.lines[2 * k + 1]) == values[k]);
    }

    QString error;
    FUZZ_REQUIRE(ui::writeTextFile(QStringLiteral("Valdra.scr"), scoreFileLines(names, values), &error));
    const ui::TextFile saved = ui::readTextFile(QStringLiteral("Valdra.scr"));
    FUZZ_REQUIRE(saved.lines.size() == 2 * ListSize);
    Names again;
    Values againValues;
    clearList(again, againValues);
    const ReadResult reread = readScoreLines(saved.lines, again, againValues);
    FUZZ_REQUIRE(reread.stop == ReadStop::EndOfFile && reread.entries == ListSize);
    for (int k = 0; k < ListSize; ++k) {
        FUZZ_REQUIRE(again[k] == names[k]);
        FUZZ_REQUIRE(againValues[k] == values[k]);
    }
    return 0;
}
