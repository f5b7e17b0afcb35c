// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane {

// The image part `ImagePic`: shows the button's icon as it is (not greyed when the
// button is disabled: a disabled tool button marks the active mode). The pointer
// goes through it to the face, and events sent to it directly are left unhandled
// so they reach the button in the button's coordinates.
class GoldButtonImage : public QWidget {
public:
    explicit GoldButtonImage(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("ImagePic"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void setIcon(const QIcon& icon)
    {
        m_icon = icon;
        setVisible(!icon.isNull());
        update();
    }

    // The icon's own size when it has one that fits, otherwise as large as fits
    // the face with a small margin.
    QSize sizeOnFace(QSize face) const
    {
        const int room = std::max(1, std::min(face.width(), face.height()) - 4);
        QSize best;
        for (const QSize& s : m_icon.availableSizes())
            if (s.width() <= room && s.height() <= room && s.width() > best.width())
                best = s;
        if (best.isValid())
            return best;
        const int side = std::min(room, 32);
        return QSize(side, side);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_icon.paint(&painter, rect(), Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    }

private:
    QIcon m_icon;
};

namespace {

// 975 x 375 twips.
constexpr QSize NewButtonSize(65, 25);

namespace Key {
const QString Alignment = QStringLiteral("Alignment");
const QString Caption = QStringLiteral("Caption");
const QString Enabled = QStringLiteral("Enabled");
const QString OnHoverColor = QStringLiteral("OnHoverColor");
const QString ForeColor = QStringLiteral("ForeColor");
const QString OnOnDown = QStringLiteral("OnOnDown");
const QString OnUp = QStringLiteral("OnUp");
const QString OnOnHover = QStringLiteral("OnOnHover");
const QString Font = QStringLiteral("Font");
} // namespace Key

// Values of properties missing from a stored set.
namespace NotStored {
constexpr int Alignment = int(CaptionAlignment::Left);
constexpr Colour OnHoverColor = PureBlue;
constexpr Colour ForeColor = Black;
constexpr int OnOnDown = EdgeSunken;
constexpr int OnUp = EdgeRaisedInner;
constexpr int OnOnHover = EdgeRaisedInner;
} // namespace NotStored

template <typename T> T storedOr(const QVariantMap& stored, const QString& key, T fallback)
{
    const auto it = stored.find(key);
    return it == stored.end() ? fallback : it->value<T>();
}

template <typename T>
void storeUnlessDefault(QVariantMap& stored, const QString& key, T value, T fallback)
{
    if (value != fallback)
        stored.insert(key, QVariant::fromValue(value));
}

bool isInside(const QPointF& p, QSize face)
{
    return p.x() > 0 && p.x() < face.width() && p.y() > 0 && p.y() < face.height();
}

bool isOutside(const QPointF& p, QSize face)
{
    return p.x() < 0 || p.x() > face.width() || p.y() < 0 || p.y() > face.height();
}

} // namespace

GoldButton::GoldButton(QWidget* parent) : QWidget(parent), m_image(new GoldButtonImage(this))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(NewButtonSize);
    // The caption follows the control's name until one is set.
    connect(this, &QObject::objectNameChanged, this, [this] {
        if (!m_caption)
            update();
    });
}

GoldButton::~GoldButton() = default;

QSize GoldButton::sizeHint() const
{
    return NewButtonSize;
}

void GoldButton::setAlignment(int alignment)
{
    m_alignment = alignment;
    markChanged();
    update();
}

QString GoldButton::Caption() const
{
    return m_caption.value_or(objectName());
}

void GoldButton::setCaption(const QString& caption)
{
    m_caption = caption;
    markChanged();
    update();
}

void GoldButton::setOnHoverColor(Colour colour)
{
    m_onHoverColor = colour;
    markChanged();
}

void GoldButton::setForeColor(Colour colour)
{
    m_foreColor = colour;
    markChanged();
    update();
}

void GoldButton::setOnOnDown(int style)
{
    m_onOnDown = style;
    markChanged();
}

void GoldButton::setOnUp(int style)
{
    m_onUp = style;
    markChanged();
    update();
}

void GoldButton::setOnOnHover(int style)
{
    m_onOnHover = style;
    markChanged();
}

void GoldButton::setPicture(const QIcon& icon)
{
    m_picture = icon;
    m_image->setIcon(icon);
    placeImage();
}

void GoldButton::setPicture(const QString& iconPath)
{
    setPicture(iconPath.isEmpty() ? QIcon() : QIcon(iconPath));
}

void GoldButton::ReadProperties(const QVariantMap& stored)
{
    const auto caption = stored.find(Key::Caption);
    m_caption = caption == stored.end() ? std::nullopt : std::optional(caption->toString());
    m_alignment = storedOr(stored, Key::Alignment, NotStored::Alignment);
    m_onHoverColor = storedOr(stored, Key::OnHoverColor, NotStored::OnHoverColor);
    m_foreColor = storedOr(stored, Key::ForeColor, NotStored::ForeColor);
    m_onOnDown = storedOr(stored, Key::OnOnDown, NotStored::OnOnDown);
    m_onUp = storedOr(stored, Key::OnUp, NotStored::OnUp);
    m_onOnHover = storedOr(stored, Key::OnOnHover, NotStored::OnOnHover);
    setFont(storedOr(stored, Key::Font, QFont()));
    setEnabled(storedOr(stored, Key::Enabled, true));
    useForeColor();
    drawNormal();
    m_propertiesChanged = false;
}

QVariantMap GoldButton::WriteProperties() const
{
    QVariantMap stored;
    if (m_caption)
        stored.insert(Key::Caption, *m_caption);
    storeUnlessDefault(stored, Key::Alignment, m_alignment, NotStored::Alignment);
    storeUnlessDefault(stored, Key::Enabled, isEnabled(), true);
    storeUnlessDefault(stored, Key::OnHoverColor, m_onHoverColor, NotStored::OnHoverColor);
    storeUnlessDefault(stored, Key::ForeColor, m_foreColor, NotStored::ForeColor);
    storeUnlessDefault(stored, Key::OnOnDown, m_onOnDown, NotStored::OnOnDown);
    storeUnlessDefault(stored, Key::OnUp, m_onUp, NotStored::OnUp);
    storeUnlessDefault(stored, Key::OnOnHover, m_onOnHover, NotStored::OnOnHover);
    if (testAttribute(Qt::WA_SetFont))
        stored.insert(Key::Font, font());
    return stored;
}

int GoldButton::currentEdgeStyle() const
{
    if (m_drawHover && !m_drawDown)
        return m_onOnHover;
    return m_drawDown ? m_onOnDown : m_onUp;
}

QColor GoldButton::paintedTextColour() const
{
    return translateColour(currentTextColour(), palette())
        .value_or(palette().color(QPalette::ButtonText));
}

QString GoldButton::displayedCaption() const
{
    const QRect rect = displayedCaptionRect();
    return elideCaption(Caption(), fontMetrics(), rect.width());
}

QRect GoldButton::displayedCaptionRect() const
{
    return isEnabled() ? captionRect(size(), m_drawDown) : engravedShadowRect(size());
}

GoldButtonFace GoldButton::faceNow() const
{
    GoldButtonFace face;
    face.size = size();
    face.caption = Caption();
    face.font = font();
    face.alignment = m_alignment;
    face.enabled = isEnabled();
    face.down = m_drawDown;
    face.textColour = paintedTextColour();
    face.edgeStyle = currentEdgeStyle();
    face.palette = palette();
    return face;
}

QImage GoldButton::renderFace() const
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintGoldButtonFace(painter, faceNow());
    return image;
}

void GoldButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGoldButtonFace(painter, faceNow());
}

