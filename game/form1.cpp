// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "ui/picture.h"

#include "classroom/classroom.h"

#include "game/form6.h"
#include "game/state.h"
#include "ui/accessible.h"
#include "ui/keyboard.h"
#include "ui/language.h"
#include "symbols/form3.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "ui/typeface.h"
#include "ui/zoom.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <cmath>

using ui::rectTw;

namespace {
Form1* g_instance = nullptr;
const char* const kDragMime = "application/x-quillora-control";
} // namespace

Form1* Form1::instance() { return g_instance; }

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    g_instance = this;
    ui::useGameTypeface();
    ui::requireReleaseBetweenPresses();
    ui::setZoomsItself(this);
    setAcceptDrops(true);
    setWindowIcon(ui::gameIcon());
    m_classroom = new classroom::Classroom(this);
    buildMenus();
    buildControls();
    retranslateUi();
    // The designed client area, 11880 x 8310 twips, below the menu bar (measured with its captions).
    resize(QSize(ui::px(11880), ui::px(8310)) + innerChrome());
    nameControls();
    m_form3 = new Form3;
}

Form1::~Form1()
{
    delete m_form3;
    delete m_form6;
    if (g_instance == this) {
        g_instance = nullptr;
        ui::setApplicationZoom(1.0);
    }
}

namespace {

QLabel* makeLabel(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* label = new ui::CaptionLabel(caption, parent);
    ui::plainLabel(label, ui::gameFont());
    ui::placeDesigned(label, geometry);
    return label;
}

} // namespace

