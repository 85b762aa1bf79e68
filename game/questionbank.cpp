#include "game/questionbank.h"

#include "game/state.h"
#include "files/textfile.h"

namespace questionbank {

using namespace modValdra;

LoadOutcome loadQuestionBank(const QString& fileName)
{
    const ui::TextFile file = ui::readTextFile(fileName);
    if (!file.opened)
        return LoadOutcome::NotOpened;
    if (file.size <= 1) {
        QuestionCount = -1;
        return LoadOutcome::EmptyFile;
    }
    const QStringList& lines = file.lines;
    qsizetype next = 0;
    int q = 1;
    while (q <= MaxQuestions && next < lines.size()) {
        QuestionText[q] = lines[next++];
        for (int a = 1; a <= 4; ++a)
            AnswerText[q][a] = next < lines.size() ? lines[next++] : QString();
        ++q;
    }
    QuestionCount = q - 1;
    return LoadOutcome::Loaded;
}

} // namespace questionbank
