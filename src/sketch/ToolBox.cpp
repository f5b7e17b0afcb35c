// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolBox.h"

#include "ClickFocus.h"
#include "Colours.h"
#include "GoldButton.h"
#include "NumberText.h"
#include "QtText.h"
#include "Services.h"
#include "SketchContext.h"
#include "SketchPad.h"
#include "SketchResources.h"
#include "SketchTexts.h"
#include "WindowDrag.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace orvane {

namespace {

// 620 twips wide.
constexpr int BoxWidth = 41;
constexpr int CaptionHeight = 12;
constexpr int ButtonWidth = 33;
constexpr int ButtonStep = 24;
constexpr int FirstButtonTop = CaptionHeight + 4;
constexpr int ToolsTop = FirstButtonTop + ToolBox::ModeButtons * ButtonStep + 6;
constexpr int StandardTop = ToolsTop + ToolBox::ToolButtons * ButtonStep;
constexpr int LineWideTop = StandardTop + ButtonStep + 6;
constexpr int SwatchTop = LineWideTop + 40;
constexpr int ChoiceTop = SwatchTop + 48;

// Edge styles of the tool buttons: raised while hovered, sunken while pressed,
// a thin sunken edge marks the active mode.
constexpr int HoverEdge = 4;
constexpr int DownEdge = 10;
constexpr int ActiveEdge = 8;

constexpr int ToolIcons[ToolBox::ToolButtons] = {2004, 2003, 2002, 2001};
// What each tool button opens, as its tooltip.
const char* const ToolTips[ToolBox::ToolButtons] = {"解方程", "几何计算", "公式计算器",
                                                    "计算定积分"};

GoldButton* makeButton(const QString& name, const QIcon& icon, QWidget* parent, int top)
{
    auto* button = new GoldButton(parent);
    button->setObjectName(name);
    button->setCaption(QString());
    button->setPicture(icon);
    button->setOnOnHover(HoverEdge);
    button->setOnOnDown(DownEdge);
    button->setOnUp(0);
    button->setGeometry((BoxWidth - ButtonWidth) / 2, top, ButtonWidth, ButtonStep);
    return button;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, BoxWidth, 16);
    return label;
}

QComboBox* makeCombo(const QString& name, const QStringList& items, const QString& text,
                     QWidget* parent, int top)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(combo->findText(text));
    combo->setGeometry(1, top, BoxWidth - 2, 22);
    // Typing goes into a box only once the user clicked into it.
    combo->setFocusPolicy(Qt::ClickFocus);
    return combo;
}

void paintSwatch(QLabel* swatch, Colour colour)
{
    const QColor c = toQColor(colour);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::WindowText, qGray(c.rgb()) < 128 ? Qt::white : Qt::black);
    swatch->setPalette(palette);
}

QLabel* makeSwatch(const QString& name, const QString& text, Colour colour, QWidget* parent,
                   int top)
{
    QLabel* swatch = makeLabel(name, text, parent, top);
    swatch->setAutoFillBackground(true);
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setGeometry(2, top, BoxWidth - 4, 20);
    paintSwatch(swatch, colour);
    return swatch;
}

QStringList numberItems(int from, int to, double divisor)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << generalForm(i / divisor);
    return items;
}

} // namespace

ToolBox::ToolBox(Services& services, SketchContext& context, SketchPad& pad, QWidget* owner)
    : QWidget(owner), services_(services), context_(context), pad_(pad)
{
    setObjectName(QStringLiteral("WinTools"));
    // A narrow strip: as wide as its buttons, as high as its holder makes it.
    setFixedWidth(BoxWidth);
    resize(sizeHint());
    move(0, y());

    picCaption_ = new QWidget(this);
    picCaption_->setObjectName(QStringLiteral("picCaption"));
    picCaption_->setAutoFillBackground(true);
    picCaption_->setGeometry(0, 0, BoxWidth, CaptionHeight);
    setStripColour(Qt::black);

    cmdWindowAction_ = new QToolButton(this);
    cmdWindowAction_->setObjectName(QStringLiteral("cmdWindowAction"));
    cmdWindowAction_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    cmdWindowAction_->setAutoRaise(true);
    cmdWindowAction_->setToolTip(QStringLiteral("关闭"));
    cmdWindowAction_->setGeometry(BoxWidth - CaptionHeight, 0, CaptionHeight, CaptionHeight);
    connect(cmdWindowAction_, &QToolButton::clicked, this, [this] {
        hide();
        context_.setToolBoxMenuCheck(false);
    });

    drag_ = new WindowDrag(this);
    drag_->addHandle(picCaption_);
    connect(drag_, &WindowDrag::pressed, this,
            [this](QWidget*, Qt::MouseButton button, QPoint) { captionPressed(button); });
    connect(drag_, &WindowDrag::dragFinished, this, [this] { settleAfterCaption(); });

    buildButtons();
    buildBoxes();
    keepClicksOffTheFocus(this);
    setActiveModeButton(0);
}

