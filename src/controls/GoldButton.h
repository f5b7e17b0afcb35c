// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colours.h"
#include "EdgeStyle.h"
#include "GoldButtonFace.h"
#include "SystemColours.h"

#include <QIcon>
#include <QVariantMap>
#include <QWidget>

#include <optional>

namespace orvane {

class GoldButtonImage;

// A flat push button that paints its own face: hover highlighting, configurable
// 3D edges for the normal, hovered and pressed looks, an engraved caption when
// disabled and an optional icon. Emits Click() when a left press that started on
// the button is released on it.
//
// Enabled is the widget's own enabled state (setEnabled), Font its font (setFont;
// by default the container's). Colours are stored values 0x00BBGGRR or system
// colour indices (SystemColourFlag + index).
class GoldButton : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassId", "Orvane.GoldButton")
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(quint32 OnHoverColor READ OnHoverColor WRITE setOnHoverColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int OnOnDown READ OnOnDown WRITE setOnOnDown)
    Q_PROPERTY(int OnUp READ OnUp WRITE setOnUp)
    Q_PROPERTY(int OnOnHover READ OnOnHover WRITE setOnOnHover)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(QIcon Picture READ Picture WRITE setPicture)

public:
    explicit GoldButton(QWidget* parent = nullptr);
    ~GoldButton() override;

    // 0 left, 1 right, 2 centre (CaptionAlignment).
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // The control's objectName until a caption is set.
    QString Caption() const;
    void setCaption(const QString& caption);
    bool Enabled() const { return isEnabled(); }
    Colour OnHoverColor() const { return m_onHoverColor; }
    void setOnHoverColor(Colour colour);
    Colour ForeColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    // Edge styles (EdgeFlag sums): while pressed, when up, while hovered.
    int OnOnDown() const { return m_onOnDown; }
    void setOnOnDown(int style);
    int OnUp() const { return m_onUp; }
    void setOnUp(int style);
    int OnOnHover() const { return m_onOnHover; }
    void setOnOnHover(int style);
    QFont Font() const { return font(); }
    // The icon shown centred on the face by the image part `ImagePic`; a null
    // icon hides it. The path form loads an icon file or resource (":/...").
    QIcon Picture() const { return m_picture; }
    void setPicture(const QIcon& icon);
    void setPicture(const QString& iconPath);

    // Stored property sets, keyed by property name ("Alignment", "Caption", ...).
    // Reading applies a set as a window loads it; a property missing from the set
    // takes its value-when-not-stored (Alignment left, edges 10 / 4 / 4, black text,
    // blue hover colour, enabled, the container's font, the control's name).
    void ReadProperties(const QVariantMap& stored);
    QVariantMap WriteProperties() const;
    // True once a property was set after the last ReadProperties.
    bool propertiesChanged() const { return m_propertiesChanged; }

    // The state behind the face, for the windows built on the button and for tests.
    bool isPressed() const { return m_pressed; }   // a left press started here, not released
    bool isHovering() const { return m_hovering; } // the pointer is being tracked over the face
    bool isDrawnDown() const { return m_drawDown; }
    bool isDrawnHover() const { return m_drawHover; }
    // The edge style of the face as currently drawn.
    int currentEdgeStyle() const;
    // The stored colour the caption is currently written in (ForeColor or OnHoverColor)
    // and what it paints as; an untranslatable colour paints as the button-text colour.
    Colour currentTextColour() const { return m_hoverText ? m_onHoverColor : m_foreColor; }
    QColor paintedTextColour() const;
    // The caption as it fits the face now (ellipsis when too long) and where it goes.
    QString displayedCaption() const;
    QRect displayedCaptionRect() const;
    // The face as it is drawn now, independent of the screen.
    QImage renderFace() const;

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    GoldButtonFace faceNow() const;
    void drawFace(bool down, bool hover);
    void drawNormal();
    void useForeColor();
    void stopHovering();
    void startHovering();
    void placeImage();
    void markChanged() { m_propertiesChanged = true; }

    int m_alignment = int(CaptionAlignment::Centre);
    std::optional<QString> m_caption;
    Colour m_onHoverColor = PureBlue;
    Colour m_foreColor = systemColour(SystemColour::ButtonText);
    int m_onOnDown = EdgeNone;
    int m_onUp = EdgeNone;
    int m_onOnHover = EdgeNone;
    QIcon m_picture;
    GoldButtonImage* m_image = nullptr;

    bool m_pressed = false;
    bool m_hovering = false;
    bool m_drawDown = false;
    bool m_drawHover = false;
    bool m_hoverText = false;
    bool m_propertiesChanged = false;
};

} // namespace orvane
