// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/findmapwindow.h"
#include "ui/picture.h"

#include "game/regions.h"
#include "game/state.h"
#include "symbols/form3.h"
#include "ui/announce.h"
#include "ui/keyboard.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace explore {

namespace {

float draw() { return ui::platform().random(); }
double now() { return ui::platform().timeOfDay(); }

QString nameList(const QList<int>& list)
{
    QStringList names;
    for (int r : list)
        names << regions::displayName(r);
    return names.join(QStringLiteral(", "));
}

} // namespace

FindMapWindow::FindMapWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    dressMapWindow(this, QString());

    m_regionMap = std::make_unique<RegionMap>(ui::builtInImage(QStringLiteral(":/map.bmp")));
    m_facts = builtInFacts();

    map = new ExploreMap(*m_regionMap, this);
    map->setNearRadius(NearPixels);
    // The name beside the pointer would give the answer away; a screen reader still hears it
    // from the map's name, as it needs to walk the map at all.
    map->setNamesShown(false);

    auto* right = new QVBoxLayout;
    auto* modeRow = new QHBoxLayout;
    cboMode = new QComboBox(this);
    for (int i = 0; i < 5; ++i)
        cboMode->addItem(QString());
    m_modeLabel = ui::plainLabel(new QLabel(this), ui::gameFont(10));
    m_modeLabel->setBuddy(cboMode);
    modeRow->addWidget(m_modeLabel);
    modeRow->addWidget(cboMode, 1);
    right->addLayout(modeRow);
    chkClock = new QCheckBox(this);
    chkClock->setFont(ui::gameFont(10, false));
    right->addWidget(chkClock);
    right->addSpacing(8);

    lblQuestion = ui::plainLabel(new QLabel(this), ui::gameFont(16));
    lblQuestion->setWordWrap(true);
    lblQuestion->setMinimumHeight(lblQuestion->fontMetrics().height() * 3);
    lblQuestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(lblQuestion);
    imgSymbol = new ui::PictureImage(this);
    imgSymbol->setStretch(false);
    imgSymbol->setFixedSize(128, 128);
    right->addWidget(imgSymbol, 0, Qt::AlignHCenter);
    lblFeedback = ui::plainLabel(new QLabel(this), ui::gameFont(11, false));
    lblFeedback->setWordWrap(true);
    lblFeedback->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(lblFeedback);
    lblProgress = ui::plainLabel(new QLabel(this), ui::gameFont(10));
    right->addWidget(lblProgress);
    lblClock = ui::plainLabel(new QLabel(this), ui::gameFont(10, false));
    right->addWidget(lblClock);
    right->addStretch(1);

    btnAgain = new QPushButton(this);
    btnNewRound = new QPushButton(this);
    btnClose = new QPushButton(this);
    right->addWidget(btnAgain);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnNewRound);
    buttons->addWidget(btnClose);
    right->addLayout(buttons);

    auto* rightBox = new QWidget(this);
    rightBox->setLayout(right);
    rightBox->setFixedWidth(340);
    auto* top = new QHBoxLayout(this);
    top->addWidget(map, 1);
    top->addWidget(rightBox);

    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FindMapWindow::tickClock);
    connect(chkClock, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !m_drill.finished())
            m_clock->start();
        else
            m_clock->stop();
        tickClock();
    });
    connect(cboMode, &QComboBox::currentIndexChanged, this, [this] { newRound(); });
    connect(btnNewRound, &QPushButton::clicked, this, [this] { newRound(); });
    connect(btnAgain, &QPushButton::clicked, this, [this] { newRound(m_drill.missed()); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(map, &ExploreMap::chosen, this, &FindMapWindow::choose);

    retranslateUi();
    newRound();
    map->setFocus(Qt::OtherFocusReason);
    resize(sizeHint().expandedTo(QSize(980, 560)));
}

FindMapWindow::~FindMapWindow() = default;

void FindMapWindow::retranslateUi()
{
    setWindowTitle(modValdra::ProgramTitle + tr("--Find on the Map"));
    map->setAccessibleDescription(tr("The arrow keys walk the provinces and territories from west to east; "
                                     "Enter chooses the one outlined."));
    const QStringList modes{tr("Name"), tr("Capital"), tr("Flag"), tr("Crest"), tr("Floral emblem")};
    for (int i = 0; i < int(modes.size()); ++i)
        cboMode->setItemText(i, modes[i]);
    m_modeLabel->setText(tr("&Find by:"));
    chkClock->setText(tr("Show the c&lock"));
    btnAgain->setText(tr("Try the &Missed Ones Again"));
    btnNewRound->setText(tr("&New Round"));
    btnClose->setText(tr("&Close"));
}

void FindMapWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        // The round goes on; what it shows is said again in the new language.
        lblFeedback->setText(feedback());
        if (m_drill.finished())
            roundOver();
        else
            askCurrent();
        tickClock();
    }
    QWidget::changeEvent(event);
}

