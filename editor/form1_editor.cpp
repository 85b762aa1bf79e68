// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/questioneditor.h"
#include "game/form1.h"
#include "game/state.h"
#include "symbols/chooser.h"

using namespace modValdra;

editor::QuestionEditor* Form1::existingQuestionEditor() const { return m_questionEditor; }

void Form1::mnuEditQuestions_Click()
{
    // One editor at a time, on the question file in play.
    if (!m_questionEditor) {
        // A window of its own, not one held above the game: the teacher plays what was written
        // with the game in front. It goes with the main window.
        m_questionEditor = new editor::QuestionEditor;
        const QPointer<editor::QuestionEditor> editorWindow = m_questionEditor;
        connect(this, &QObject::destroyed, [editorWindow] { delete editorWindow.data(); });
        m_questionEditor->startOn(QuizFile);
        connect(m_questionEditor, &editor::QuestionEditor::playRequested, this, &Form1::playQuestionFile);
    }
    m_questionEditor->show();
    m_questionEditor->raise();
    m_questionEditor->activateWindow();
}

void Form1::playQuestionFile(const QString& fileName)
{
    // As "New Questions" with this file chosen: the running game ends without a high-score
    // check, the file and its own high-score list come in.
    const QString previousQuiz = QuizFile;
    const QString previousScores = ScoreFile;
    Frame2->hide();
    QuizFile = fileName;
    ScoreFile = chooser::scoreFileFor(fileName);
    GameFinished = 0;
    EndGame();
    loadNamedQuestionFile(previousQuiz, previousScores);
    raise();
    activateWindow();
}

bool Form1::questionEditorMaySetAside() { return !m_questionEditor || m_questionEditor->maySetAside(); }
