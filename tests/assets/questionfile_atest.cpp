// The default question files, as the file checker sees them: nothing a teacher would need to mend.
#include "checker/questioncheck.h"
#include "game/state.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class DefaultQuestionFile : public testing::TestWithParam<const char*> {};

TEST_P(DefaultQuestionFile, TheCheckerFindsNothingInIt)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/data/") + QString::fromLatin1(GetParam()));
    const checker::FileReport report = checker::checkQuestionFile(QStringLiteral("Valdra.qtn"));
    QDir::setCurrent(previous);
    modValdra::resetState();
    ASSERT_TRUE(report.readable);
    for (const checker::Finding& f : report.findings)
        EXPECT_EQ(f.severity, checker::Severity::Note) << f.line << ": " << f.text.toStdString();
}

// The English file, and the French one a French game gives a new play folder.
INSTANTIATE_TEST_SUITE_P(EachLanguage, DefaultQuestionFile, testing::Values(".", "fr"));

} // namespace
