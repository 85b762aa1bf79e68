// The default question files as they ship: their format kept for teachers' editors, and every
// question and answer within what the question box and its buttons show.
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QFile>
#include <QFontMetrics>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

struct QuestionFile {
    const char* path;     // under assets/data
    const char* accented; // a name in it, as its Windows-1252 bytes
};

void PrintTo(const QuestionFile& f, std::ostream* os) { *os << f.path; }

class DefaultQuestions : public testing::TestWithParam<QuestionFile> {
protected:
    QByteArray defaultQuestionFile() const
    {
        QFile file(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/data/") + QString::fromLatin1(GetParam().path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_P(DefaultQuestions, AreAHundredFiveLineBlocksInWindows1252WithCrLf)
{
    const QByteArray bytes = defaultQuestionFile();
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    ASSERT_EQ(lines.size(), 500);
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].endsWith('\r') || i == lines.size() - 1) << "line " << i + 1;
        EXPECT_FALSE(lines[i].chopped(lines[i].endsWith('\r') ? 1 : 0).contains('\r')) << "line " << i + 1;
    }
    // Not UTF-8: the accents are single Windows-1252 bytes.
    EXPECT_TRUE(bytes.contains(GetParam().accented));
    EXPECT_FALSE(bytes.contains("\xC3"));
}

TEST_P(DefaultQuestions, FitTheQuestionBoxAndItsButtonsAtTheDesignedSize)
{
    const QByteArray bytes = defaultQuestionFile();
    QStringDecoder cp1252("Windows-1252");
    ASSERT_TRUE(cp1252.isValid());
    const QStringList lines = QString(cp1252.decode(bytes)).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 500);

    const QFontMetrics metrics(ui::gameFont());
    // The question label, less the half line of gap above the question.
    const QRect question = ui::rectTw(0, 0, 6375, 675).adjusted(0, metrics.height() / 2, 0, 0);
    // An answer button's caption, on one line.
    const int answerWidth = ui::px(6375) - 8;
    for (int q = 0; q < 100; ++q) {
        const QString& text = lines[5 * q];
        EXPECT_GE(text.size(), 5) << "question " << q + 1;
        const QRect needed = metrics.boundingRect(QRect(0, 0, question.width(), 1000), Qt::TextWordWrap, text);
        EXPECT_LE(needed.height(), question.height()) << "question " << q + 1 << ": " << text.toStdString();
        EXPECT_FALSE(lines[5 * q + 1].isEmpty()) << "question " << q + 1 << " has no right answer";
        for (int a = 1; a <= 4; ++a) {
            const QString& answer = lines[5 * q + a];
            EXPECT_LE(metrics.horizontalAdvance(answer), answerWidth) << "question " << q + 1 << ": " << answer.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, DefaultQuestions,
                         testing::Values(QuestionFile{"Valdra.qtn", "Qu\xE9" "bec City"},
                                         QuestionFile{"fr/Valdra.qtn", "Trois-Rivi\xE8" "res"}));

} // namespace
