#pragma once
// Reading a question file into the question bank. Widget-free.
#include <QString>

namespace questionfile {
struct Reading;
}

namespace questionbank {

enum class LoadOutcome {
    Loaded,       // the file was read; QuestionCount holds what it gave
    EmptyFile,    // at most one byte: QuestionCount is -1
    NotOpened,    // missing or unreadable: the bank is as it was
};

// Reads the file into modValdra's question bank: five lines a question, at most 100
// questions. Answer lines cut off by the end of the file are stored empty, never left from an
// earlier file.
LoadOutcome loadQuestionBank(const QString& fileName);
// The same from a reading already made (which also holds the findings to tell).
LoadOutcome loadQuestionBank(const questionfile::Reading& reading);

} // namespace questionbank
