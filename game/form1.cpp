// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "classroom/classroom.h"

#include "game/form6.h"
#include "game/state.h"
#include "symbols/form3.h"
#include "ui/twips.h"
#include "ui/typeface.h"
#include "ui/zoom.h"

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
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    m_classroom = new classroom::Classroom(this);
    buildMenus();
    buildControls();
    nameControls();
    m_form3 = new Form3;
}

Form1::~Form1()
{
    delete m_form3;
    delete m_form6;
    if (g_instance == this)
        g_instance = nullptr;
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
    Frame1 = new QFrame(client);
    ui::placeDesigned(Frame1, QRect(0, -30, 11985, 450));
    imgBar = new ui::PictureImage(Frame1);
    ui::placeDesigned(imgBar, QRect(0, 0, 720, 240));
    lblMessage = makeLabel(Frame1, QStringLiteral("Select the best answer."), QRect(120, 120, 3000, 285));
    btnBegin = new ui::PictureButton(QStringLiteral("&BEGIN NEW GAME"), Frame1);
    ui::placeDesigned(btnBegin, QRect(0, 90, 3300, 345));
    Label7 = makeLabel(Frame1, QStringLiteral("Turns Left:"), QRect(3315, 120, 1095, 255));
    lblTurnsLeft = makeLabel(Frame1, QStringLiteral("0"), QRect(4410, 120, 345, 255));
    Label1 = makeLabel(Frame1, QStringLiteral("Time Left:"), QRect(4755, 120, 1065, 255));
    lblmin = makeLabel(Frame1, QStringLiteral("0"), QRect(5835, 120, 255, 255));
    Label2 = makeLabel(Frame1, QStringLiteral("min."), QRect(6075, 120, 495, 255));
    lblsec = makeLabel(Frame1, QStringLiteral("0"), QRect(6555, 120, 315, 255));
    Label3 = makeLabel(Frame1, QStringLiteral("sec."), QRect(6915, 120, 420, 255));
    Label4 = makeLabel(Frame1, QStringLiteral("Score:"), QRect(7395, 120, 645, 255));
    lblScore = makeLabel(Frame1, QStringLiteral("0"), QRect(8085, 120, 810, 255));
    Label5 = makeLabel(Frame1, QStringLiteral("Bonus:"), QRect(8670, 120, 780, 255));
    lblBonus = makeLabel(Frame1, QStringLiteral("0"), QRect(9510, 120, 825, 255));
    Command1 = new ui::PictureButton(QStringLiteral("E&xit"), Frame1);
    Command1->setFont(ui::gameFont(12));
    ui::placeDesigned(Command1, QRect(10965, 105, 855, 330));
    for (QLabel* caption : {lblMessage, Label7, lblTurnsLeft, Label1, lblmin, Label2, lblsec, Label3, Label4, lblScore,
                            Label5, lblBonus})
        static_cast<ui::CaptionLabel*>(caption)->setBackdrop(imgBar);

    // The map.
    Picture1 = new ui::MapPicture(client);
    ui::placeDesigned(Picture1, QRect(-30, 390, 6255, 4695));
    Picture1->setPicture(QImage(QStringLiteral(":/map.bmp")));
    Picture1->setMasterFile(QStringLiteral(":/map-master.png"));

    // The question box.
    Frame2 = new QFrame(client);
    ui::placeDesigned(Frame2, QRect(90, 5100, 6915, 3165));
    Frame2->setFrameShape(QFrame::Box);
    Frame2->installEventFilter(this);
    imgQuiz = new ui::PictureImage(Frame2);
    imgQuiz->setPicture(QPixmap(QStringLiteral(":/quiz.bmp")));
    lblQuestion = new ui::CaptionLabel(QStringLiteral("Question"), Frame2);
    lblQuestion->setFont(ui::gameFont());
    lblQuestion->setWordWrap(true);
    lblQuestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::placeDesigned(lblQuestion, QRect(240, 180, 6375, 675));
    lblQuestion->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblQuestion->setBackdrop(imgQuiz);
    static constexpr int answerTops[] = {840, 1320, 1800, 2280};
    for (int i = 1; i <= 4; ++i) {
        btnAnswer[i] = new ui::PictureButton(QStringLiteral("Answer %1").arg(i), Frame2);
        ui::placeDesigned(btnAnswer[i], QRect(240, answerTops[i - 1], 6375, 495));
        connect(btnAnswer[i], &QPushButton::clicked, this, [this, i] { btnAnswer_Click(i); });
    }
    static constexpr struct { int l, t, w, h; Qt::ArrowType arrow; const char* name; } moves[] = {
        {3240, 15, 465, 270, Qt::UpArrow, "Move the question box up"},
        {3240, 2865, 465, 270, Qt::DownArrow, "Move the question box down"},
        {-15, 1500, 225, 465, Qt::LeftArrow, "Move the question box left"},
        {6690, 1515, 225, 465, Qt::RightArrow, "Move the question box right"},
    };
    for (int i = 0; i < 4; ++i) {
        cmdMove[i] = new ui::PictureButton(QString(), Frame2);
        cmdMove[i]->setArrow(moves[i].arrow);
        cmdMove[i]->setToolTip(QString::fromLatin1(moves[i].name));
        cmdMove[i]->setAccessibleName(QString::fromLatin1(moves[i].name));
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
    Image1->setPicture(QPixmap(QStringLiteral(":/pointer.ico")));
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

    // The designed client area, 11880 x 8310 twips, below the menu bar.
    resize(QSize(ui::px(11880), ui::px(8310)) + innerChrome());
}

void Form1::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    QMenu* files = menuBar->addMenu(QStringLiteral("&Files"));
    mnuBegin = files->addAction(QStringLiteral("&Begin New Game"), this, &Form1::mnuBegin_Click);
    mnuEndGame = files->addAction(QStringLiteral("&End Game"), this, &Form1::mnuEndGame_Click);
    files->addSeparator();
    mnuQuiz = files->addAction(QStringLiteral("New &Questions"), this, &Form1::mnuQuiz_Click);
    mnuTreasures = files->addAction(QStringLiteral("New &Symbols"), this, &Form1::mnuTreasures_Click);
    mnuEditQuestions = files->addAction(tr("E&dit Questions"), this, &Form1::mnuEditQuestions_Click);
    files->addSeparator();
    mnuExit = files->addAction(QStringLiteral("E&xit"), this, &Form1::mnuExit_Click);

    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    mnuGameLength = options->addAction(QStringLiteral("&Game Options"), this, &Form1::mnuGameLength_Click);
    options->addSeparator();
    mnuNewPictures = options->addAction(QStringLiteral("&Add New Symbols"), this, &Form1::mnuNewPictures_Click);
    options->addSeparator();
    mnuSaveOptions = options->addAction(QStringLiteral("&Save Options"), this, &Form1::mnuSaveOptions_Click);
    options->addSeparator();
    mnuClassResults = options->addAction(tr("Class &Results"), this, &Form1::mnuClassResults_Click);
    options->addSeparator();
    buildZoomActions(options);
    mnuExplore = options->addAction(tr("E&xplore the Map"), this, &Form1::mnuExplore_Click);

    mnuScores = menuBar->addAction(QStringLiteral("High &Scores"), this, &Form1::mnuScores_Click);

    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    mnuAbout = help->addAction(QStringLiteral("&About"), this, &Form1::mnuAbout_Click);
    help->addSeparator();
    mnuValdraHelp = help->addAction(QStringLiteral("&Help"), this, &Form1::mnuValdraHelp_Click);
    // F1 opens the help from any window of the game, as desktops have it.
    mnuValdraHelp->setShortcut(QKeySequence::HelpContents);
    mnuValdraHelp->setShortcutContext(Qt::ApplicationShortcut);
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
    const int menuHeight = innerChrome().height();
    menuBar->setGeometry(0, 0, width(), menuHeight);
    client->setGeometry(0, menuHeight, width(), height() - menuHeight);
    Form_Resize();
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