QSize ToolBox::sizeHint() const
{
    return QSize(BoxWidth, ChoiceTop + 48);
}

int ToolBox::captionHeight()
{
    return CaptionHeight;
}

void ToolBox::buildButtons()
{
    for (int i = 0; i < ModeButtons; ++i) {
        GoldButton* button =
            makeButton(QStringLiteral("GButton_%1").arg(i), sketchIcon(3000 + i + 1), this,
                       FirstButtonTop + ButtonStep * i);
        button->setToolTip(i == 0 ? QStringLiteral("取消画图") : SketchTexts::modeStatus(i));
        connect(button, &GoldButton::Click, this, [this, i] { chooseMode(i); });
        modeButtons_[std::size_t(i)] = button;
    }
    for (int i = 0; i < ToolButtons; ++i) {
        GoldButton* button = makeButton(QStringLiteral("GBTools_%1").arg(i),
                                        sketchIcon(ToolIcons[i]), this, ToolsTop + ButtonStep * i);
        button->setToolTip(QString::fromUtf8(ToolTips[i]));
        connect(button, &GoldButton::Click, this, [this, i] { context_.openTool(i); });
        toolButtons_[std::size_t(i)] = button;
    }
    gbStandard_ =
        makeButton(QStringLiteral("GBStandard"), sketchIcon(AboutIconId), this, StandardTop);
    gbStandard_->setToolTip(QStringLiteral("关于…"));
    connect(gbStandard_, &GoldButton::Click, this, [this] { context_.showAbout(); });
}

void ToolBox::buildBoxes()
{
    lLineWide_ = makeLabel(QStringLiteral("LLineWide"), QStringLiteral("线宽"), this, LineWideTop);
    cLineWide_ = makeCombo(QStringLiteral("CLineWide"), numberItems(1, 10, 1), QStringLiteral("1"),
                           this, LineWideTop + 16);
    connect(cLineWide_, &QComboBox::activated, this, [this] { lineWidthChosen(); });

    lBeforeColor_ =
        makeSwatch(QStringLiteral("LBeforeColor"), QStringLiteral("前景"), fore_, this, SwatchTop);
    lBackColor_ = makeSwatch(QStringLiteral("LBackColor"), QStringLiteral("背景"), back_, this,
                             SwatchTop + 24);
    lBeforeColor_->installEventFilter(this);
    lBackColor_->installEventFilter(this);

    // The font-size and eraser-size boxes share one place: each shows in its own mode.
    lFont_ = makeLabel(QStringLiteral("LFONT"), QStringLiteral("字体"), this, ChoiceTop);
    cFont_ = makeCombo(QStringLiteral("CFont"), numberItems(2, 60, 1), QStringLiteral("9"), this,
                       ChoiceTop + 16);
    connect(cFont_, &QComboBox::activated, this, [this] { fontChosen(); });
    lMoveDot_ = makeLabel(QStringLiteral("LMoveDot"), QStringLiteral("橡皮"), this, ChoiceTop);
    cMoveDot_ = makeCombo(QStringLiteral("CMoveDot"), numberItems(2, 60, 2), QStringLiteral("10"),
                          this, ChoiceTop + 16);
    connect(cMoveDot_, &QComboBox::activated, this, [this] { emit eraserSizeChosen(); });
    showFontBoxes(false);
    showEraserBoxes(false);
    // Enter takes what is in a box, typed (2.5) or picked: the box itself would act only
    // on its own items, and on some of them twice.
    for (QComboBox* combo : {cLineWide_, cFont_, cMoveDot_})
        combo->lineEdit()->installEventFilter(this);
}

void ToolBox::boxEntered(QObject* lineEdit)
{
    if (lineEdit == cLineWide_->lineEdit())
        lineWidthChosen();
    else if (lineEdit == cFont_->lineEdit())
        fontChosen();
    else
        emit eraserSizeChosen();
}

void ToolBox::chooseMode(int m)
{
    setActiveModeButton(m);
    emit modeChosen(m);
}