void Form1::buildControls()
{
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    client->setPalette(pal);

    // The top bar.
    Frame1 = new ui::Panel(client);
    ui::placeDesigned(Frame1, QRect(0, -30, 11985, 450));
    imgBar = new ui::PictureImage(Frame1);
    ui::placeDesigned(imgBar, QRect(0, 0, 720, 240));
    m_messageText = [] { return tr("Select the best answer."); };
    lblMessage = makeLabel(Frame1, QString(), QRect(120, 120, 3000, 285));
    btnBegin = new ui::PictureButton(QString(), Frame1);
    ui::placeDesigned(btnBegin, QRect(0, 90, 3300, 345));
    Label7 = makeLabel(Frame1, QString(), QRect(3315, 120, 1095, 255));
    lblTurnsLeft = makeLabel(Frame1, QStringLiteral("0"), QRect(4410, 120, 345, 255));
    Label1 = makeLabel(Frame1, QString(), QRect(4755, 120, 1065, 255));
    lblmin = makeLabel(Frame1, QStringLiteral("0"), QRect(5835, 120, 255, 255));
    Label2 = makeLabel(Frame1, QString(), QRect(6075, 120, 495, 255));
    lblsec = makeLabel(Frame1, QStringLiteral("0"), QRect(6555, 120, 315, 255));
    Label3 = makeLabel(Frame1, QString(), QRect(6915, 120, 420, 255));
    Label4 = makeLabel(Frame1, QString(), QRect(7395, 120, 645, 255));
    lblScore = makeLabel(Frame1, QStringLiteral("0"), QRect(8085, 120, 810, 255));
    Label5 = makeLabel(Frame1, QString(), QRect(8670, 120, 780, 255));
    lblBonus = makeLabel(Frame1, QStringLiteral("0"), QRect(9510, 120, 825, 255));
    Command1 = new ui::PictureButton(QString(), Frame1);
    Command1->setFont(ui::gameFont(12));
    ui::placeDesigned(Command1, QRect(10965, 105, 855, 330));
    for (QLabel* caption : {lblMessage, Label7, lblTurnsLeft, Label1, lblmin, Label2, lblsec, Label3, Label4, lblScore,
                            Label5, lblBonus})
        static_cast<ui::CaptionLabel*>(caption)->setBackdrop(imgBar);

    // The map.
    Picture1 = new ui::MapPicture(client);
    // Designed at (-30, 390, 6255, 4695): its left edge 30 twips under the window's edge, where
    // the map's black border column would be lost. It starts at the edge instead, as wide.
    ui::placeDesigned(Picture1, QRect(0, 390, 6225, 4695));
    Picture1->setPicture(ui::builtInImage(QStringLiteral(":/map.bmp")));
    Picture1->setMasterFile(QStringLiteral(":/map-master.png"));

    // The question box.
    Frame2 = new ui::Panel(client);
    ui::placeDesigned(Frame2, QRect(90, 5100, 6915, 3165));
    Frame2->setFrameShape(QFrame::Box);
    Frame2->installEventFilter(this);
    imgQuiz = new ui::PictureImage(Frame2);
    imgQuiz->setPicture(QPixmap::fromImage(ui::builtInImage(QStringLiteral(":/quiz.bmp"))));
    lblQuestion = new ui::CaptionLabel(QString(), Frame2);
    lblQuestion->setFont(ui::gameFont());
    lblQuestion->setWordWrap(true);
    lblQuestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::placeDesigned(lblQuestion, QRect(240, 180, 6375, 675));
    lblQuestion->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblQuestion->setBackdrop(imgQuiz);
    static constexpr int answerTops[] = {840, 1320, 1800, 2280};
    for (int i = 1; i <= 4; ++i) {
        btnAnswer[i] = new ui::PictureButton(QString(), Frame2);
        ui::placeDesigned(btnAnswer[i], QRect(240, answerTops[i - 1], 6375, 495));
        connect(btnAnswer[i], &QPushButton::clicked, this, [this, i] { btnAnswer_Click(i); });
    }
    static constexpr struct { int l, t, w, h; Qt::ArrowType arrow; } moves[] = {
        {3240, 15, 465, 270, Qt::UpArrow},
        {3240, 2865, 465, 270, Qt::DownArrow},
        {-15, 1500, 225, 465, Qt::LeftArrow},
        {6690, 1515, 225, 465, Qt::RightArrow},
    };
    for (int i = 0; i < 4; ++i) {
        cmdMove[i] = new ui::PictureButton(QString(), Frame2);
        cmdMove[i]->setArrow(moves[i].arrow);
        ui::placeDesigned(cmdMove[i], QRect(moves[i].l, moves[i].t, moves[i].w, moves[i].h));
        cmdMove[i]->setFocusPolicy(Qt::NoFocus);
        connect(cmdMove[i], &QPushButton::clicked, this, [this, i] { cmdMove_Click(i); });
    }

    // The right-hand column.
    for (int k = 0; k < 12; ++k) {
        Crest[k] = new ui::PictureImage(client);
        // Symbols come in many shapes (a wide flag, a tall crest): fit them undistorted.
        Crest[k]->setStretch(false);
        Crest[k]->hide();
        Crest[k]->setCursor(Qt::PointingHandCursor);
        connect(Crest[k], &ui::PictureImage::clicked, this, [this, k] { Crest_Click(k); });
    }
    Text2 = new QPlainTextEdit(client);
    Text2->setReadOnly(true);
    Text2->setFont(ui::gameFont());
    ui::placeDesigned(Text2, QRect(7080, 4560, 4575, 765));
    Text2->hide();
    CrestImage = new ui::PictureImage(client);
    CrestImage->setStretch(false);
    ui::placeDesigned(CrestImage, QRect(8160, 5400, 2895, 2775));
    CrestImage->hide();
    Image1 = new ui::PictureImage(client);
    ui::placeDesigned(Image1, QRect(7200, 5400, 480, 480));
    Image1->setPicture(QPixmap::fromImage(ui::builtInImage(QStringLiteral(":/pointer.ico"))));
    // Only its picture is used, as the map's pointer.
    Image1->hide();
    connect(Image1, &ui::PictureImage::clicked, this, &Form1::Image1_Click);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    connect(btnBegin, &QPushButton::clicked, this, &Form1::btnBegin_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Picture1, &ui::MapPicture::mouseDown, this, &Form1::Picture1_MouseDown);
    // The question box is never covered by the controls built after it.
    Frame2->raise();
}

