// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever questions the editor saves, the game's loader and the editor read back exactly as the
// editor showed them (a line break in a field shows, and saves, as a space).
#include "editor/questionfile.h"
#include "fuzzsupport.h"
#include "game/questionbank.h"
#include "game/state.h"

namespace {

// Questions from the fuzzer's bytes: a 0xFF byte ends a field, and pairs of bytes are code
// points of the first plane (surrogates left out: no editor field holds half a character).
editor::Questions questionsFrom(const QByteArray& bytes)
{
    editor::Questions questions;
    editor::Question q;
    int field = 0;
    QString text;
    const auto endField = [&] {
        q.setField(field, text);
        text.clear();
        if (++field == editor::FieldCount) {
            questions << q;
            q = editor::Question();
            field = 0;
        }
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (b == 0xFF) {
            endField();
        } else if (b == 0xFE && i + 2 < bytes.size()) {
            const char16_t c = char16_t((uchar(bytes[i + 1]) << 8) | uchar(bytes[i + 2]));
            i += 2;
            if (!QChar::isSurrogate(c) && c != 0)
                text += QChar(c);
        } else if (b != 0) {
            text += QChar(b < 0x80 ? char16_t(b) : char16_t(0xA0 + (b & 0x3F)));
        }
    }
    if (field > 0 || !text.isEmpty())
        endField();
    while (field != 0)
        endField();
    return questions;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace modValdra;
    enterFuzzFolder();
    editor::Questions questions = questionsFrom(fuzzBytes(data, size));
    QString error;
    FUZZ_REQUIRE(editor::saveQuestionFile(QStringLiteral("Edited.qtn"), questions, &error));
    for (editor::Question& q : questions)
        for (int f = 0; f < editor::FieldCount; ++f)
            q.setField(f, editor::oneLine(q.field(f)));

    const editor::ReadResult back = editor::readQuestionFile(QStringLiteral("Edited.qtn"));
    FUZZ_REQUIRE(back.ok);
    FUZZ_REQUIRE(back.questions == questions);

    resetState();
    const questionbank::LoadOutcome outcome = questionbank::loadQuestionBank(QStringLiteral("Edited.qtn"));
    if (questions.isEmpty()) {
        FUZZ_REQUIRE(outcome == questionbank::LoadOutcome::EmptyFile);
        return 0;
    }
    FUZZ_REQUIRE(outcome == questionbank::LoadOutcome::Loaded);
    FUZZ_REQUIRE(QuestionCount == std::min<qsizetype>(questions.size(), MaxQuestions));
    for (int q = 1; q <= QuestionCount; ++q) {
        FUZZ_REQUIRE(QuestionText[q] == questions[q - 1].text);
        for (int a = 1; a <= 4; ++a)
            FUZZ_REQUIRE(AnswerText[q][a] == questions[q - 1].answers[size_t(a - 1)]);
    }
    return 0;
}
