// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explorewindow.h"
#include "ui/picture.h"

#include "game/regions.h"
#include "game/state.h"
#include "ui/language.h"
#include "symbols/form3.h"
#include "ui/announce.h"
#include "ui/keyboard.h"
#include "ui/widgets.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace explore {

// The floral set keeps another order than the region table.
QPixmap builtInSymbol(int set, int region)
{
    const QString name = QLatin1String(modValdra::RegionTable[region].name);
    for (int p = set; p < set + 13; ++p)
        if (builtInTag(p) == name)
            return ui::builtInPixmap(builtInPicture(p));
    return QPixmap();
}

ExploreMap::ExploreMap(const RegionMap& map, QWidget* parent) : QWidget(parent), m_map(map)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The description is the window's: what Enter does differs between the two map windows.
    nameMap();
}

QSize ExploreMap::sizeHint() const { return m_map.picture().size() * 3 / 2; }

// Never smaller than the main window shows it.
QSize ExploreMap::minimumSizeHint() const { return m_map.picture().size(); }

QRect ExploreMap::pictureRect() const
{
    QSize size = m_map.picture().size();
    if (size.isEmpty())
        return QRect();
    size.scale(this->size(), Qt::KeepAspectRatio);
    QRect r(QPoint(), size);
    r.moveCenter(rect().center());
    return r;
}

QPoint ExploreMap::picturePoint(QPointF at) const
{
    const QRect r = pictureRect();
    if (r.isEmpty())
        return QPoint(-1, -1);
    // Nearest pixel: the one the point falls in when the picture is magnified.
    const double sx = double(m_map.picture().width()) / r.width();
    const double sy = double(m_map.picture().height()) / r.height();
    return QPoint(int(std::floor((at.x() - r.left()) * sx)), int(std::floor((at.y() - r.top()) * sy)));
}

QPoint ExploreMap::widgetPoint(QPoint p) const
{
    const QRect r = pictureRect();
    if (m_map.picture().isNull())
        return QPoint();
    // The middle of the magnified pixel.
    const double sx = double(r.width()) / m_map.picture().width();
    const double sy = double(r.height()) / m_map.picture().height();
    return QPoint(r.left() + int((p.x() + 0.5) * sx), r.top() + int((p.y() + 0.5) * sy));
}

int ExploreMap::regionAtWidget(QPointF at) const
{
    const QPoint p = picturePoint(at);
    if (m_nearRadius <= 0)
        return m_map.regionAt(p);
    const QRect r = pictureRect();
    // Screen pixels into picture pixels, at least one.
    const double scale = r.width() > 0 ? double(r.width()) / m_map.picture().width() : 1.0;
    return m_map.regionNear(p, std::max(1, int(std::ceil(m_nearRadius / scale))));
}

const QImage& ExploreMap::overlay(int region, bool selected)
{
    QImage& cached = selected ? m_selectOverlays[region] : m_hoverOverlays[region];
    if (cached.isNull())
        cached = selected ? m_map.highlight(region, QColor(200, 0, 0), QColor(255, 255, 255, 110))
                          : m_map.highlight(region, QColor(0, 0, 0), QColor(255, 255, 255, 60));
    return cached;
}

