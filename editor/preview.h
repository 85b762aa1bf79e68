// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The selected question drawn as the game's question box draws it, at its designed size: the
// quiz picture behind, the question with its half-line gap, an answer button for each answer
// that is not empty.
#include "editor/questionfile.h"

#include <QDialog>
#include <array>

class QFrame;
class QPushButton;
namespace ui {
class CaptionLabel;
class PictureButton;
class PictureImage;
}

namespace editor {

class QuestionPreview : public QDialog {
    Q_OBJECT
public:
    explicit QuestionPreview(QWidget* parent = nullptr);
    void showQuestion(const Question& question);

    QFrame* box = nullptr;
    ui::PictureImage* picture = nullptr;
    ui::CaptionLabel* question = nullptr;
    std::array<ui::PictureButton*, 4> answers{};

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QPushButton* m_close = nullptr;
};

} // namespace editor
