// Any question file loads into the bank as five-line blocks: at most 100 questions, -1 for a
// file of at most one byte, every stored text one line of the file.
#include "fuzzsupport.h"
#include "files/questionfile.h"
#include "game/questionbank.h"
#include "game/state.h"
#include "files/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace modValdra;
    const QByteArray bytes = fuzzBytes(data, size);
    writeRawFile(QStringLiteral("Valdra.qtn"), bytes);
    resetState();
    const questionbank::LoadOutcome outcome = questionbank::loadQuestionBank(QStringLiteral("Valdra.qtn"));
    // The game reads no more than 100 questions use, and decides the encoding on that.
    const QStringList lines =
        ui::readTextFile(QStringLiteral("Valdra.qtn"), {MaxQuestions * questionfile::BlockLines, questionfile::MostBytes}).lines;

    if (bytes.size() <= 1) {
        FUZZ_REQUIRE(outcome == questionbank::LoadOutcome::EmptyFile);
        FUZZ_REQUIRE(QuestionCount == -1);
        return 0;
    }
    FUZZ_REQUIRE(outcome == questionbank::LoadOutcome::Loaded);
    const qsizetype blocks = (lines.size() + 4) / 5;
    FUZZ_REQUIRE(QuestionCount == std::min<qsizetype>(blocks, MaxQuestions));
    // A file of only a BOM holds no line, so no question.
    FUZZ_REQUIRE(QuestionCount >= (lines.isEmpty() ? 0 : 1) && QuestionCount <= MaxQuestions);
    for (int q = 1; q <= QuestionCount; ++q) {
        const qsizetype first = 5 * (q - 1);
        FUZZ_REQUIRE(QuestionText[q] == lines[first]);
        FUZZ_REQUIRE(!hasLineBreak(QuestionText[q]));
        for (int a = 1; a <= 4; ++a) {
            FUZZ_REQUIRE(!hasLineBreak(AnswerText[q][a]));
            FUZZ_REQUIRE(AnswerText[q][a] == (first + a < lines.size() ? lines[first + a] : QString()));
        }
    }
    return 0;
}
