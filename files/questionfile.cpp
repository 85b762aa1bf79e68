// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/questionfile.h"

#include "checker/questioncheck.h"

namespace questionfile {

namespace {

Reading readFrom(ui::TextFile file, const QString& shownName, bool findings)
{
    Reading reading;
    reading.file = std::move(file);
    reading.report.file = shownName;
    const ui::TextFile& text = reading.file;
    if (text.opened) {
        if (text.size <= 1) {
            reading.questionCount = -1;
        } else {
            // Five lines a question; answer lines cut off by the end of the file stay empty.
            const QStringList& lines = text.lines;
            qsizetype next = 0;
            while (reading.questions.size() < MostQuestions && next < lines.size()) {
                Question q;
                q.line = int(next) + 1;
                q.text = lines[next++];
                for (QString& answer : q.answers)
                    if (next < lines.size())
                        answer = lines[next++];
                reading.questions << q;
            }
            reading.questionCount = int(reading.questions.size());
        }
    }
    if (findings)
        checker::checkQuestions(reading, reading.report);
    return reading;
}

ui::ReadLimits limits() { return {MostQuestions * BlockLines, MostBytes}; }

} // namespace

Reading readQuestionFile(const QString& fileName, bool findings)
{
    return readFrom(ui::readTextFile(fileName, limits()), fileName, findings);
}

Reading readQuestionText(const QString& text, const QString& shownName, bool findings)
{
    return readFrom(ui::readTextBytes(text.toUtf8(), limits()), shownName, findings);
}

Reading readQuestionBytes(const QByteArray& bytes, const QString& shownName, bool findings)
{
    return readFrom(ui::readTextBytes(bytes, limits()), shownName, findings);
}

} // namespace questionfile
