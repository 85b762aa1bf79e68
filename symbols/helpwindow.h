// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own help window: the help document embedded in the program, shown from its
// contents page with links, back and forward, and a search within the page. Modeless.
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The contents page of the help document.
    static const QUrl ContentsPage;

    explicit HelpWindow(QWidget* parent = nullptr);

    void showContents();
    // Finds the next (or previous) place of the search text in the page, going round at its
    // end. False when the page does not hold it.
    bool findInPage(bool backward = false);

    QTextBrowser* browser = nullptr;
    QToolButton* backButton = nullptr;
    QToolButton* forwardButton = nullptr;
    QToolButton* contentsButton = nullptr;
    QLineEdit* findText = nullptr;
    QToolButton* findPrevious = nullptr;
    QToolButton* findNext = nullptr;
    QLabel* findStatus = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFindResult(bool found);
    QLabel* m_findLabel = nullptr;
};
