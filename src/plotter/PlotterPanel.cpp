#include "PlotterPanel.h"

#include "AxesPage.h"
#include "AxesPainter.h"
#include "ColourSwatch.h"
#include "ConicPage.h"
#include "ConstantsPage.h"
#include "FlatButton.h"
#include "FunctionPage.h"
#include "PlotterHost.h"
#include "QtText.h"
#include "Surface.h"
#include "TabStrip.h"
#include "ToolsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace orvane {

namespace {

const QString Drawing = QStringLiteral("正在作图，请稍待…");
const QString Done = QStringLiteral("完成100%");
const QString FullList = QStringLiteral("函数不能超过32");

int kindCode(PlotKind kind)
{
    switch (kind) {
    case PlotKind::Y:
        return KindFunctionY;
    case PlotKind::X:
        return KindFunctionX;
    case PlotKind::Polar:
        break;
    }
    return KindPolar;
}

bool isConic(int kind)
{
    return kind >= KindCircle && kind <= KindHyperbola;
}

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
    toolsPage_ = new ToolsPage(host, this);
    constantsPage_ = new ConstantsPage(host, services, this);

    auto* tabStrip = new QHBoxLayout;
    tabStrip->setSpacing(0);
    for (int i = 0; i < 5; ++i) {
        ssTAB_[i] = new TabStrip(this);
        ssTAB_[i]->setObjectName(QStringLiteral("ssTAB_%1").arg(i));
        tabStrip->addWidget(ssTAB_[i]);
        connect(ssTAB_[i], &TabStrip::Click, this, [this, i] {
            ShowPanelTab(i);
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
    layout->addWidget(buildParameterStrip());
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
    ShowPanelTab(0);
}

QWidget* PlotterPanel::buildParameterStrip()
{
    auto* strip = new QGroupBox(QStringLiteral("参数栏"), this);
    LB_ = new QScrollBar(Qt::Horizontal, strip);
    LB_->setObjectName(QStringLiteral("LB"));
    LB_->setRange(1, 10);
    LB_->setPageStep(1);
    LLB_ = new QLabel(QStringLiteral("1"), strip);
    LLB_->setObjectName(QStringLiteral("LLB"));
    LLB_->setMinimumWidth(24);
    LColor_ = new ColourSwatch(QStringLiteral("LColor"), strip);
    LColor_->setToolTip(QStringLiteral("请选择色彩"));
    LColor_->setColour(16711680);
    CheckColor_ = new QCheckBox(QStringLiteral("随机"), strip);
    CheckColor_->setObjectName(QStringLiteral("CheckColor"));

    auto* layout = new QGridLayout(strip);
    layout->addWidget(new QLabel(QStringLiteral("线条宽度："), strip), 0, 0);
    layout->addWidget(LB_, 0, 1, 1, 3);
    layout->addWidget(LLB_, 0, 4);
    layout->addWidget(new QLabel(QStringLiteral("颜色："), strip), 1, 0);
    layout->addWidget(LColor_, 1, 1);
    layout->addWidget(CheckColor_, 1, 2);
    layout->setColumnStretch(3, 1);

    connect(LB_, &QScrollBar::valueChanged, this, &PlotterPanel::lineWidthChanged);
    connect(LColor_, &ColourSwatch::clicked, this, &PlotterPanel::lineColourClicked);
    connect(CheckColor_, &QCheckBox::clicked, this, [this](bool on) {
        host_.setSetupValue(QStringLiteral("ColorSelfMain"),
                            on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    return strip;
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

void PlotterPanel::ShowPanelTab(int n)
{
    if (n < 0 || n > 4) return;
    for (TabStrip* tab : ssTAB_)
        tab->setEnabled(false);
    pages_->setCurrentIndex(n);
    ssTAB_[n]->setEnabled(true);
    currentTab_ = n;
}

void PlotterPanel::SetPlotterLabels(int set)
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

// --- tracing -------------------------------------------------------------------------

TraceRequest PlotterPanel::traceRequest(const QString& expression, Colour colour, int width) const
{
    TraceRequest request;
    request.expression = toStdString(expression);
    request.rangeMin = leadingNumber(functionPage_->rangeMinText());
    request.rangeMax = leadingNumber(functionPage_->rangeMaxText());
    // A box holding no usable smoothness falls back to the last accepted one.
    std::optional<double> step = StepFromSmoothness(leadingNumber(functionPage_->smoothnessText()));
    if (!step) step = StepFromSmoothness(functionPage_->smoothness());
    request.step = step.value_or(0.01);
    request.colour = colour;
    request.width = width;
    return request;
}

void PlotterPanel::DrawFunctionY(Colour colour, int width)
{
    orvane::DrawFunctionY(host_.pad(),
                          traceRequest(functionPage_->expression(PlotKind::Y), colour, width));
}

void PlotterPanel::DrawFunctionX(Colour colour, int width)
{
    orvane::DrawFunctionX(host_.pad(),
                          traceRequest(functionPage_->expression(PlotKind::X), colour, width));
}

void PlotterPanel::DrawPolar(Colour colour, int width)
{
    orvane::DrawPolar(host_.pad(),
                      traceRequest(functionPage_->expression(PlotKind::Polar), colour, width));
}

TraceOutcome PlotterPanel::trace(int kind, Colour colour, int width)
{
    Surface& pad = host_.pad();
    switch (kind) {
    case KindFunctionY:
        return orvane::DrawFunctionY(
            pad, traceRequest(functionPage_->expression(PlotKind::Y), colour, width));
    case KindFunctionX:
        return orvane::DrawFunctionX(
            pad, traceRequest(functionPage_->expression(PlotKind::X), colour, width));
    case KindPolar:
        return orvane::DrawPolar(
            pad, traceRequest(functionPage_->expression(PlotKind::Polar), colour, width));
    default:
        drawConicOfKind(kind, colour, width);
        return TraceOutcome::Traced;
    }
}

void PlotterPanel::drawConicOfKind(int kind, Colour colour, int width)
{
    if (!isConic(kind)) return;
    ConicParameters p = currentConic_;
    p.kind = ConicKind(kind);
    showConicMessage(
        DrawConic(host_.pad(), p, colour, width, [this](Colour c) { return HelpColor(c); }));
}

void PlotterPanel::showConicMessage(const std::optional<ConicMessage>& message)
{
    if (message)
        services_.dialogs.showMessage(
            window(), {message->text, message->title, message->icon, MessageButtons::Ok});
}

// --- colours -------------------------------------------------------------------------

Colour PlotterPanel::randomColour()
{
    Colour c = 0;
    for (int shift : {0, 8, 16}) {
        const double r = services_.environment.nextRandom();
        c |= Colour(NumberText::ToInt32(r * 255).value_or(0)) << shift;
    }
    return c;
}

Colour PlotterPanel::PickCurveColor(Colour c)
{
    if (!CheckColor_->isChecked()) return c;
    const Colour picked = randomColour();
    LColor_->setColour(picked);
    host_.setToolBoxPenColour(picked);
    return picked;
}

Colour PlotterPanel::HelpColor(Colour c)
{
    if (c != host_.pad().backColour() && conicPage_->randomHelpColours()) return randomColour();
    return c;
}

Colour PlotterPanel::settingColour(const QString& key)
{
    return Colour(NumberText::ToInt32(leadingNumber(host_.setupValue(key))).value_or(0));
}

int PlotterPanel::lineBoldSetting()
{
    const int width =
        NumberText::ToInt16(leadingNumber(host_.setupValue(QStringLiteral("LineBold"))))
            .value_or(1);
    return width < 1 ? 1 : width;
}

// --- the list ------------------------------------------------------------------------

void PlotterPanel::setValue(int n, int kind)
{
    if (n < 0 || n >= PlotSlots) return;
    PlotRecord& r = records_[n];
    r.Kind = std::int16_t(kind);
    r.Color = LColor_->colour();
    r.Width = std::int16_t(LB_->value());
    conicPage_->storeInto(r);
    r.Smoothness = functionPage_->smoothness();
    r.RangeMax = leadingNumber(functionPage_->rangeMaxText());
    r.RangeMin = leadingNumber(functionPage_->rangeMinText());
}

void PlotterPanel::CompareTxt(const QString& text, int kind)
{
    const QString wanted = text.trimmed();
    for (int i = 0; i < LF_->count(); ++i) {
        LF_->setCurrentRow(i);
        if (LF_->item(i)->text() == wanted) {
            // The same entry again: wipe the old drawing, keep the row.
            trace(kind, host_.pad().backColour(), records_[i].Width);
            setValue(i, kind);
            return;
        }
    }
    setValue(LF_->count(), kind);
    LF_->addItem(text);
    LF_->setCurrentRow(LF_->count() - 1);
}

void PlotterPanel::addAndDraw()
{
    const Colour c = PickCurveColor(LColor_->colour());
    if (LF_->count() >= PlotSlots) {
        services_.dialogs.inform(window(), FullList);
        return;
    }
    host_.pad().setPersistent(true);
    host_.setProgressText(Drawing);
    const PlotKind kind = functionPage_->selectedKind();
    const QString prefix = kind == PlotKind::Y   ? QStringLiteral("y=")
                           : kind == PlotKind::X ? QStringLiteral("x=")
                                                 : QStringLiteral("p=");
    CompareTxt(prefix + functionPage_->expression(kind), kindCode(kind));
    if (trace(kindCode(kind), c, lineBoldSetting()) == TraceOutcome::RangeTooLarge)
        services_.dialogs.inform(window(),
                                 QStringLiteral("作图范围太大，请缩小自变量的范围或降低平滑度。"),
                                 MessageIcon::Warning);
    host_.setProgressText(Done);
}

void PlotterPanel::conicAdd()
{
    const Colour c = PickCurveColor(LColor_->colour());
    if (LF_->count() >= PlotSlots) {
        services_.dialogs.inform(window(), FullList);
        return;
    }
    if (!conicPage_->parametersStorable()) {
        services_.dialogs.inform(
            window(), QStringLiteral("参数超出范围：请输入 -32768 到 32767 之间的数值。"),
            MessageIcon::Warning);
        return;
    }
    host_.setProgressText(Drawing);
    host_.pad().setPersistent(true);
    currentConic_ = conicPage_->parameters();
    CompareTxt(ConicRowText(currentConic_), int(currentConic_.kind));
    drawConicOfKind(int(currentConic_.kind), c, lineBoldSetting());
    host_.setProgressText(Done);
}

void PlotterPanel::loadRow()
{
    const int i = LF_->currentRow();
    if (i < 0 || i >= PlotSlots) return;
    const PlotRecord record = records_[i];
    const QString text = LF_->item(i)->text();
    const QString expression = text.mid(2);
    auto loadFunction = [&](PlotKind kind) {
        ShowPanelTab(0);
        functionPage_->selectKind(kind);
        functionPage_->setExpression(kind, expression);
        functionPage_->deleteButton()->setEnabled(true);
        functionPage_->setSmoothnessBar(NumberText::ToInt16(record.Smoothness).value_or(100));
        if (kind != PlotKind::Polar)
            functionPage_->setRange(generalForm(record.RangeMin), generalForm(record.RangeMax));
    };
    switch (record.Kind) {
    case KindFunctionY:
        loadFunction(PlotKind::Y);
        break;
    case KindFunctionX:
        loadFunction(PlotKind::X);
        break;
    case KindPolar:
        loadFunction(PlotKind::Polar);
        break;
    default:
        ShowPanelTab(1);
        conicPage_->deleteButton()->setEnabled(isConic(record.Kind));
        break;
    }
    conicPage_->showRecord(record);
    LB_->setValue(record.Width);
    LColor_->setColour(record.Color);
}

void PlotterPanel::removeSelectedRow(FlatButton* deleteButton)
{
    const int row = LF_->currentRow();
    AxesPainter::DrawAxes(host_.pad(), settingColour(QStringLiteral("Color")), axisSize(),
                          host_.padFontSize());
    for (int slot = row; slot < LF_->count() - 1; ++slot)
        records_.delValue(slot);
    deleteButton->setEnabled(false);
    delete LF_->takeItem(row);
    host_.setProgressText(QStringLiteral("完成删除"));
}

void PlotterPanel::deleteFunction()
{
    const int row = LF_->currentRow();
    if (row < 0) return;
    host_.pad().setPersistent(true);
    host_.setProgressText(QStringLiteral("开始删除…"));
    trace(kindCode(functionPage_->selectedKind()), host_.pad().backColour(), records_[row].Width);
    removeSelectedRow(functionPage_->deleteButton());
}

void PlotterPanel::deleteConic()
{
    const int row = LF_->currentRow();
    if (row < 0) return;
    host_.pad().setPersistent(true);
    currentConic_ = conicPage_->parameters();
    drawConicOfKind(records_[row].Kind, host_.pad().backColour(), records_[row].Width);
    removeSelectedRow(conicPage_->deleteButton());
}

void PlotterPanel::redrawAll()
{
    Surface& pad = host_.pad();
    pad.setPersistent(true);
    pad.clear();
    if (!axesPage_->axesHidden())
        AxesPainter::DrawAxes(pad, settingColour(QStringLiteral("Color")), axisSize(),
                              host_.padFontSize());
    // Rows that the replay appends (a text that no longer matches its row) are not
    // replayed in the same pass.
    const int rows = LF_->count();
    for (int i = 0; i < rows && i < LF_->count(); ++i) {
        LF_->setCurrentRow(i);
        loadRow();
        const int kind = records_[i].Kind;
        if (isConic(kind)) {
            conicAdd();
        } else {
            functionPage_->setSmoothnessBar(
                NumberText::ToInt16(records_[i].Smoothness).value_or(100));
            addAndDraw();
        }
    }
    if (rows > 0) host_.setProgressText(Done);
}

void PlotterPanel::clearPad()
{
    Surface& pad = host_.pad();
    pad.setPersistent(true);
    pad.clear();
    axesPage_->drawAxes();
    axesPage_->showAxesAgain();
}

void PlotterPanel::clearList()
{
    LF_->clear();
}

void PlotterPanel::clearAll()
{
    Surface& pad = host_.pad();
    pad.setPersistent(true);
    pad.clear();
    axesPage_->drawAxes();
    LF_->clear();
    axesPage_->showAxesAgain();
}

void PlotterPanel::rowSelectionChanged()
{
    functionPage_->deleteButton()->setEnabled(false);
    conicPage_->deleteButton()->setEnabled(false);
}

QString PlotterPanel::selectedEntryText() const
{
    const QListWidgetItem* item = LF_->currentItem();
    return item ? item->text() : QString();
}

void PlotterPanel::saveExpressions()
{
    host_.setInfoValue(QStringLiteral("ExpressionX"), functionPage_->expression(PlotKind::Y));
    host_.setInfoValue(QStringLiteral("ExpressionY"), functionPage_->expression(PlotKind::X));
    host_.setInfoValue(QStringLiteral("ExpressionPolar"),
                       functionPage_->expression(PlotKind::Polar));
}

// --- parameter strip -----------------------------------------------------------------

void PlotterPanel::lineWidthChanged(int value)
{
    LLB_->setText(integerText(value));
    host_.setSetupValue(QStringLiteral("LineBold"), integerText(value));
    host_.pad().setPenWidth(value);
    host_.setToolBoxLineWidthText(leadingBlank(value));
}

void PlotterPanel::lineColourClicked()
{
    const std::optional<Colour> chosen = services_.dialogs.showColourDialog(window(), penColour());
    if (!chosen) return;
    setLineColour(*chosen);
    host_.setToolBoxPenColour(*chosen);
    host_.setSetupValue(QStringLiteral("LineColor"), integerText(*chosen));
    host_.setTextInputColour(*chosen);
}

Colour PlotterPanel::penColour() const
{
    return LColor_->colour();
}

int PlotterPanel::penWidth() const
{
    return LB_->value();
}

void PlotterPanel::setLineWidth(double w)
{
    LLB_->setText(generalForm(w));
    const int rounded = NumberText::ToInt16(w).value_or(1);
    LB_->setValue(rounded);
}

void PlotterPanel::setLineColour(Colour colour)
{
    LColor_->setColour(colour);
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
    CheckColor_->setChecked(s.randomCurveColours);
    conicPage_->setRandomHelpColours(s.randomHelpColours);
    {
        const QSignalBlocker blocker(LB_);
        LB_->setValue(s.lineWidth);
    }
    LLB_->setText(integerText(LB_->value()));
    host_.setToolBoxLineWidthText(integerText(LB_->value()));
    LColor_->setColour(s.lineColour);
    host_.setToolBoxPenColour(s.lineColour);
    host_.pad().setPenWidth(LB_->value());
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
