// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/preview.h"
#include "ui/picture.h"

#include "game/form1.h"
#include "game/state.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace editor {

namespace {

// The question box's designed geometry in twips, as the main window builds it.
constexpr int BoxWidthTw = 6915, BoxHeightTw = 3165;
constexpr int QuestionLeftTw = 240, QuestionTopTw = 180, QuestionWidthTw = 6375, QuestionHeightTw = 675;
constexpr int AnswerHeightTw = 495;
constexpr int AnswerTopsTw[] = {840, 1320, 1800, 2280};

QRect rectTw(int left, int top, int width, int height)
{
    return QRect(ui::px(left), ui::px(top), ui::px(width), ui::px(height));
}

} // namespace

QuestionPreview::QuestionPreview(QWidget* parent) : QDialog(parent)
{
    box = new QFrame(this);
    box->setFrameShape(QFrame::Box);
    box->setFixedSize(ui::px(BoxWidthTw), ui::px(BoxHeightTw));
    picture = new ui::PictureImage(box);
    picture->setGeometry(0, 0, box->width(), box->height());
    // The picture the game's own question box wears, which the Picture Locator may have changed.
    const QPixmap quiz = Form1::instance() ? Form1::instance()->imgQuiz->picture() : QPixmap::fromImage(ui::builtInImage(QStringLiteral(":/quiz.bmp")));
    picture->setPicture(quiz);
    question = new ui::CaptionLabel(QString(), box);
    question->setFont(ui::gameFont());
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    question->setGeometry(rectTw(QuestionLeftTw, QuestionTopTw, QuestionWidthTw, QuestionHeightTw));
    for (int i = 0; i < 4; ++i) {
        answers[size_t(i)] = new ui::PictureButton(QString(), box);
        answers[size_t(i)]->setGeometry(rectTw(QuestionLeftTw, AnswerTopsTw[i], QuestionWidthTw, AnswerHeightTw));
        answers[size_t(i)]->setPicture(quiz);
        answers[size_t(i)]->setFocusPolicy(Qt::NoFocus);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_close = buttons->button(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box, 0, Qt::AlignCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslateUi();
}

void QuestionPreview::retranslateUi()
{
    setWindowTitle(modValdra::ProgramTitle + tr("--Preview"));
    box->setAccessibleName(tr("The question as pupils see it"));
    m_close->setText(tr("&Close"));
}

void QuestionPreview::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void QuestionPreview::showQuestion(const Question& q)
{
    // As the game shows it: a carriage return before the question, the answers in the file's
    // order (the game shuffles them), a button only for an answer that is not empty.
    question->setCaption(QStringLiteral("\r") + q.text);
    for (int i = 0; i < 4; ++i) {
        answers[size_t(i)]->setText(q.answers[size_t(i)]);
        answers[size_t(i)]->setVisible(!q.answers[size_t(i)].isEmpty());
    }
}

} // namespace editor
