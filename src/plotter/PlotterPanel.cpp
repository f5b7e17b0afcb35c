// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotterPanel.h"

#include "AxesPage.h"
#include "BackgroundTrace.h"
#include "ColourSwatch.h"
#include "ConicPage.h"
#include "ConstantsPage.h"
#include "FlatButton.h"
#include "FunctionPage.h"
#include "ParameterStrip.h"
#include "PlotterHost.h"
#include "QtText.h"
#include "Surface.h"
#include "TabStrip.h"
#include "ToolsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace orvane {

namespace {

FlatButton* listButton(const char* name, QWidget* parent)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

PlotterPanel::PlotterPanel(PlotterHost& host, Services& services, QWidget* parent)
    : QWidget(parent), host_(host), services_(services)
{
    setObjectName(QStringLiteral("Drawer"));
    setWindowTitle(QStringLiteral("函数作图"));
    setMouseTracking(true);

    functionPage_ = new FunctionPage(host, services, this);
    conicPage_ = new ConicPage(this);
    axesPage_ = new AxesPage(host, services, this);
    toolsPage_ = new ToolsPage(host, services.engine, this);
    constantsPage_ = new ConstantsPage(host, services, this);

    auto* tabStrip = new QHBoxLayout;
    tabStrip->setSpacing(0);
    for (int i = 0; i < 5; ++i) {
        ssTAB_[i] = new TabStrip(this);
        ssTAB_[i]->setObjectName(QStringLiteral("ssTAB_%1").arg(i));
        tabStrip->addWidget(ssTAB_[i]);
        connect(ssTAB_[i], &TabStrip::Click, this, [this, i] {
            showPanelTab(i);
            host_.setSetupValue(QStringLiteral("Tab"), leadingBlank(i));
        });
    }
    pages_ = new QStackedLayout;
    for (QWidget* page : std::initializer_list<QWidget*>{functionPage_, conicPage_, axesPage_,
                                                         toolsPage_, constantsPage_})
        pages_->addWidget(page);

    // On a short screen the panel scrolls instead of squeezing its controls together.
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("DrawerContent"));
    content_->setMouseTracking(true);
    auto* layout = new QVBoxLayout(content_);
    strip_ = new ParameterStrip(host, services, this);
    layout->addWidget(strip_);
    layout->addLayout(tabStrip);
    layout->addLayout(pages_, 3);
    layout->addWidget(buildListArea(), 2);
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    // Sized here rather than by the scroll area, which would scroll as soon as the
    // panel is shorter than its preferred height (wrapped notes ask for more room).
    scroller->setWidgetResizable(false);
    scroller->setWidget(content_);
    scroller->viewport()->installEventFilter(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);
    content_->installEventFilter(this);

    connect(functionPage_, &FunctionPage::addDrawRequested, this, &PlotterPanel::addAndDraw);
    connect(functionPage_->addButton(), &FlatButton::Click, this, &PlotterPanel::addAndDraw);
    connect(functionPage_->deleteButton(), &FlatButton::Click, this, &PlotterPanel::deleteFunction);
    connect(conicPage_->addButton(), &FlatButton::Click, this, &PlotterPanel::conicAdd);
    connect(conicPage_->deleteButton(), &FlatButton::Click, this, &PlotterPanel::deleteConic);
    connect(conicPage_, &ConicPage::helpColourOptionClicked, this, [this](bool on) {
        host_.setSetupValue(QStringLiteral("ColorSelfHelp"),
                            on ? QStringLiteral("1") : QStringLiteral("0"));
    });

    functionPage_->deleteButton()->setEnabled(false);
    conicPage_->deleteButton()->setEnabled(false);
    showPanelTab(0);
    connect(&host_.document(), &PadDocument::stateChanged, this, &PlotterPanel::followDocument);
    connect(&host_.document(), &PadDocument::restored, this, [this] {
        const PadState& state = host_.document().state();
        axesPage_->followDocument(state.axisSize, state.axesHidden);
        // The colour of the axes shown is the setting again, and 黑色/彩色 follow it.
        for (auto op = state.picture.rbegin(); op != state.picture.rend(); ++op)
            if (const auto* axes = dynamic_cast<const AxesDrawing*>(op->get())) {
                if (axes->colour() != axesPage_->axisColour()) {
                    axesPage_->applySettings(state.axisSize, axes->colour());
                    host_.setSetupValue(QStringLiteral("Color"), integerText(qint64(axes->colour())));
                }
                break;
            }
    });
}

