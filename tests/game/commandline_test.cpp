// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/commandline.h"
#include "game/playfolder.h"

#include "support/testfolder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>

using commandline::Action;

namespace {

struct ParseCase {
    std::vector<const char*> args; // after the program's name
    Action action;
    const char* folder;
    bool userFolder;
    const char* errorPart; // a part of the error message, for Action::Error
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

} // namespace

TEST_P(Parse, ReadsTheCommandLine)
{
    const ParseCase& c = GetParam();
    QStringList args{QStringLiteral("quillora")};
    for (const char* a : c.args)
        args << QString::fromUtf8(a);
    const commandline::Options o = commandline::parse(args);
    EXPECT_EQ(o.action, c.action) << args.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(o.folder, QString::fromUtf8(c.folder));
    EXPECT_EQ(o.userFolder, c.userFolder);
    if (c.action == Action::Error)
        EXPECT_TRUE(o.error.contains(QString::fromUtf8(c.errorPart))) << o.error.toStdString();
    else
        EXPECT_TRUE(o.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(CommandLine, Parse, ::testing::Values(
    ParseCase{{}, Action::Play, "", false, ""},
    ParseCase{{"class 5b"}, Action::Play, "class 5b", false, ""},
    ParseCase{{"--user-folder"}, Action::Play, "", true, ""},
    ParseCase{{"--", "-odd name"}, Action::Play, "-odd name", false, ""},
    ParseCase{{"-"}, Action::Play, "-", false, ""}, // a folder named "-", not an option
    ParseCase{{"--help"}, Action::Help, "", false, ""},
    ParseCase{{"-h"}, Action::Help, "", false, ""},
    ParseCase{{"--version"}, Action::Version, "", false, ""},
    // Help and version answer even beside a mistake, such as the window system's options
    // before the toolkit has taken them out.
    ParseCase{{"-platform", "offscreen", "--help"}, Action::Help, "offscreen", false, ""},
    ParseCase{{"--bogus", "--version"}, Action::Version, "", false, ""},
    ParseCase{{"--version", "--help"}, Action::Help, "", false, ""},
    ParseCase{{"--", "--help"}, Action::Play, "--help", false, ""},
    ParseCase{{"--bogus"}, Action::Error, "", false, "unknown option '--bogus'"},
    ParseCase{{"-x", "here"}, Action::Error, "here", false, "unknown option '-x'"},
    ParseCase{{"one", "two"}, Action::Error, "one", false, "more than one folder"},
    ParseCase{{"--user-folder", "there"}, Action::Error, "there", true, "cannot go together"},
    ParseCase{{""}, Action::Error, "", false, "empty"}));

TEST(CommandLine, TheWindowSystemsOptionsAreSetAsideBeforeTheGamesAreJudged)
{
    struct Case {
        QStringList args;
        QStringList kept;
    } cases[] = {
        {{"quillora", "-platform", "offscreen", "class"}, {"quillora", "class"}},
        {{"quillora", "--style=Fusion", "-reverse", "--bogus"}, {"quillora", "--bogus"}},
        {{"quillora", "-display", ":3", "--lang", "fr"}, {"quillora", "--lang", "fr"}},
        {{"quillora", "--", "-platform"}, {"quillora", "--", "-platform"}},  // a folder's name
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandline::withoutWindowSystemOptions(c.args), c.kept) << c.args.join(' ').toStdString();
    EXPECT_EQ(commandline::parse(commandline::withoutWindowSystemOptions({"quillora", "-platform", "offscreen"})).action,
              Action::Play);
}

TEST(CommandLine, NoDisplayIsToldBeforeTheWindowSystemStarts)
{
    struct Case {
        std::map<std::string, QByteArray> env;
        QStringList args;
        bool missing;
    } cases[] = {
        {{}, {"quillora"}, true},
        {{{"DISPLAY", ":0"}}, {"quillora"}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, {"quillora"}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, {"quillora"}, false},
        {{{"QT_QPA_PLATFORM", "xcb"}}, {"quillora"}, true},
        {{}, {"quillora", "-platform", "offscreen"}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, {"quillora", "-platform", "xcb"}, true},
    };
    for (const Case& c : cases) {
        const auto env = [&c](const char* name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? QByteArray() : it->second;
        };
        const QString why = commandline::missingDisplay(c.args, env);
        EXPECT_EQ(!why.isEmpty(), c.missing) << c.args.join(' ').toStdString() << " " << c.env.size();
        if (c.missing) {
            EXPECT_FALSE(why.contains(QLatin1Char('\n')));
        }
    }
}

TEST(CommandLine, AnswersNameTheGameAndItsVersion)
{
    // The number itself comes from the build; the installed program is checked against it.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Quillora \\d+\\.\\d+(\\.\\d+)*\n$"))
                    .match(commandline::versionText()).hasMatch()) << commandline::versionText().toStdString();
    for (const char* part : {"--user-folder", "--help", "--version", "Valdra.qtn", "XDG_DATA_HOME"})
        EXPECT_TRUE(commandline::helpText().contains(QLatin1String(part))) << part;
    EXPECT_EQ(commandline::printAnswer(commandline::parse({QStringLiteral("quillora"), QStringLiteral("--nope")})), 2);
}

TEST(CommandLine, PlayFolderIsTheNamedOneOrThePlayersOwn)
{
    commandline::Options named;
    named.folder = QStringLiteral("class 5b");
    EXPECT_EQ(commandline::playFolder(named), QStringLiteral("class 5b"));
    EXPECT_EQ(commandline::playFolder(commandline::Options{}), QString());
    commandline::Options own;
    own.userFolder = true;
    EXPECT_EQ(commandline::playFolder(own), playfolder::userFolder());
    EXPECT_TRUE(playfolder::userFolder().endsWith(QLatin1String("/quillora")));
}

TEST(CommandLine, UserFolderFollowsTheXdgDataHome)
{
    struct Case { const char* xdg; const char* home; const char* folder; } cases[] = {
        {"/data/ann", "/home/ann", "/data/ann/quillora"},
        {"/data/ann/", "/home/ann", "/data/ann/quillora"},
        {"", "/home/ann", "/home/ann/.local/share/quillora"},
        {"relative/path", "/home/ann", "/home/ann/.local/share/quillora"}, // to be ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(playfolder::userFolder(QString::fromUtf8(c.xdg), QString::fromUtf8(c.home)),
                  QString::fromUtf8(c.folder)) << c.xdg;
}

TEST(CommandLine, AFolderNameTheSystemsEncodingCannotReadIsNamedWithItsStrayBytes)
{
    struct Case { const char* argument; const char* shown; } cases[] = {
        {"bad\xff\xfe", "bad\\xFF\\xFE"},
        {"classe-\xc3\xa9t\xc3\xa9", ""},  // valid UTF-8
        {"cut-\xc3", "cut-\\xC3"},
        {"--user-folder", ""},
    };
    for (const Case& c : cases) {
        const char* argv[] = {"quillora", c.argument};
        EXPECT_EQ(commandline::undecodableArgument(2, argv), QString::fromLatin1(c.shown)) << c.argument;
    }
    EXPECT_TRUE(commandline::undecodableFolderMessage(QStringLiteral("bad\\xFF")).contains(QLatin1String("bad\\xFF")));
}
