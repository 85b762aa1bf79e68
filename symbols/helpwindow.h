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

    // Where a help address is read from in the language in use: a French game takes the page or
    // picture of the same name in help/fr/ when there is one.
    static QUrl inLanguage(const QUrl& page);

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
    void changeEvent(QEvent* event) override;

private:
    void showFindResult(bool found);
    void retranslateUi();
    void showTitle();
    QLabel* m_findLabel = nullptr;
};