void Form1::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    mnuFiles = menuBar->addMenu(QString());
    mnuBegin = mnuFiles->addAction(QString(), this, &Form1::mnuBegin_Click);
    mnuEndGame = mnuFiles->addAction(QString(), this, &Form1::mnuEndGame_Click);
    mnuFiles->addSeparator();
    mnuQuiz = mnuFiles->addAction(QString(), this, &Form1::mnuQuiz_Click);
    mnuTreasures = mnuFiles->addAction(QString(), this, &Form1::mnuTreasures_Click);
    mnuEditQuestions = mnuFiles->addAction(QString(), this, &Form1::mnuEditQuestions_Click);
    mnuFiles->addSeparator();
    mnuExit = mnuFiles->addAction(QString(), this, &Form1::mnuExit_Click);

    mnuOptions = menuBar->addMenu(QString());
    mnuGameLength = mnuOptions->addAction(QString(), this, &Form1::mnuGameLength_Click);
    mnuOptions->addSeparator();
    mnuNewPictures = mnuOptions->addAction(QString(), this, &Form1::mnuNewPictures_Click);
    mnuOptions->addSeparator();
    mnuSaveOptions = mnuOptions->addAction(QString(), this, &Form1::mnuSaveOptions_Click);
    mnuOptions->addSeparator();
    mnuClassResults = mnuOptions->addAction(QString(), this, &Form1::mnuClassResults_Click);
    mnuOptions->addSeparator();
    buildZoomActions(mnuOptions);
    mnuExplore = mnuOptions->addAction(QString(), this, &Form1::mnuExplore_Click);
    mnuFindMap = mnuOptions->addAction(QString(), this, &Form1::mnuFindMap_Click);
    buildReadAloud(mnuOptions);
    mnuOptions->addSeparator();
    mnuLanguage = mnuOptions->addMenu(QString());
    // Each language is named in itself, so that a player who cannot read the other finds his own.
    mnuEnglish = mnuLanguage->addAction(QStringLiteral("&English"), this, [this] { chooseLanguage(false); });
    mnuFrench = mnuLanguage->addAction(QString::fromUtf8("Fran&\u00e7ais"), this, [this] { chooseLanguage(true); });
    auto* languages = new QActionGroup(this);
    for (QAction* action : {mnuEnglish, mnuFrench}) {
        action->setCheckable(true);
        languages->addAction(action);
    }

    mnuScores = menuBar->addAction(QString(), this, &Form1::mnuScores_Click);

    mnuHelp = menuBar->addMenu(QString());
    mnuAbout = mnuHelp->addAction(QString(), this, &Form1::mnuAbout_Click);
    mnuHelp->addSeparator();
    mnuValdraHelp = mnuHelp->addAction(QString(), this, &Form1::mnuValdraHelp_Click);
    // F1 opens the help from any window of the game, as desktops have it.
    mnuValdraHelp->setShortcut(QKeySequence::HelpContents);
    mnuValdraHelp->setShortcutContext(Qt::ApplicationShortcut);
}

void Form1::retranslateUi()
{
    mnuFiles->setTitle(tr("&Files"));
    mnuBegin->setText(tr("&Begin New Game"));
    mnuEndGame->setText(tr("&End Game"));
    mnuQuiz->setText(tr("New &Questions"));
    mnuTreasures->setText(tr("New &Symbols"));
    mnuEditQuestions->setText(tr("E&dit Questions"));
    mnuExit->setText(tr("E&xit"));
    mnuOptions->setTitle(tr("&Options"));
    mnuGameLength->setText(tr("&Game Options"));
    mnuNewPictures->setText(tr("&Add New Symbols"));
    mnuSaveOptions->setText(tr("&Save Options"));
    mnuClassResults->setText(tr("Class &Results"));
    mnuFitToWindow->setText(tr("Fit to &Window"));
    mnuExplore->setText(tr("E&xplore the Map"));
    mnuFindMap->setText(tr("Find on the &Map"));
    mnuReadAloud->setText(tr("Read &Questions Aloud"));
    mnuLanguage->setTitle(tr("&Language"));
    mnuFrench->setChecked(language::isFrench());
    mnuEnglish->setChecked(!language::isFrench());
    mnuScores->setText(tr("High &Scores"));
    mnuHelp->setTitle(tr("&Help"));
    mnuAbout->setText(tr("&About"));
    mnuValdraHelp->setText(tr("&Help"));

    btnBegin->setText(tr("&BEGIN NEW GAME"));
    Label7->setText(tr("Turns Left:"));
    Label1->setText(tr("Time Left:"));
    Label2->setText(tr("min."));
    Label3->setText(tr("sec."));
    Label4->setText(tr("Score:"));
    Label5->setText(tr("Bonus:"));
    Command1->setText(tr("E&xit", "the button on the top bar"));
    // A caption wider than the button's face ("Quitter") is narrowed rather than losing its ends.
    ui::setDesignedFont(Command1,
                        ui::fontToFit(ui::gameFont(12), QString(Command1->text()).remove(QLatin1Char('&')),
                                      ui::px(ui::designedRect(Command1).width()) - 12),
                        m_zoom);
    const QString moves[] = {tr("Move the question box up"), tr("Move the question box down"),
                             tr("Move the question box left"), tr("Move the question box right")};
    for (int i = 0; i < 4; ++i) {
        cmdMove[i]->setToolTip(moves[i]);
        cmdMove[i]->setAccessibleName(moves[i]);
    }
    // The designed captions before the first question; a question on show is the file's own text.
    if (!m_questionShown) {
        lblQuestion->setCaption(tr("Question"));
        for (int i = 1; i <= 4; ++i)
            btnAnswer[i]->setText(tr("Answer %1").arg(i));
    }
    if (m_messageText)
        lblMessage->setText(m_messageText());
    fitMessage();
    if (m_hintText)
        Text2->setPlainText(m_hintText());
}

