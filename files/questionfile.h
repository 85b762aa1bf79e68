// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a question file: in one reading, the questions the game plays and the findings a
// teacher should know about (the same ones quillora-check prints). No widgets, but the findings
// measure texts with the game's font, so a QGuiApplication must exist.
//
//     const questionfile::Reading r = questionfile::readQuestionFile("Birds.qtn");
//     r.questions[0].text, r.questions[0].answers[0]   // the first question, its correct answer
//     r.report.of(checker::Severity::Problem)          // what changes what the game does
#include "checker/report.h"
#include "files/textfile.h"

#include <QList>
#include <QString>
#include <array>

namespace questionfile {

inline constexpr int MostQuestions = 100;
inline constexpr int BlockLines = 5;
// The game reads no more of a question file than 100 questions need, and never more than this
// many bytes of it, so a huge file costs what a small one does.
inline constexpr qint64 MostBytes = 1 << 20;

struct Question {
    int line = 0;                    // 1-based line of its text
    QString text;                    // the question
    std::array<QString, 4> answers;  // [0] is the correct one; lines the file cuts off are empty
};

struct Reading {
    ui::TextFile file;           // how it was read: opened, encoding, line endings, ...
    int questionCount = 0;       // as the game counts: -1 for a file of at most one byte
    QList<Question> questions;   // max(questionCount, 0) of them, in file order
    checker::FileReport report;  // notes, warnings and problems, each with its line
};

// The file named, found as the game finds it (Windows folders, any case, current folder).
// findings false: the questions only, and no QGuiApplication needed.
Reading readQuestionFile(const QString& fileName, bool findings = true);
// The same rules on text in memory (e.g. being edited); shownName names it in the report.
Reading readQuestionText(const QString& text, const QString& shownName = QString(), bool findings = true);
// The same on the bytes a file would hold (the question editor checks what it would save).
Reading readQuestionBytes(const QByteArray& bytes, const QString& shownName = QString(), bool findings = true);

} // namespace questionfile
