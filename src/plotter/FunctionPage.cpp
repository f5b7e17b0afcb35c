// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionPage.h"

#include "FlatButton.h"
#include "PlottedEntry.h"
#include "PlotterHost.h"
#include "QtText.h"
#include "ReadingLabel.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace orvane {

namespace {

QLineEdit* expressionBox(const char* name, const char* designerText, QWidget* parent)
{
    auto* edit = new QLineEdit(QString::fromUtf8(designerText), parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* hint(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #505050;"));
    return label;
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

FunctionPage::FunctionPage(PlotterHost& host, Services& services, QWidget* parent)
    : QFrame(parent), host_(host), services_(services)
{
    setObjectName(QStringLiteral("Fra_0"));
    auto* frame = new QGroupBox(QStringLiteral("输入函数表达式："), this);

    OpY_ = new QRadioButton(QStringLiteral("Y="), frame);
    OpY_->setObjectName(QStringLiteral("OpY"));
    OpX_ = new QRadioButton(QStringLiteral("X="), frame);
    OpX_->setObjectName(QStringLiteral("OpX"));
    OpPolar_ = new QRadioButton(QStringLiteral("使用极坐标ρ="), frame);
    OpPolar_->setObjectName(QStringLiteral("OpPolar"));
    txtBiaoSi_ = expressionBox(
        "txtBiaoSi", "2*cos((20000000-19999999)/2*x)*cos((20000000+19999999)/2*x+pi)", frame);
    txtXB_ = expressionBox("txtXB", "0.5*(y^2)*cos(y)", frame);
    txtPolar_ = expressionBox("txtPolar", "4/(3-2*cos(x))", frame);
    OpParam_ = new QRadioButton(QStringLiteral("参数方程 x="), frame);
    OpParam_->setObjectName(QStringLiteral("OpParam"));
    txtParamX_ = expressionBox("txtParamX", "cos(t)*3", frame);
    txtParamY_ = expressionBox("txtParamY", "sin(t)*2", frame);
    tMin_ = expressionBox("tMin", "0", frame);
    tMax_ = expressionBox("tMax", "6.283185307", frame);

    xMin_ = expressionBox("xMin", "-10", frame);
    xMax_ = expressionBox("xMax", "10", frame);
    const char* rangeTexts[3] = {"x∈(", "，", ")"};
    for (int i = 0; i < 3; ++i) {
        XYMaxMin_[i] = new QLabel(QString::fromUtf8(rangeTexts[i]), frame);
        XYMaxMin_[i]->setObjectName(QStringLiteral("XYMaxMin_%1").arg(i));
    }
    PingHuaDu_ = expressionBox("PingHuaDu", "100", frame);
    HSPHD_ = new QScrollBar(Qt::Horizontal, frame);
    HSPHD_->setObjectName(QStringLiteral("HSPHD"));
    HSPHD_->setRange(10, 100);
    HSPHD_->setValue(100);
    smoothness_ = leadingNumber(PingHuaDu_->text());

    auto* grid = new QGridLayout(frame);
    int row = 0;
    grid->addWidget(
        hint(QStringLiteral("可以使用的符号：\"+\"、\"-\"、\"*\"、\"/\"、\"^\"、\"(\"、\")\"。"),
             frame),
        row++, 0, 1, 6);
    grid->addWidget(
        hint(QStringLiteral("注意：\"*\"、\"/\"的运算优先于\"^\"，必要时请加括号。"), frame), row++,
        0, 1, 6);
    grid->addWidget(hint(QStringLiteral("为了便于程序计算，请使用规范表达式。"), frame), row++, 0,
                    1, 6);
    grid->addWidget(hint(QStringLiteral("内定函数及使用方法请见帮助。"), frame), row++, 0, 1, 6);
    // Under each box its hint, which gives way to the reading of the text while the
    // program reads it otherwise than at school ("按 (6*x)^2 计算").
    const auto boxWithHint = [&](QRadioButton* option, QLineEdit* box, const QString& text) {
        grid->addWidget(option, row, 0);
        grid->addWidget(box, row++, 1, 1, 5);
        QLabel* boxHint = hint(text, frame);
        auto* reading = new ReadingLabel(box, frame);
        grid->addWidget(boxHint, row, 1, 1, 5);
        grid->addWidget(reading, row++, 1, 1, 5);
        reading->shareLineWith(boxHint);
    };
    boxWithHint(OpY_, txtBiaoSi_, QStringLiteral("乘号\"*\"不能省略，x 为未知数，π 写作 PI。"));
    boxWithHint(OpX_, txtXB_, QStringLiteral("乘号\"*\"不能省略，y 为未知数。"));
    boxWithHint(OpPolar_, txtPolar_, QStringLiteral("乘号\"*\"不能省略，角 θ 写作 x。"));
    grid->addWidget(OpParam_, row, 0);
    grid->addWidget(txtParamX_, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("y="), frame), row, 2);
    grid->addWidget(txtParamY_, row++, 3, 1, 3);
    // The t range takes the place of the x (or y) range while a parametric curve is
    // chosen: one row for both keeps the page short enough for a 768-pixel screen.
    tRange_ = {new QLabel(QStringLiteral("t∈("), frame), new QLabel(QStringLiteral("，"), frame),
               new QLabel(QStringLiteral(")  参数为 t"), frame)};
    grid->addWidget(tRange_[0], row, 0, Qt::AlignRight);
    grid->addWidget(tMin_, row, 1);
    grid->addWidget(tRange_[1], row, 2);
    grid->addWidget(tMax_, row, 3);
    grid->addWidget(tRange_[2], row, 4, 1, 2, Qt::AlignLeft);
    grid->addWidget(XYMaxMin_[0], row, 0, Qt::AlignRight);
    grid->addWidget(xMin_, row, 1);
    grid->addWidget(XYMaxMin_[1], row, 2);
    grid->addWidget(xMax_, row, 3);
    grid->addWidget(XYMaxMin_[2], row++, 4, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("线条平滑："), frame), row, 0);
    grid->addWidget(PingHuaDu_, row, 1);
    grid->addWidget(HSPHD_, row++, 2, 1, 4);
    grid->addWidget(hint(QStringLiteral("数值过大会导致速度变缓慢"), frame), row++, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // The tallest page of the panel: kept compact so that the list below it stays in view
    // on a 768-pixel screen.
    grid->setVerticalSpacing(2);

    cmdAddDraw_ = new FlatButton(this);
    cmdAddDraw_->setObjectName(QStringLiteral("cmdAddDraw"));
    cmdDelLine_ = new FlatButton(this);
    cmdDelLine_->setObjectName(QStringLiteral("cmdDelLine"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddDraw_);
    buttons->addWidget(cmdDelLine_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(OpY_, &QRadioButton::clicked, this, [this] { selectKind(PlotKind::Y); });
    connect(OpX_, &QRadioButton::clicked, this, [this] { selectKind(PlotKind::X); });
    connect(OpPolar_, &QRadioButton::clicked, this, [this] { selectKind(PlotKind::Polar); });
    connect(OpParam_, &QRadioButton::clicked, this, [this] { selectKind(PlotKind::Parametric); });
    connect(HSPHD_, &QScrollBar::valueChanged, this, &FunctionPage::smoothnessBarChanged);
    for (QLineEdit* edit : {txtBiaoSi_, txtXB_, txtPolar_, txtParamX_, txtParamY_, PingHuaDu_})
        edit->installEventFilter(this);
    selectKind(PlotKind::Y);
}

bool FunctionPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == txtBiaoSi_) {
        // Select all once the focus has settled, or the click would deselect it again.
        QTimer::singleShot(0, txtBiaoSi_, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtBiaoSi_ && txtBiaoSi_->text() == QLatin1String(" "))
            services_.dialogs.inform(window(), QStringLiteral("请输入表达式"), MessageIcon::Error);
        if (isEnter(key)) {
            if (watched == PingHuaDu_)
                smoothnessEntered();
            else
                emit addDrawRequested();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

PlotKind FunctionPage::selectedKind() const
{
    if (OpY_->isChecked()) return PlotKind::Y;
    if (OpX_->isChecked()) return PlotKind::X;
    if (OpParam_->isChecked()) return PlotKind::Parametric;
    return PlotKind::Polar;
}

void FunctionPage::selectKind(PlotKind kind)
{
    OpY_->setChecked(kind == PlotKind::Y);
    OpX_->setChecked(kind == PlotKind::X);
    OpPolar_->setChecked(kind == PlotKind::Polar);
    OpParam_->setChecked(kind == PlotKind::Parametric);
    txtBiaoSi_->setEnabled(kind == PlotKind::Y);
    txtXB_->setEnabled(kind == PlotKind::X);
    txtPolar_->setEnabled(kind == PlotKind::Polar);
    for (QLineEdit* edit : {txtParamX_, txtParamY_, tMin_, tMax_})
        edit->setEnabled(kind == PlotKind::Parametric);
    const bool usesRange = kind == PlotKind::Y || kind == PlotKind::X;
    xMin_->setEnabled(usesRange);
    xMax_->setEnabled(usesRange);
    const bool parametric = kind == PlotKind::Parametric;
    using Widgets = std::initializer_list<QWidget*>;
    for (QWidget* w : Widgets{tMin_, tMax_, tRange_[0], tRange_[1], tRange_[2]})
        w->setVisible(parametric);
    for (QWidget* w : Widgets{xMin_, xMax_, XYMaxMin_[0], XYMaxMin_[1], XYMaxMin_[2]})
        w->setVisible(!parametric);
    if (kind == PlotKind::Y)
        XYMaxMin_[0]->setText(QStringLiteral("x∈("));
    else if (kind == PlotKind::X)
        XYMaxMin_[0]->setText(QStringLiteral("y∈("));
}

QString FunctionPage::expression(PlotKind kind) const
{
    switch (kind) {
    case PlotKind::Y:
        return txtBiaoSi_->text();
    case PlotKind::X:
        return txtXB_->text();
    case PlotKind::Parametric:
        return parametricText(txtParamX_->text(), txtParamY_->text());
    case PlotKind::Polar:
        break;
    }
    return txtPolar_->text();
}

void FunctionPage::setExpression(PlotKind kind, const QString& text)
{
    switch (kind) {
    case PlotKind::Y:
        txtBiaoSi_->setText(text);
        break;
    case PlotKind::X:
        txtXB_->setText(text);
        break;
    case PlotKind::Polar:
        txtPolar_->setText(text);
        break;
    case PlotKind::Parametric:
        // "x=…, y=…"; another text leaves the boxes as they are.
        if (const auto parts = splitParametricText(text)) {
            txtParamX_->setText(parts->first);
            txtParamY_->setText(parts->second);
        }
        break;
    }
}

QString FunctionPage::parameterMinText() const
{
    return tMin_->text();
}

QString FunctionPage::parameterMaxText() const
{
    return tMax_->text();
}

void FunctionPage::setParameterRange(const QString& min, const QString& max)
{
    tMin_->setText(min);
    tMax_->setText(max);
}

QString FunctionPage::parametricX() const
{
    return txtParamX_->text();
}

QString FunctionPage::parametricY() const
{
    return txtParamY_->text();
}

QString FunctionPage::rangeMinText() const
{
    return xMin_->text();
}

QString FunctionPage::rangeMaxText() const
{
    return xMax_->text();
}

void FunctionPage::setRange(const QString& min, const QString& max)
{
    xMin_->setText(min);
    xMax_->setText(max);
}

QString FunctionPage::smoothnessText() const
{
    return PingHuaDu_->text();
}

void FunctionPage::setSmoothnessBar(int value)
{
    HSPHD_->setValue(value);
}

void FunctionPage::applySmoothnessSetting(const QString& text)
{
    PingHuaDu_->setText(text);
    const QSignalBlocker blocker(HSPHD_);
    HSPHD_->setValue(NumberText::toInt16(leadingNumber(text)).value_or(100));
    smoothness_ = HSPHD_->value();
}

void FunctionPage::smoothnessBarChanged(int value)
{
    smoothness_ = value;
    PingHuaDu_->setText(integerText(value));
    host_.setSetupValue(QStringLiteral("PingHuaDu"), integerText(value));
}

void FunctionPage::smoothnessEntered()
{
    const double value = leadingNumber(PingHuaDu_->text());
    if (value >= 10 && value <= 100) {
        const int rounded = NumberText::toInt16(value).value_or(100);
        smoothness_ = rounded;
        setSmoothnessBar(rounded);
        services_.dialogs.inform(window(), QStringLiteral("修改成功"), MessageIcon::Information);
    } else {
        services_.dialogs.inform(window(), QStringLiteral("请输入10到100之间的数值"),
                                 MessageIcon::Error);
    }
}

} // namespace orvane