void ToolBox::setActiveModeButton(int m)
{
    for (int i = 0; i < ModeButtons; ++i) {
        GoldButton* button = modeButtons_[std::size_t(i)];
        const bool active = i == m;
        button->setOnUp(active ? ActiveEdge : 0);
        button->setEnabled(!active);
    }
}

int ToolBox::activeModeButton() const
{
    for (int i = 0; i < ModeButtons; ++i)
        if (!modeButtons_[std::size_t(i)]->isEnabled()) return i;
    return -1;
}

void ToolBox::showFontBoxes(bool visible)
{
    lFont_->setVisible(visible);
    cFont_->setVisible(visible);
}

void ToolBox::showEraserBoxes(bool visible)
{
    lMoveDot_->setVisible(visible);
    cMoveDot_->setVisible(visible);
}

QString ToolBox::eraserSizeText() const
{
    return cMoveDot_->currentText();
}

double ToolBox::fontSize() const
{
    return leadingNumber(cFont_->currentText());
}

void ToolBox::setLineWidthText(const QString& text)
{
    cLineWide_->setEditText(text);
}

void ToolBox::setForeSwatch(Colour colour)
{
    fore_ = colour;
    paintSwatch(lBeforeColor_, colour);
}

void ToolBox::fontChosen()
{
    pad_.setTextFontSize(fontSize());
}

void ToolBox::lineWidthChosen()
{
    // Pens are whole pixels wide: a typed 2.5 draws 2 wide, so the box, the plotter and
    // the setting show 2 rather than a width that is not drawn. Widths the plotter's
    // scroll bar cannot take are refused.
    const double w = NumberText::roundHalfEven(
        std::clamp(leadingNumber(cLineWide_->currentText()), -1.0, 100.0));
    if (w < 1 || w > 10) {
        services_.dialogs.inform(this, QStringLiteral("请输入1到10之间的数值"), MessageIcon::Error);
        cLineWide_->setEditText(integerText(context_.penWidth()));
        return;
    }
    const QString width = integerText(static_cast<long long>(w));
    cLineWide_->setEditText(width);
    context_.setPlotterLineWidth(w);
    context_.setSetupValue(QStringLiteral("LineBold"), width);
    pad_.surface().setPenWidth(int(w));
}

void ToolBox::pickPenColour()
{
    const std::optional<Colour> chosen = services_.dialogs.showColourDialog(this, fore_);
    if (!chosen) return;
    context_.setPlotterLineColour(*chosen);
    setForeSwatch(*chosen);
    context_.setSetupValue(QStringLiteral("LineColor"),
                           toQString(NumberText::integerText(*chosen)));
    pad_.setInputWordColour(*chosen);
}

void ToolBox::pickBackColour()
{
    const std::optional<Colour> chosen = services_.dialogs.showColourDialog(this, back_);
    if (!chosen) return;
    // The new background clears the pad; with the axes drawn again it is one step.
    setBackSwatch(*chosen);
    const PadDocument::Step step(pad_.document());
    pad_.document().setBackground(*chosen);
    context_.drawAxes();
}

void ToolBox::setBackSwatch(Colour colour)
{
    back_ = colour;
    paintSwatch(lBackColor_, back_);
    pad_.setInputWordBackground(back_);
}

void ToolBox::captionPressed(Qt::MouseButton button)
{
    setStripColour(palette().color(QPalette::Active, QPalette::Highlight));
    // A left press drags the box; the rest follows when it is dropped.
    if (button != Qt::LeftButton) settleAfterCaption();
}

void ToolBox::settleAfterCaption()
{
    emit captionReleased();
    if (QWidget* window = drag_->movedWindow())
        window->move(std::max(window->x(), 0), std::max(window->y(), 0));
}

void ToolBox::setStripColour(const QColor& colour)
{
    QPalette palette = picCaption_->palette();
    palette.setColor(QPalette::Window, colour);
    picCaption_->setPalette(palette);
}

void ToolBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) setStripColour(Qt::black);
    QWidget::changeEvent(event);
}

bool ToolBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            boxEntered(watched);
            return true;
        }
    }
    if ((watched == lBeforeColor_ || watched == lBackColor_) &&
        event->type() == QEvent::MouseButtonRelease) {
        auto* e = static_cast<QMouseEvent*>(event);
        auto* swatch = static_cast<QWidget*>(watched);
        if (e->button() == Qt::LeftButton && swatch->rect().contains(e->position().toPoint())) {
            if (watched == lBeforeColor_)
                pickPenColour();
            else
                pickBackColour();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
