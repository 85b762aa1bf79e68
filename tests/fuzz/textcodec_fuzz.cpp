// Text the game decodes encodes back to bytes that decode to the same text, and any text it is
// given (the fuzzer's bytes read as UTF-16) does too.
#include "fuzzsupport.h"
#include "files/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString decoded = ui::decodeText(bytes);
    FUZZ_REQUIRE(decoded.isValidUtf16());
    FUZZ_REQUIRE(ui::decodeText(ui::encodeText(decoded)) == decoded);

    const QString given = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    if (given.isValidUtf16())
        FUZZ_REQUIRE(ui::decodeText(ui::encodeText(given)) == given);
    return 0;
}
