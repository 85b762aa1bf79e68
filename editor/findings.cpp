// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/findings.h"

#include "files/questionfile.h"

namespace editor {

Checked checkQuestions(const Questions& questions)
{
    // The bytes the editor would save, read as the game and the checker read a file.
    const checker::FileReport report = questionfile::readQuestionBytes(encodeQuestionFile(questions)).report;

    Checked checked;
    checked.perQuestion.resize(questions.size());
    checked.marks.fill(Mark::Fine, questions.size());
    for (const checker::Finding& finding : report.findings) {
        if (finding.line < 1 || finding.severity == checker::Severity::Note)
            continue;
        const int q = questionOfLine(finding.line);
        if (q >= questions.size())
            continue;
        checked.perQuestion[q] << finding;
        const Mark mark = finding.severity == checker::Severity::Problem ? Mark::Problem : Mark::Warning;
        if (int(mark) > int(checked.marks[q]))
            checked.marks[q] = mark;
    }
    return checked;
}

} // namespace editor