void GoldButton::drawFace(bool down, bool hover)
{
    m_drawDown = down;
    m_drawHover = hover;
    update();
}

void GoldButton::drawNormal()
{
    drawFace(false, false);
}

void GoldButton::useForeColor()
{
    m_hoverText = false;
}

void GoldButton::startHovering()
{
    m_hovering = true;
    m_hoverText = true;
    drawFace(false, true);
}

void GoldButton::stopHovering()
{
    m_hovering = false;
    useForeColor();
    drawNormal();
}

void GoldButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_hoverText = true;
    drawFace(true, false);
    m_pressed = true;
}

void GoldButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (!(event->buttons() & Qt::LeftButton)) {
        if (isOutside(at, size()))
            stopHovering();
        else if (!m_hovering)
            startHovering();
        return;
    }
    if (!m_pressed)
        return;
    // The press grabbed the pointer, so moves arrive from outside the face as well:
    // the face pops up while the pointer is away and goes down again on return.
    m_hoverText = true;
    if (isInside(at, size()))
        drawFace(true, false);
    else
        drawFace(false, true);
}

void GoldButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    useForeColor();
    drawNormal();
    const bool clicked = isInside(event->position(), size());
    m_pressed = false;
    m_hovering = false;
    if (clicked)
        emit Click();
}

void GoldButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is not a new press: a double click gives
    // one Click, not two.
    event->accept();
}

void GoldButton::leaveEvent(QEvent*)
{
    // While pressed the grab keeps the moves coming; the release settles the face.
    if (!m_pressed)
        stopHovering();
}

void GoldButton::focusOutEvent(QFocusEvent*)
{
    useForeColor();
    drawNormal();
    m_hovering = false;
    m_pressed = false;
}

void GoldButton::resizeEvent(QResizeEvent*)
{
    useForeColor();
    drawNormal();
    placeImage();
}

void GoldButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        // A disabled button gets no mouse input, so nothing would end a press or a
        // hover begun before: start afresh.
        m_pressed = false;
        m_hovering = false;
        useForeColor();
        drawNormal();
        markChanged();
        break;
    case QEvent::FontChange:
        markChanged();
        update();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void GoldButton::placeImage()
{
    const QSize iconSize = m_image->sizeOnFace(size());
    m_image->setGeometry(QRect(QPoint((width() - iconSize.width()) / 2,
                                      (height() - iconSize.height()) / 2),
                               iconSize));
}

} // namespace orvane
