// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols/helpwindow.h"
#include "ui/picture.h"

#include "game/state.h"
#include "ui/language.h"

#include <QAction>
#include <QBoxLayout>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>

const QUrl HelpWindow::ContentsPage(QStringLiteral("qrc:/help/index.html"));

QUrl HelpWindow::inLanguage(const QUrl& page)
{
    const QString path = page.path();
    if (!language::isFrench() || page.scheme() != QLatin1String("qrc") || !path.startsWith(QLatin1String("/help/"))
        || path.startsWith(QLatin1String("/help/fr/")))
        return page;
    const QString french = QStringLiteral("/help/fr/") + path.mid(6);
    if (!QFile::exists(QLatin1Char(':') + french))
        return page;
    QUrl translated = page;
    translated.setPath(french);
    return translated;
}

namespace {

QToolButton* makeToolButton(QWidget* parent, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

// The help pages keep one address in both languages; a French game reads each from help/fr/ where
// it has been written, and the English page where it has not.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        return QTextBrowser::loadResource(type, HelpWindow::inLanguage(name));
    }
};

QString helpStyleSheet()
{
    QFile css(QStringLiteral(":/help/help.css"));
    if (!css.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(css.readAll());
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ui::gameIcon());
    setMinimumSize(300, 200);
    resize(760, 680);

    backButton = makeToolButton(this, QStyle::SP_ArrowBack);
    forwardButton = makeToolButton(this, QStyle::SP_ArrowForward);
    contentsButton = makeToolButton(this, QStyle::SP_DirHomeIcon);
    m_findLabel = new QLabel(this);
    findText = new QLineEdit(this);
    findText->setClearButtonEnabled(true);
    findText->setMinimumWidth(80);
    findText->installEventFilter(this);
    m_findLabel->setBuddy(findText);
    findPrevious = makeToolButton(this, QStyle::SP_ArrowUp);
    findNext = makeToolButton(this, QStyle::SP_ArrowDown);
    findPrevious->setToolButtonStyle(Qt::ToolButtonIconOnly);
    findNext->setToolButtonStyle(Qt::ToolButtonIconOnly);
    findStatus = new QLabel(this);

    browser = new HelpBrowser(this);
    browser->setAccessibleName(tr("Help page"));
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(true);
    browser->document()->setDefaultStyleSheet(helpStyleSheet());
    browser->document()->setDocumentMargin(12);
    browser->setSearchPaths({QStringLiteral(":/help")});

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->setSpacing(4);
    bar->addWidget(backButton);
    bar->addWidget(forwardButton);
    bar->addWidget(contentsButton);
    bar->addStretch(1);
    bar->addWidget(m_findLabel);
    bar->addWidget(findText, 1);
    bar->addWidget(findPrevious);
    bar->addWidget(findNext);
    bar->addWidget(findStatus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(browser, 1);

    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    connect(backButton, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(contentsButton, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, [this] {
        showTitle();
        findStatus->clear();
    });
    connect(findNext, &QToolButton::clicked, this, [this] { findInPage(false); });
    connect(findPrevious, &QToolButton::clicked, this, [this] { findInPage(true); });
    connect(findText, &QLineEdit::returnPressed, this, [this] { findInPage(false); });
    connect(findText, &QLineEdit::textEdited, this, [this] {
        // Search as the word is typed, from the top of the page.
        QTextCursor top = browser->textCursor();
        top.movePosition(QTextCursor::Start);
        browser->setTextCursor(top);
        if (findText->text().isEmpty())
            showFindResult(true);
        else
            findInPage(false);
    });

    auto addShortcut = [this](const QKeySequence& keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { browser->backward(); });
    addShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { browser->forward(); });
    addShortcut(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { showContents(); });
    addShortcut(QKeySequence::Find, [this] { findText->setFocus(); findText->selectAll(); });
    addShortcut(QKeySequence::FindNext, [this] { findInPage(false); });
    addShortcut(QKeySequence::FindPrevious, [this] { findInPage(true); });

    retranslateUi();
    showContents();
    browser->setFocus();
}

void HelpWindow::showTitle()
{
    const QString title = browser->documentTitle();
    const QString program = modValdra::ProgramTitle.isEmpty() ? QStringLiteral("Quillora") : modValdra::ProgramTitle;
    setWindowTitle(title.isEmpty() ? tr("%1 Help").arg(program) : tr("%1 Help: %2").arg(program, title));
}

void HelpWindow::retranslateUi()
{
    const struct {
        QToolButton* button;
        QString text;
        QString tip;
    } buttons[] = {
        {backButton, tr("&Back"), tr("Back to the page before (Alt+Left)")},
        {forwardButton, tr("&Forward"), tr("Forward again (Alt+Right)")},
        {contentsButton, tr("&Contents"), tr("The contents page (Alt+Home)")},
        {findPrevious, tr("Previous"), tr("Find the previous place (Shift+F3)")},
        {findNext, tr("Next"), tr("Find the next place (F3)")},
    };
    for (const auto& b : buttons) {
        b.button->setText(b.text);
        b.button->setToolTip(b.tip);
        b.button->setAccessibleName(b.text);
    }
    m_findLabel->setText(tr("F&ind in page:"));
    findText->setPlaceholderText(tr("Find in page"));
    if (!findStatus->text().isEmpty())
        findStatus->setText(tr("Not found"));
    showTitle();
}

void HelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The same page, now in the language in use; then the title it brings.
        if (!browser->source().isEmpty())
            browser->reload();
        retranslateUi();
    }
    QWidget::changeEvent(event);
}

void HelpWindow::showContents()
{
    if (browser->source() == ContentsPage) {
        browser->verticalScrollBar()->setValue(0);
        return;
    }
    browser->setSource(ContentsPage);
}

bool HelpWindow::findInPage(bool backward)
{
    const QString text = findText->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = browser->find(text, flags);
    if (!found) {
        // Go round: carry on from the other end of the page.
        const QTextCursor keep = browser->textCursor();
        QTextCursor from = keep;
        from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        browser->setTextCursor(from);
        found = browser->find(text, flags);
        if (!found)
            browser->setTextCursor(keep);
    }
    showFindResult(found);
    return found;
}

void HelpWindow::showFindResult(bool found)
{
    QPalette pal = findText->palette();
    pal.setColor(QPalette::Base, found ? palette().color(QPalette::Base) : QColor(255, 210, 210));
    findText->setPalette(pal);
    findStatus->setText(found ? QString() : tr("Not found"));
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // In the search field, Shift+Enter finds backwards and Esc gives the page the keyboard.
    if (watched == findText && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::ShiftModifier)) {
            findInPage(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            browser->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::resizeEvent(QResizeEvent* event)
{
    // A narrow window keeps the page readable: the buttons show their pictures only.
    const bool narrow = width() < 640;
    for (QToolButton* button : {backButton, forwardButton, contentsButton})
        button->setToolButtonStyle(narrow ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    m_findLabel->setVisible(!narrow);
    QWidget::resizeEvent(event);
}
