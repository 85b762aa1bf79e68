// Any lines the game writes read back as the same lines, whatever their characters.
#include "fuzzsupport.h"
#include "files/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    enterFuzzFolder();
    // The fuzzer's bytes as text (UTF-16 when the first byte is odd, to reach every character),
    // cut into lines at its line breaks.
    const QByteArray bytes = fuzzBytes(data, size);
    QString text = size > 0 && (data[0] & 1)
        ? QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 1), (bytes.size() - 1) / 2)
        : ui::decodeText(bytes);
    if (!text.isValidUtf16())
        return 0;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.isEmpty())
        lines.clear();

    QString error;
    FUZZ_REQUIRE(ui::writeTextFile(QStringLiteral("lines.txt"), lines, &error));
    const ui::TextFile file = ui::readTextFile(QStringLiteral("lines.txt"));
    FUZZ_REQUIRE(file.opened && file.lines == lines);
    // Only the file itself is left in the folder.
    FUZZ_REQUIRE(QDir::current().entryList(QDir::Files | QDir::Hidden).size() == 1);
    return 0;
}