void Form1::showMessage(std::function<QString()> text)
{
    m_messageText = std::move(text);
    lblMessage->setText(m_messageText ? m_messageText() : QString());
    fitMessage();
}

void Form1::fitMessage()
{
    // The longest place names ("Situez les Territoires du Nord-Ouest") are narrowed to stay
    // clear of the counters.
    ui::setDesignedFont(lblMessage, ui::fontToFit(ui::gameFont(), lblMessage->text(), ui::px(ui::designedRect(lblMessage).width())),
                        m_zoom);
}

void Form1::showHint(std::function<QString()> text)
{
    m_hintText = std::move(text);
    Text2->setPlainText(m_hintText ? m_hintText() : QString());
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        Text2->setAccessibleName(tr("Hint"));
        CrestImage->setAccessibleName(tr("Symbol"));
        nameMap();
        nameCounters();
        // Longer or shorter captions: the window lays its controls out again.
        if (isVisible())
            Form_Resize();
    }
    QWidget::changeEvent(event);
}

void Form1::chooseLanguage(bool french)
{
    const language::Language chosen = french ? language::Language::French : language::Language::English;
    language::saveChoice(chosen);
    if (chosen != language::current())
        language::apply(chosen);
    // The menu shows the choice at once, even before the change reaches the windows.
    mnuFrench->setChecked(french);
    mnuEnglish->setChecked(!french);
}

QSize Form1::innerChrome() const { return QSize(0, menuBar->sizeHint().height()); }

Form6* Form1::form6()
{
    if (!m_form6)
        m_form6 = new Form6;
    return m_form6;
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeMenuAndClient();
    Form_Resize();
}

bool Form1::placeMenuAndClient()
{
    const int menuHeight = innerChrome().height();
    const QRect bar(0, 0, width(), menuHeight), below(0, menuHeight, width(), height() - menuHeight);
    if (menuBar->geometry() == bar && client->geometry() == below)
        return false;
    menuBar->setGeometry(bar);
    client->setGeometry(below);
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the main window from its frame is the same orderly way out as Exit, and stays
    // open when the question editor's unsaved changes keep it.
    ShutDown();
    if (shutDownRequested)
        event->accept();
    else
        event->ignore();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // The question box can be picked up by its background and dropped anywhere on the window.
    if (watched == Frame2) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton)
                m_dragStart = me->position().toPoint();
        } else if (event->type() == QEvent::MouseMove) {
            auto* me = static_cast<QMouseEvent*>(event);
            if ((me->buttons() & Qt::LeftButton)
                && (me->position().toPoint() - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
                auto* drag = new QDrag(this);
                auto* mime = new QMimeData;
                mime->setData(QString::fromLatin1(kDragMime), QByteArray("Frame2"));
                drag->setMimeData(mime);
                // The box lands with its top-left corner at the pointer: show it that way.
                drag->setPixmap(Frame2->grab().scaled(Frame2->size() / 2));
                drag->setHotSpot(QPoint(0, 0));
                drag->exec(Qt::MoveAction);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(kDragMime)))
        event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(kDragMime)))
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QByteArray name = event->mimeData()->data(QString::fromLatin1(kDragMime));
    QWidget* source = name == "Frame2" ? Frame2 : nullptr;
    if (!source)
        return;
    const QPoint at = client->mapFrom(this, event->position().toPoint());
    event->acceptProposedAction();
    // In designed twips, whatever the zoom.
    Form_DragDrop(source, int(std::lround(ui::twips(at.x()) / m_zoom)), int(std::lround(ui::twips(at.y()) / m_zoom)));
}
