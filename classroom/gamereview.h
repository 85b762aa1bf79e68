// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The review a pupil sees after a game that came to its end: why it ended, how the score was
// made, every question with the first answer given, and every symbol with where it went.
// Modeless; built from the game's log, and deleted when closed.
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <memory>

#include "explore/regionmap.h"

#include "classroom/gamelog.h"
#include "ui/widgets.h"

class GameReview : public QWidget {
    Q_OBJECT
public:
    explicit GameReview(const classroom::GameLog& log, QWidget* parent = nullptr);

    // The side of a symbol's icon at 100 %, in logical pixels.
    static constexpr int IconSize = 32;

    const classroom::GameLog& log() const { return m_log; }

    // The summary's lines, as the window shows them (widget-free text from the log).
    static QString summaryText(const classroom::GameLog& log);

    ui::PictureImage* imgBackGround = nullptr;
    QLabel* lblSummary = nullptr;
    QTableWidget* tblQuestions = nullptr;
    QTableWidget* tblSymbols = nullptr;
    ui::PictureButton* cmdPractise = nullptr;
    ui::PictureButton* cmdClose = nullptr;

signals:
    void practiseRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void fillQuestions();
    void fillSymbols();

    classroom::GameLog m_log;
    QLabel* m_questionsHeading = nullptr;
    QLabel* m_symbolsHeading = nullptr;
    std::unique_ptr<explore::RegionMap> m_regionMap;
};