FindMode FindMapWindow::mode() const { return FindMode(std::clamp(cboMode->currentIndex(), 0, 4)); }

void FindMapWindow::newRound(const QList<int>& regions)
{
    m_drill.start(regions.isEmpty() ? FindDrill::allRegions() : regions, draw, now());
    m_revealed = -1;
    m_last = {};
    lblFeedback->clear();
    btnAgain->hide();
    if (chkClock->isChecked())
        m_clock->start();
    tickClock();
    showMarks();
    askCurrent();
}

void FindMapWindow::askCurrent()
{
    showProgress();
    const int region = m_drill.current();
    if (region < 0)
        return;
    const FindMode m = mode();
    lblQuestion->setText(findQuestion(m, region, m_facts));
    const int set = m == FindMode::Flag ? Form3::CustomSet : m == FindMode::Crest ? Form3::CrestSet : Form3::FloralSet;
    const bool picture = m == FindMode::Flag || m == FindMode::Crest || m == FindMode::Floral;
    imgSymbol->setVisible(picture);
    if (picture) {
        imgSymbol->setPicture(builtInSymbol(set, region));
        // What a screen reader can say of the picture without naming the region.
        imgSymbol->setAccessibleName(m == FindMode::Flag ? tr("A flag") : m == FindMode::Crest ? tr("A crest") : tr("A floral emblem"));
        const RegionFacts* facts = m_facts.find(QLatin1String(modValdra::RegionTable[region].name));
        if (m == FindMode::Floral && facts)
            imgSymbol->setAccessibleName(tr("A floral emblem: %1").arg(facts->flower));
    }
}

void FindMapWindow::choose(int region)
{
    if (m_drill.finished())
        return;
    const int asked = m_drill.current();
    const FindDrill::Outcome outcome = m_drill.answer(region, now());
    map->setSelected(-1);
    const bool right = outcome == FindDrill::Outcome::Right;
    m_revealed = right ? -1 : asked;
    m_last = {asked, region, right};
    const QString said = feedback();
    lblFeedback->setText(said);
    showMarks();
    if (m_drill.finished()) {
        roundOver();
        ui::announce(this, said + QLatin1Char(' ') + lblQuestion->text());
        return;
    }
    askCurrent();
    ui::announce(this, said + QLatin1Char(' ') + lblQuestion->text());
}

QString FindMapWindow::feedback() const
{
    if (m_last.asked < 0)
        return QString();
    if (m_last.right)
        return tr("Right: %1.").arg(regions::displayName(m_last.asked));
    const auto object = [](int region) { return regions::shownObject(QLatin1String(modValdra::RegionTable[region].name)); };
    return (m_last.chosen >= 0 ? tr("No, that is %1.").arg(object(m_last.chosen)) : tr("No, that is no province or territory."))
        + QLatin1Char(' ') + tr("The hatching on the map shows %1; it comes back later.").arg(object(m_last.asked));
}

void FindMapWindow::roundOver()
{
    m_clock->stop();
    tickClock();
    imgSymbol->hide();
    QString text = tr("Round over: %1 of %2 right the first time, in %3.")
                       .arg(m_drill.rightFirstTime())
                       .arg(m_drill.total())
                       .arg(durationText(m_drill.seconds(now())));
    if (!m_drill.missed().isEmpty())
        text += QLatin1Char('\n') + tr("To try again: %1.").arg(nameList(m_drill.missed()));
    lblQuestion->setText(text);
    lblQuestion->setFont(ui::gameFont(12));
    btnAgain->setVisible(!m_drill.missed().isEmpty());
    showProgress();
}

void FindMapWindow::showMarks()
{
    // Found regions lightly hatched in green; the one just missed hatched as the game shows it.
    QImage backdrop(m_regionMap->picture().size(), QImage::Format_ARGB32_Premultiplied);
    backdrop.fill(Qt::transparent);
    QPainter p(&backdrop);
    for (int r : m_drill.found())
        p.drawImage(0, 0, m_regionMap->highlight(r, QColor(0, 110, 0), QColor(255, 255, 255, 140), QColor(0, 110, 0, 160)));
    if (m_revealed >= 0)
        p.drawImage(0, 0, m_regionMap->missHighlight(m_revealed));
    p.end();
    map->setBackdrop(backdrop);
    lblQuestion->setFont(ui::gameFont(16));
}

void FindMapWindow::showProgress()
{
    lblProgress->setText(tr("Found: %1 of %2").arg(m_drill.foundCount()).arg(m_drill.total()));
}

void FindMapWindow::tickClock()
{
    lblClock->setVisible(chkClock->isChecked());
    lblClock->setText(tr("Time: %1").arg(durationText(m_drill.seconds(now()))));
}

} // namespace explore