PlotterPanel::~PlotterPanel() = default;

void PlotterPanel::followWork(Colour axisColour)
{
    const PadState& state = host_.document().state();
    axesPage_->applySettings(state.axisSize, axisColour);
    axesPage_->followDocument(state.axisSize, state.axesHidden);
    host_.setSetupValue(QStringLiteral("Size"), integerText(state.axisSize));
    host_.setSetupValue(QStringLiteral("Color"), integerText(qint64(axisColour)));
    constantsPage_->refreshRows();
}

QWidget* PlotterPanel::buildListArea()
{
    auto* area = new QGroupBox(QStringLiteral("已作图的函数"), this);
    LF_ = new QListWidget(area);
    LF_->setObjectName(QStringLiteral("LF"));
    LF_->viewport()->installEventFilter(this);
    auto* hintLabel = new QLabel(QStringLiteral("双击函数式可激活删除按钮"), area);
    hintLabel->setStyleSheet(QStringLiteral("color: #505050;"));
    cleanDraw_ = listButton("cleanDraw", area);
    delAll_ = listButton("delAll", area);
    cmdReDraw_ = listButton("cmdReDraw", area);
    cleanhis_ = listButton("cleanhis", area);

    auto* buttons = new QGridLayout;
    buttons->addWidget(cleanDraw_, 0, 0);
    buttons->addWidget(delAll_, 0, 1);
    buttons->addWidget(cmdReDraw_, 1, 0);
    buttons->addWidget(cleanhis_, 1, 1);
    auto* layout = new QVBoxLayout(area);
    layout->addWidget(LF_, 1);
    layout->addWidget(hintLabel);
    layout->addLayout(buttons);

    connect(LF_, &QListWidget::currentRowChanged, this, &PlotterPanel::rowSelectionChanged);
    connect(LF_, &QListWidget::itemClicked, this, &PlotterPanel::rowSelectionChanged);
    connect(LF_, &QListWidget::itemDoubleClicked, this, &PlotterPanel::loadRow);
    connect(cleanDraw_, &FlatButton::Click, this, &PlotterPanel::clearPad);
    connect(delAll_, &FlatButton::Click, this, &PlotterPanel::clearAll);
    connect(cmdReDraw_, &FlatButton::Click, this, &PlotterPanel::redrawAll);
    connect(cleanhis_, &FlatButton::Click, this, &PlotterPanel::clearList);
    return area;
}