void ExploreMap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = pictureRect();
    p.drawPixmap(r.topLeft(), shownMap(r.size()));
    // The outlines are the small map's own pixels: smoothed too, so their edges do not step.
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!m_backdrop.isNull())
        p.drawImage(r, m_backdrop);
    if (m_selected >= 0)
        p.drawImage(r, overlay(m_selected, true));
    if (m_hovered >= 0 && m_hovered != m_selected)
        p.drawImage(r, overlay(m_hovered, false));
    if (hasFocus() && ui::keyboardInUse(this)) {
        p.setPen(QPen(QColor(0, 40, 120), 2));
        p.drawRect(QRectF(r).adjusted(-1, -1, 1, 1));
    }
    if (m_hovered < 0 || !m_namesShown)
        return;
    // The name in a box by the region, kept inside the map.
    const QString name = regions::displayName(m_hovered);
    QFont font = ui::gameFont(11);
    p.setFont(font);
    const QFontMetrics fm(font);
    QRect box(QPoint(), QSize(fm.horizontalAdvance(name) + 12, fm.height() + 6));
    QPoint at = widgetPoint(m_namePoint) + QPoint(12, 12);
    box.moveTopLeft(at);
    if (box.right() > rect().right())
        box.moveRight(rect().right() - 2);
    if (box.bottom() > rect().bottom())
        box.moveBottom(widgetPoint(m_namePoint).y() - 8);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(255, 255, 225, 235));
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, name);
}

const QPixmap& ExploreMap::shownMap(QSize size)
{
    // Scaled smoothly from the finer master once per size, so a repaint is a plain copy; the
    // small map is only read for its colours.
    const QSize target = size * devicePixelRatioF();
    if (m_shown.size() != target) {
        if (m_master.isNull())
            m_master = ui::builtInImage(QStringLiteral(":/map-master.png")).convertToFormat(QImage::Format_RGB32);
        const QImage& source = m_master.isNull() ? m_map.picture() : m_master;
        m_shown = target.isEmpty() ? QPixmap()
                                   : QPixmap::fromImage(source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_shown.setDevicePixelRatio(devicePixelRatioF());
    }
    return m_shown;
}

void ExploreMap::setHovered(int region)
{
    if (region == m_hovered)
        return;
    m_hovered = region;
    nameMap();
    update();
    emit hoveredChanged(region);
}

void ExploreMap::setSelected(int region)
{
    if (region == m_selected)
        return;
    m_selected = region;
    update();
    emit selectedChanged(region);
}

void ExploreMap::mouseMoveEvent(QMouseEvent* event)
{
    ui::noteKeyboardUse(this, false);
    const QPoint p = picturePoint(event->position());
    const int region = regionAtWidget(event->position());
    if (region >= 0)
        m_namePoint = p;
    setHovered(region);
    update();
}

void ExploreMap::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint p = picturePoint(event->position());
    const int region = regionAtWidget(event->position());
    if (region < 0) {
        if (pictureRect().contains(event->position().toPoint()))
            emit chosen(-1);
        return;
    }
    m_namePoint = p;
    setHovered(region);
    setSelected(region);
    emit chosen(region);
}

void ExploreMap::leaveEvent(QEvent* event)
{
    // The keyboard's choice stays outlined; the mouse's goes with the mouse.
    if (!ui::keyboardInUse(this))
        setHovered(-1);
    QWidget::leaveEvent(event);
}

void ExploreMap::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        nameMap();
    QWidget::changeEvent(event);
}

void ExploreMap::nameMap()
{
    // The focused map says where it stands, so a screen reader reads each step.
    setAccessibleName(m_hovered >= 0 ? tr("Map of Canada: %1").arg(regions::displayName(m_hovered)) : tr("Map of Canada"));
}

void ExploreMap::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ExploreMap::step(int by)
{
    const auto& order = RegionMap::westToEast();
    int at = -1;
    for (int i = 0; i < int(order.size()); ++i)
        if (order[i] == m_hovered)
            at = i;
    const int n = int(order.size());
    if (at < 0)
        at = by > 0 ? 0 : n - 1;
    else
        at = ((at + by) % n + n) % n;
    m_namePoint = RegionMap::anchor(order[at]);
    setHovered(order[at]);
    // Said at every step, the same region too (a walk round the country comes back to it).
    ui::announce(window(), regions::displayName(order[at]));
}

void ExploreMap::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step(1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step(-1);
        break;
    case Qt::Key_Home:
        m_hovered = -1;
        step(1);
        break;
    case Qt::Key_End:
        m_hovered = -1;
        step(-1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_hovered < 0)
            step(1);
        setSelected(m_hovered);
        emit chosen(m_hovered);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    ui::noteKeyboardUse(this, true);
    update();
}

