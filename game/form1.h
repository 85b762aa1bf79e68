// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window. Its procedures keep the names of the game's design and live in several
// files of game/ (and config/, symbols/), one per concern; this header is their one index.
// They are public so that tests can drive them exactly as the window's events do.
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "config/form4.h"
#include "explore/regionmap.h"
#include "config/form7.h"
#include "game/form6.h"
#include "symbols/form3.h"
#include "ui/widgets.h"

namespace checker {
struct FileReport;
}

class QMenuBar;
class QAction;
class QMenu;
class Form5;
class frmAbout;
class HelpWindow;
namespace editor {
class QuestionEditor;
}
namespace explore {
class ExploreWindow;
class FindMapWindow;
}
namespace classroom {
class Classroom;
}

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The one main window of the run (the other windows read its quiz picture).
    static Form1* instance();

    // Start-up and shutdown (form1_startup.cpp).
    void Form_Load();
    void ShutDown();
    // A request to end from outside (SIGTERM, SIGINT, SIGHUP): as Exit, but a save under way
    // finishes first, so no lock or temporary file is left.
    void QuitOnSignal();
    void Command1_Click();
    void mnuExit_Click();

    // Question bank (form1_questionbank.cpp).
    void LoadData();

    // New game and question round (form1_round.cpp).
    void btnBegin_Click();
    void mnuBegin_Click();
    void NewGame();
    void NextQuestion();
    void DisplayQuestion();
    void btnAnswer_Click(int Index);

    // Target symbol, hints and the map (form1_map.cpp).
    void DrawTargetSymbol();
    void SampleRegionColours();
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void CheckLocation(qint64 colour);
    void Crest_Click(int Index);
    void Image1_Click();
    // Ends a pending placement: the map forgets the target and gets its default pointer back.
    void cancelPendingPlacement();
    // Where a missed symbol belonged, hatched on the map: for MissHighlightSeconds of the
    // platform's clock or until the next symbol waits; after a time-up, until the next game.
    static constexpr double MissHighlightSeconds = 3.0;
    int missHighlightRegion() const { return m_missRegion; }
    void showMissHighlight(const QString& target, bool untilNextGame);
    void clearMissHighlight();
    // The highlight's timer: takes it away once its time on the platform's clock is over.
    void missHighlightTick();

    // Clock and end of game (form1_clock.cpp).
    void Timer1_Timer();
    void EndGame();
    void mnuEndGame_Click();

    // High scores (form1_highscores.cpp).
    void ReadHighScores();
    void CheckHighScore();
    void SaveHighScores();
    void mnuScores_Click();

    // Layout (form1_layout.cpp).
    void Form_Resize();
    void LayoutWindow();
    void ApplyQuizPicture();
    void cmdMove_Click(int Index);
    void Form_DragDrop(QWidget* Source, int X, int Y);
    // Outer size of the window in twips, frame, title and menu bar included.
    int widthTw() const;
    int heightTw() const;
    void setWidthTw(int width);
    void setHeightTw(int height);
    // Place of the question box in twips. Kept in twips, so the arrows' limits hold exactly.
    // The question box's place as the teacher set it (or the arrows and a drop moved it); the
    // window's size and zoom never change it. It is drawn inside the window where it would not
    // fit (quizBoxShownTw).
    QPoint quizBoxTw() const { return m_quizBoxTw; }
    QPoint quizBoxShownTw() const;
    void setQuizBoxTw(QPoint topLeft);
    // Gives the question box and every control that wears it a new quiz picture.
    void setQuizPicture(const QPixmap& picture);

    // Zoom (form1_zoom.cpp): the whole client area at 100 to 300 %, in steps, or following the
    // window's size ("Fit to Window"). Lengths are the designed twips times the zoom.
    double zoom() const { return m_zoom; }
    int zoomPercent() const;
    bool fitToWindow() const { return m_fitToWindow; }
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // Takes a zoom step and resizes the window to it; false (and nothing done) where the
    // screen has no room for it.
    bool setZoomStep(int percent);
    void mnuFitToWindow_Click();
    // The personal zoom saved by the last run.
    void restoreZoom();

    // Read Questions Aloud (form1_readaloud.cpp): a personal setting; the game's own voice for
    // each announcement of this window, unless a screen reader reads it already.
    bool readingAloud() const;
    void mnuReadAloud_Click();

    // Settings file (config/form1_settings.cpp).
    void ReadSettingsFile();

    // Custom symbols (symbols/form1_symbols.cpp).
    void LoadCustomSymbols();

    // Telling what a teacher's file holds (game/form1_tell.cpp): one box after the load when the
    // findings include problems, never twice for the same unchanged file (identity) in a run,
    // and not before the window is shown. kind: "The question file" and the like.
    // at: where among the boxes waiting for the window it goes (the end when -1).
    void tellFileFindings(const QString& kind, const checker::FileReport& report, const QString& identity,
                          qsizetype at = -1);
    void tellPendingFindings();
    // Once the window is shown: the findings start-up left for then, and every box waiting.
    void tellStartupFindings();

    // Options dialog and settings editor (config/form1_options.cpp).
    void ShowCurrentOptions();
    Form4* form4();
    Form4* existingForm4() const { return m_form4; }
    // The settings editor, window class form7.
    form7* settingsEditor();
    form7* existingSettingsEditor() const { return m_form7; }

    // Commands of the windows still to come.
    void mnuGameLength_Click();
    void mnuNewPictures_Click();
    void mnuSaveOptions_Click();
    void mnuQuiz_Click();
    void mnuTreasures_Click();
    // The question editor (editor/form1_editor.cpp).
    void mnuEditQuestions_Click();
    editor::QuestionEditor* existingQuestionEditor() const;
    // Plays a saved question file, loaded as "New Questions" loads the file it is given.
    void playQuestionFile(const QString& fileName);
    // Reads the question file now named, with its own high scores; a file that cannot be read
    // is named and the one before it stays in play.
    void loadNamedQuestionFile(const QString& previousQuiz, const QString& previousScores);
    void mnuAbout_Click();
    void mnuValdraHelp_Click();
    // Switches the language, keeps the choice in the player's settings, and rewrites every open
    // window; the game in progress goes on as it is.
    void chooseLanguage(bool french);

    // The game review, practice and the class record (classroom/).
    classroom::Classroom* classroom() const { return m_classroom; }
    void mnuClassResults_Click();
    // Turns in the game: SymbolCount, or the questions of a practice round.
    int turnLimit() const;

    // The load commands' wait (symbols/form1_chooser.cpp): n seconds, the windows kept live.
    void WaitSeconds(qint16 n);
    // The file chooser, the about box and the help window while they exist.
    Form5* existingForm5() const;
    frmAbout* existingAbout() const;
    HelpWindow* existingHelp() const;

    // What a screen reader says of the window (game/form1_access.cpp): the counters read with
    // their captions, the map with what it waits for, and the changes a player sees at once.
    void nameControls();
    void nameCounters();
    void nameMap();
    void announceQuestion();
    // The question with its numbered answers, as it is announced and read aloud.
    QString spokenQuestion() const;
    // What the keyboard's pointer stands on: a region, the sea, a border or outside Canada.
    QString placeUnderPointer() const;

    // Explore the Map (explore/form1_explore.cpp).
    void mnuExplore_Click();
    explore::ExploreWindow* existingExplore() const;
    // Find on the Map (explore/form1_explore.cpp).
    void mnuFindMap_Click();
    explore::FindMapWindow* existingFindMap() const;

    // The picture store and the high-score window (created on demand).
    Form3* form3() const { return m_form3; }
    Form6* form6();
    Form6* existingForm6() const { return m_form6; }

    // --- Controls, with the names of the design ---
    QMenuBar* menuBar = nullptr;
    QWidget* client = nullptr;  // the client area below the menu bar

    QFrame* Frame1 = nullptr;
    ui::PictureImage* imgBar = nullptr;
    ui::PictureButton* btnBegin = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* lblTurnsLeft = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblmin = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblsec = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblBonus = nullptr;
    ui::PictureButton* Command1 = nullptr;

    ui::MapPicture* Picture1 = nullptr;

    QFrame* Frame2 = nullptr;
    ui::PictureImage* imgQuiz = nullptr;
    ui::CaptionLabel* lblQuestion = nullptr;
    std::array<ui::PictureButton*, 5> btnAnswer{};  // 1..4
    std::array<ui::PictureButton*, 4> cmdMove{};    // 0 up, 1 down, 2 left, 3 right

    std::array<ui::PictureImage*, 12> Crest{};
    QPlainTextEdit* Text2 = nullptr;
    ui::PictureImage* CrestImage = nullptr;
    ui::PictureImage* Image1 = nullptr;

    QTimer* Timer1 = nullptr;

    QMenu* mnuFiles = nullptr;
    QMenu* mnuOptions = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuBegin = nullptr;
    QAction* mnuEndGame = nullptr;
    QAction* mnuQuiz = nullptr;
    QAction* mnuTreasures = nullptr;
    QAction* mnuEditQuestions = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuGameLength = nullptr;
    QAction* mnuNewPictures = nullptr;
    QAction* mnuSaveOptions = nullptr;
    QAction* mnuFitToWindow = nullptr;
    QAction* mnuExplore = nullptr;
    QAction* mnuFindMap = nullptr;
    QAction* mnuReadAloud = nullptr;
    QAction* mnuClassResults = nullptr;
    QAction* mnuScores = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuValdraHelp = nullptr;
    // The player's choice of language, in the Options menu.
    QMenu* mnuLanguage = nullptr;
    QAction* mnuFrench = nullptr;
    QAction* mnuEnglish = nullptr;

    // Gives the keyboard to where play goes on: the question's first answer, the map waiting for
    // a placement, or the button that begins a game.
    void placeKeyboardFocus();

    // The outcome of the last shutdown request (tests read it; the real run quits).
    bool shutDownRequested = false;
    // A high-score save is under way, and a request to end waits for it.
    bool savingScores = false;
    bool quitAfterSave = false;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The top bar's status and the hint box: each text is kept as how to make it, so that a
    // change of language rewrites what is on show.
    void showMessage(std::function<QString()> text);
    // Gives the message the font its text needs to fit its designed width.
    void fitMessage();
    void showHint(std::function<QString()> text);
    // Puts every fixed caption of the window in the language in use.
    void retranslateUi();
    // True when there is no question editor or its changes may go (Save, Discard or Cancel).
    bool questionEditorMaySetAside();
    void buildControls();
    void buildMenus();
    QSize innerChrome() const;
    QSize clientSize() const;
    // Zoom (form1_zoom.cpp).
    void buildZoomActions(QMenu* options);
    void applyZoom(double zoom);
    // Places the menu bar and the client area below it; false where they stand there already.
    bool placeMenuAndClient();
    void keepOnScreen(QSize frameSize);
    // A short note at the foot of the window, gone by itself after a few seconds.
    void showZoomNote(const QString& text);
    void followWindowZoom();
    void saveZoom();
    void placeQuizBox();
    void layoutTopBar(int width);
    void fitInsideScreen();
    QSize availableOuterTw() const;
    // The window's outer size in twips as the designed layout sees it at the zoom in force.
    QSize designedOuterTw() const;

    QPointer<Form3> m_form3;
    QPointer<Form6> m_form6;
    QPointer<Form5> m_form5;
    QPointer<frmAbout> m_frmAbout;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<explore::ExploreWindow> m_explore;
    QPointer<explore::FindMapWindow> m_findMap;
    QPointer<Form4> m_form4;
    QPointer<form7> m_form7;
    QPointer<editor::QuestionEditor> m_questionEditor;
    classroom::Classroom* m_classroom = nullptr;
    // Counts games, so a handler that waited on a modal box can tell that its game is over.
    int m_gameSerial = 0;
    // The answers of the question on show in their shuffled order, 1..4: what each answer
    // button stands for.
    std::array<QString, 5> m_answerList;
    // The answers given wrongly to the question on show: marked wrong, and the right one
    // marked right, until the right one is picked.
    QStringList m_wrongPicks;
    void markAnswers();
    // The store's picture of the symbol drawn last: what a find puts into the gallery, whatever
    // a look at the gallery has shown in the meantime.
    QPixmap m_targetPicture;
    // The last question file load could not read its file.
    bool m_questionFileUnread = false;
    // Files already told of, and boxes waiting for the window to show.
    QSet<QString> m_toldFiles;
    QList<std::pair<QString, QString>> m_pendingTells;  // text, details
    // The start-up question file's findings, worked out once the window is shown.
    std::function<void()> m_startupFindings;
    QPoint m_quizBoxTw{90, 5100};
    // An outer size asked for before the window had a frame to measure, and the size it gave.
    QSize m_pendingOuterTw;
    QSize m_pendingClientPx;
    void applyPendingOuterSize();
    QPoint m_dragStart;
    bool m_inLayout = false;
    std::function<QString()> m_messageText;
    std::function<QString()> m_hintText;
    // A question has been on show: the question box holds the file's text, not its captions.
    bool m_questionShown = false;
    double m_zoom = 1.0;
    QLabel* m_zoomNote = nullptr;
    QTimer* m_zoomNoteTimer = nullptr;
    bool m_fitToWindow = false;
    bool m_shownOnce = false;
    // The map's regions as the highlight outlines them, read from the map in play.
    std::unique_ptr<explore::RegionMap> m_regionMap;
    int m_missRegion = -1;
    double m_missUntil = -1;  // platform time; negative: until the next game
    QTimer* m_missTimer = nullptr;
    // The region under the keyboard's pointer on the map, as last said (-1: none, -2: not said).
    int m_mapPointerRegion = -1;
    void buildReadAloud(QMenu* options);
    bool m_readAloudTold = false;  // why the game stays silent, said once a session
    // The game's last minute has been announced.
    bool m_minuteAnnounced = false;

    friend class Form1TestAccess;
};