void PlotterPanel::showPanelTab(int n)
{
    if (n < 0 || n > 4) return;
    for (TabStrip* tab : ssTAB_)
        tab->setEnabled(false);
    pages_->setCurrentIndex(n);
    // The stack asks for the room of the page shown, not of its tallest page, so that
    // the list and its buttons stay in view on a 768-pixel screen.
    for (int i = 0; i < pages_->count(); ++i)
        pages_->widget(i)->setSizePolicy(i == n ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                                         i == n ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    ssTAB_[n]->setEnabled(true);
    currentTab_ = n;
    if (content_->parentWidget()) fitContent(content_->parentWidget()->size());
}

void PlotterPanel::setPlotterLabels(int set)
{
    if (set != 1) return;
    functionPage_->addButton()->setCaption(QStringLiteral("开始作图"));
    cmdReDraw_->setCaption(QStringLiteral("全部重画"));
    functionPage_->deleteButton()->setCaption(QStringLiteral("删除"));
    conicPage_->addButton()->setCaption(QStringLiteral("确定"));
    conicPage_->deleteButton()->setCaption(QStringLiteral("删除"));
    findChild<FlatButton*>(QStringLiteral("reDrawXY"))->setCaption(QStringLiteral("重画座标"));
    delAll_->setCaption(QStringLiteral("全部清空"));
    constantsPage_->addButton()->setCaption(QStringLiteral("添加"));
    constantsPage_->removeButton()->setCaption(QStringLiteral("删除"));
    cleanhis_->setCaption(QStringLiteral("清空列表"));
    cleanDraw_->setCaption(QStringLiteral("清空画板"));
    const char* tabs[5] = {"一般函数", "圆锥函数", "设置座标", "计算工具", "常数"};
    for (int i = 0; i < 5; ++i)
        ssTAB_[i]->setCaption(QString::fromUtf8(tabs[i]));
}

// --- colours -------------------------------------------------------------------------

Colour PlotterPanel::pickCurveColor(Colour c)
{
    return strip_->pickCurveColour(c);
}

Colour PlotterPanel::helpColor(Colour c)
{
    if (c != host_.pad().backColour() && conicPage_->randomHelpColours())
        return strip_->randomColour();
    return c;
}

Colour PlotterPanel::settingColour(const QString& key)
{
    return Colour(NumberText::toInt32(leadingNumber(host_.setupValue(key))).value_or(0));
}

int PlotterPanel::lineBoldSetting()
{
    const int width =
        NumberText::toInt16(leadingNumber(host_.setupValue(QStringLiteral("LineBold"))))
            .value_or(1);
    return width < 1 ? 1 : width;
}

PlotterDocument::Axes PlotterPanel::axesOfSetting()
{
    return {settingColour(QStringLiteral("Color")), axisSize(), host_.padFontSize()};
}

// --- parameter strip -----------------------------------------------------------------

Colour PlotterPanel::penColour() const
{
    return strip_->lineColour();
}

int PlotterPanel::penWidth() const
{
    return strip_->lineWidth();
}

void PlotterPanel::setLineWidth(double w)
{
    strip_->setLineWidth(w);
}

void PlotterPanel::setLineColour(Colour colour)
{
    strip_->setLineColour(colour);
}

int PlotterPanel::axisSize() const
{
    return axesPage_->axisSize();
}

Colour PlotterPanel::axisColour() const
{
    return axesPage_->axisColour();
}

void PlotterPanel::drawAxes()
{
    axesPage_->drawAxes();
}

void PlotterPanel::applyStartupSettings(const StartupSettings& s)
{
    axesPage_->applySettings(s.size, s.axisColour);
    functionPage_->applySmoothnessSetting(s.smoothnessText);
    conicPage_->setRandomHelpColours(s.randomHelpColours);
    strip_->applySettings(s.lineWidth, s.lineColour, s.randomCurveColours);
}

void PlotterPanel::addSavedConstant(const QString& name, const QString& value)
{
    constantsPage_->addUserConstant(name, value);
}

// --- events --------------------------------------------------------------------------

void PlotterPanel::mouseMoveEvent(QMouseEvent* event)
{
    clearPadMarks();
    QWidget::mouseMoveEvent(event);
}

void PlotterPanel::clearPadMarks()
{
    // Marks the pad drew while the pointer was over it go; the plot stays.
    Surface& pad = host_.pad();
    pad.setPersistent(false);
    pad.clear();
}

void PlotterPanel::fitContent(QSize room)
{
    content_->resize(room.expandedTo(content_->minimumSizeHint()));
}

bool PlotterPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (backgroundTrace_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancelTrace();
        return true;
    }
    if (watched == content_ && event->type() == QEvent::MouseMove) clearPadMarks();
    if (watched == content_->parentWidget() && event->type() == QEvent::Resize)
        fitContent(static_cast<QWidget*>(watched)->size());
    if (watched == LF_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && LF_->currentItem()) {
            host_.showCopyMenu(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- FunctionGraphTarget -------------------------------------------------------------

int PlotterPanel::entryCount() const
{
    return LF_->count();
}

QString PlotterPanel::entryText(int row) const
{
    const QListWidgetItem* item = LF_->item(row);
    return item ? item->text() : QString();
}

void PlotterPanel::selectEntry(int row)
{
    LF_->setCurrentRow(row);
}

std::optional<PlotKind> PlotterPanel::selectedKind() const
{
    return functionPage_->selectedKind();
}

QString PlotterPanel::expression(PlotKind kind) const
{
    return functionPage_->expression(kind);
}

void PlotterPanel::selectKind(PlotKind kind)
{
    functionPage_->selectKind(kind);
}

void PlotterPanel::setExpression(PlotKind kind, const QString& text)
{
    functionPage_->setExpression(kind, text);
}

} // namespace orvane