void dressMapWindow(QWidget* window, const QString& title)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->setWindowIcon(ui::gameIcon());
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    window->setPalette(pal);
    ui::closeOnEscape(window);
}

ExploreWindow::ExploreWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    dressMapWindow(this, modValdra::ProgramTitle + tr("--Explore the Map"));

    m_regionMap = std::make_unique<RegionMap>(ui::builtInImage(QStringLiteral(":/map.bmp")));
    m_facts = builtInFacts();

    map = new ExploreMap(*m_regionMap, this);
    lblPointing = ui::plainLabel(new QLabel(this), ui::gameFont(10, false));
    lblPointing->setMinimumHeight(lblPointing->fontMetrics().height() + 4);

    auto* left = new QVBoxLayout;
    left->addWidget(map, 1);
    left->addWidget(lblPointing);

    // The facts panel.
    auto* right = new QVBoxLayout;
    m_intro = ui::plainLabel(new QLabel(this), ui::gameFont(10, false));
    m_intro->setWordWrap(true);
    right->addWidget(m_intro);

    m_factsPanel = new QWidget(this);
    auto* panel = new QVBoxLayout(m_factsPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    lblName = ui::plainLabel(new QLabel(m_factsPanel), ui::gameFont(16));
    lblName->setWordWrap(true);
    lblOfficialName = ui::plainLabel(new QLabel(m_factsPanel), ui::gameFont(10, false));
    panel->addWidget(lblName);
    panel->addWidget(lblOfficialName);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    auto addRow = [&](QLabel*& value) {
        value = ui::plainLabel(new QLabel(m_factsPanel), ui::gameFont(10, false));
        // In the Tab order, so a screen reader reads the facts one by one with their captions.
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setFocusPolicy(Qt::TabFocus);
        QLabel* captionLabel = ui::plainLabel(new QLabel(m_factsPanel), ui::gameFont(10));
        form->addRow(captionLabel, value);
        return captionLabel;
    };
    m_captions[0] = addRow(lblCapital);
    m_captions[1] = addRow(lblJoined);
    m_captions[2] = addRow(lblArea);
    lblPopulationCaption = addRow(lblPopulation);
    panel->addLayout(form);

    auto* symbols = new QGridLayout;
    auto addSymbol = [&](int column, ui::PictureImage*& image) {
        image = new ui::PictureImage(m_factsPanel);
        image->setStretch(false);
        image->setMinimumSize(96, 96);
        QLabel* label = ui::plainLabel(new QLabel(m_factsPanel), ui::gameFont(9));
        label->setAlignment(Qt::AlignHCenter);
        symbols->addWidget(image, 0, column);
        symbols->addWidget(label, 1, column);
        return label;
    };
    m_captions[3] = addSymbol(0, imgCrest);
    m_captions[4] = addSymbol(1, imgFloral);
    m_captions[5] = addSymbol(2, imgFlag);
    lblFlower = ui::plainLabel(new QLabel(m_factsPanel), ui::gameFont(9, false));
    lblFlower->setAlignment(Qt::AlignHCenter);
    lblFlower->setWordWrap(true);
    symbols->addWidget(lblFlower, 2, 1);
    panel->addSpacing(8);
    panel->addLayout(symbols);
    right->addWidget(m_factsPanel);
    right->addStretch(1);

    btnClose = new QPushButton(this);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    right->addLayout(buttons);

    auto* rightBox = new QWidget(this);
    rightBox->setLayout(right);
    rightBox->setFixedWidth(340);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addWidget(rightBox);

    connect(map, &ExploreMap::hoveredChanged, this, &ExploreWindow::showPointing);
    connect(map, &ExploreMap::selectedChanged, this, &ExploreWindow::showRegion);
    retranslateUi();
    showPointing(-1);
    showRegion(-1);
    map->setFocus(Qt::OtherFocusReason);
    resize(sizeHint().expandedTo(QSize(980, 560)));
}

