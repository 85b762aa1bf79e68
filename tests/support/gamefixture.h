#pragma once
// A main window on the scripted platform, in a fresh folder, with the shared state put back to
// its start-up values. Tests write the files they need, then call start().
#include "game/form1.h"
#include "game/state.h"
#include "support/testfolder.h"
#include "ui/scriptedplatform.h"

#include <QApplication>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        modValdra::resetState();
        // Each test starts from no personal preferences (the zoom).
        QSettings(QStringLiteral("Quillora"), QStringLiteral("Quillora")).clear();
        ui::setPlatform(&script);
        form = std::make_unique<Form1>();
    }

    void TearDown() override
    {
        form.reset();
        ui::setPlatform(nullptr);
        modValdra::resetState();
    }

    // Runs start-up and shows the window, as the program does.
    void start()
    {
        form->Form_Load();
        form->show();
        QApplication::processEvents();
    }

    // A question file of `count` questions "Question number N?" whose answer 1 is "Right N".
    void writeQuestions(int count, const QString& name = QStringLiteral("Valdra.qtn"))
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QStringLiteral("Question number %1?").arg(i) << QStringLiteral("Right %1").arg(i)
                  << QStringLiteral("Wrong A%1").arg(i) << QStringLiteral("Wrong B%1").arg(i)
                  << QStringLiteral("Wrong C%1").arg(i);
        folder.writeLines(name, lines);
    }

    TestFolder folder;
    ui::ScriptedPlatform script;
    std::unique_ptr<Form1> form;
};
