#include "game/questionbank.h"

#include "files/questionfile.h"
#include "game/state.h"

namespace questionbank {

using namespace modValdra;

LoadOutcome loadQuestionBank(const QString& fileName) { return loadQuestionBank(questionfile::readQuestionFile(fileName, false)); }

LoadOutcome loadQuestionBank(const questionfile::Reading& reading)
{
    if (!reading.file.opened)
        return LoadOutcome::NotOpened;
    if (reading.questionCount < 0) {
        QuestionCount = -1;
        return LoadOutcome::EmptyFile;
    }
    int q = 0;
    for (const questionfile::Question& question : reading.questions) {
        ++q;
        QuestionText[q] = question.text;
        for (int a = 1; a <= 4; ++a)
            AnswerText[q][a] = question.answers[a - 1];
    }
    QuestionCount = q;
    return LoadOutcome::Loaded;
}

} // namespace questionbank
