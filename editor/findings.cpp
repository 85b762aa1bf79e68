// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/findings.h"

#include "checker/questioncheck.h"
#include "checker/textscan.h"

namespace editor {

Checked checkQuestions(const Questions& questions)
{
    checker::FileReport report;
    // The bytes the file would hold (characters it cannot hold), then its lines.
    checker::checkBytes(encodeQuestionFile(questions), report, nullptr);
    checker::checkQuestionLines(toLines(questions), report);

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
