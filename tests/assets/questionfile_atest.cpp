// The default question file, as the file checker sees it: nothing a teacher would need to mend.
#include "checker/questioncheck.h"
#include "game/state.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(DefaultQuestionFile, TheCheckerFindsNothingInIt)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/data"));
    const checker::FileReport report = checker::checkQuestionFile(QStringLiteral("Valdra.qtn"));
    QDir::setCurrent(previous);
    modValdra::resetState();
    ASSERT_TRUE(report.readable);
    for (const checker::Finding& f : report.findings)
        EXPECT_EQ(f.severity, checker::Severity::Note) << f.line << ": " << f.text.toStdString();
}
