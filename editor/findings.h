// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checker's findings on the editor's questions, question by question: the editor writes no
// rule of its own, it asks the checker about the file it would save. Needs a QGuiApplication
// (the checker measures texts with the game's font), but no widgets.
#include "checker/report.h"
#include "editor/questionfile.h"

#include <QList>

namespace editor {

enum class Mark { Fine, Warning, Problem };

struct Checked {
    QList<QList<checker::Finding>> perQuestion;  // one list a question, in order
    QList<Mark> marks;                           // the worst finding of each question
};

Checked checkQuestions(const Questions& questions);

// The question (0-based) and the field (0 the question, 1..4 the answers) a line of the saved
// file holds.
inline int questionOfLine(int line) { return (line - 1) / FieldCount; }
inline int fieldOfLine(int line) { return (line - 1) % FieldCount; }

} // namespace editor