ExploreWindow::~ExploreWindow() = default;

void ExploreWindow::retranslateUi()
{
    setWindowTitle(modValdra::ProgramTitle + tr("--Explore the Map"));
    map->setAccessibleDescription(tr("The arrow keys walk the provinces and territories from west to east; "
                                     "Enter shows the facts of the one outlined."));
    m_intro->setText(m_facts.error.isEmpty()
        ? tr("Point at a province or territory to see its name, and click it to read about it. "
             "From the keyboard, the arrow keys walk them from west to east and Enter shows the one outlined.")
        : tr("The facts cannot be shown: %1.").arg(m_facts.error));
    m_captions[0]->setText(tr("Capital:"));
    m_captions[1]->setText(tr("Joined Confederation:"));
    m_captions[2]->setText(tr("Area:"));
    lblPopulationCaption->setText(tr("Population (%1 census):").arg(m_facts.censusYear));
    m_captions[3]->setText(tr("Crest"));
    m_captions[4]->setText(tr("Floral emblem"));
    m_captions[5]->setText(tr("Flag"));
    btnClose->setText(tr("&Close"));
}

void ExploreWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        // The facts shown change language in place; nothing is said, as nothing new is shown.
        showPointing(map->hovered());
        showFacts(map->selected());
    }
    QWidget::changeEvent(event);
}

void ExploreWindow::showPointing(int region)
{
    lblPointing->setText(region >= 0 ? tr("Pointing at: %1").arg(regions::displayName(region)) : QString());
}

void ExploreWindow::showRegion(int region)
{
    const RegionFacts* facts = showFacts(region);
    if (!facts)
        return;
    // Said at once, as a sighted pupil sees the panel change.
    QStringList said{lblName->text()};
    if (lblOfficialName->isVisibleTo(this))
        said << facts->officialName;
    said << tr("Capital: %1").arg(facts->capital) << tr("Joined Confederation: %1").arg(facts->joined)
         << tr("Area: %1").arg(lblArea->text()) << tr("Population: %1").arg(lblPopulation->text())
         << tr("Floral emblem: %1").arg(facts->flower);
    ui::announce(this, said.join(QStringLiteral(". ")) + QLatin1Char('.'));
}

const RegionFacts* ExploreWindow::showFacts(int region)
{
    const RegionFacts* facts = region >= 0
        ? m_facts.find(QLatin1String(modValdra::RegionTable[region].name)) : nullptr;
    m_factsPanel->setVisible(facts != nullptr);
    m_intro->setVisible(!facts);
    if (!facts)
        return nullptr;
    const QString name = regions::displayName(region);
    lblName->setText(name);
    // The French name is already the official one ("Terre-Neuve-et-Labrador"): no English
    // line under it.
    const bool officialLine = !language::isFrench() && facts->officialName != facts->region;
    lblOfficialName->setText(officialLine ? facts->officialName : QString());
    lblOfficialName->setVisible(officialLine);
    lblCapital->setText(facts->shownCapital());
    lblJoined->setText(QString::number(facts->joined));
    lblArea->setText(tr("%1 km²").arg(shownNumber(facts->areaKm2)));
    lblPopulation->setText(shownNumber(facts->population));
    imgCrest->setPicture(builtInSymbol(Form3::CrestSet, region));
    imgFloral->setPicture(builtInSymbol(Form3::FloralSet, region));
    imgFlag->setPicture(builtInSymbol(Form3::CustomSet, region));
    lblFlower->setText(facts->shownFlower());
    imgCrest->setAccessibleName(tr("Crest of %1").arg(name));
    imgFloral->setAccessibleName(tr("Floral emblem of %1: %2").arg(name, facts->shownFlower()));
    imgFlag->setAccessibleName(tr("Flag of %1").arg(name));
    return facts;
}

} // namespace explore
