// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConicPage.h"

#include "FlatButton.h"
#include "QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

QLineEdit* box(const char* name, const char* text, QWidget* parent)
{
    auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

std::int16_t storedParameter(const QLineEdit* edit)
{
    // Conic parameters are kept as 16-bit integers; the page refuses larger ones
    // before anything is stored, so the fallback only guards that invariant.
    return NumberText::toInt16(leadingNumber(edit->text())).value_or(0);
}

} // namespace

ConicPage::ConicPage(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Fra_1"));
    auto* frame = new QGroupBox(QStringLiteral("输入相关数据"), this);

    const char* captions[3] = {"圆 (x-a)^2+(x-b)^2=r^2", "椭圆 (x-X)^2/a^2+(y-Y)^2/b^2=1",
                               "双曲线 (x-X)^2/a^2-(y-Y)^2/b^2=1"};
    auto* options = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        Ot_[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        Ot_[i]->setObjectName(QStringLiteral("Ot%1").arg(i + 1));
        options->addWidget(Ot_[i]);
        connect(Ot_[i], &QRadioButton::clicked, this,
                [this, i] { selectConicKind(ConicKind(i + 1)); });
    }

    TXA_ = box("TXA", "0", frame);
    TXB_ = box("TXB", "0", frame);
    TX1_ = box("TX1", "5", frame);
    TX2_ = box("TX2", "", frame);
    auto* la = new QLabel(QStringLiteral("a"), frame);
    la->setObjectName(QStringLiteral("Lcir_0"));
    auto* lb = new QLabel(QStringLiteral("b"), frame);
    lb->setObjectName(QStringLiteral("Lcir_1"));
    LC1_ = new QLabel(QStringLiteral("r"), frame);
    LC1_->setObjectName(QStringLiteral("LC1"));
    LC2_ = new QLabel(frame);
    LC2_->setObjectName(QStringLiteral("LC2"));
    auto* boxes = new QGridLayout;
    boxes->addWidget(la, 0, 0);
    boxes->addWidget(TXA_, 0, 1);
    boxes->addWidget(lb, 0, 2);
    boxes->addWidget(TXB_, 0, 3);
    boxes->addWidget(LC1_, 1, 0);
    boxes->addWidget(TX1_, 1, 1);
    boxes->addWidget(LC2_, 1, 2);
    boxes->addWidget(TX2_, 1, 3);

    FQX_ = new QGroupBox(frame);
    FQX_->setObjectName(QStringLiteral("FQX"));
    OQX_ = new QRadioButton(QStringLiteral("X方向"), FQX_);
    OQX_->setObjectName(QStringLiteral("OQX"));
    OQY_ = new QRadioButton(QStringLiteral("Y方向"), FQX_);
    OQY_->setObjectName(QStringLiteral("OQY"));
    OQX_->setChecked(true);
    auto* direction = new QHBoxLayout(FQX_);
    direction->addWidget(OQX_);
    direction->addWidget(OQY_);
    connect(OQX_, &QRadioButton::clicked, this, [this] { selectAlongX(true); });
    connect(OQY_, &QRadioButton::clicked, this, [this] { selectAlongX(false); });

    CQX_ = new QCheckBox(QStringLiteral("渐近线"), frame);
    CQX_->setObjectName(QStringLiteral("CQX"));
    cheZLINE_ = new QCheckBox(QStringLiteral("画准线"), frame);
    cheZLINE_->setObjectName(QStringLiteral("cheZLINE"));
    helpLineColor_ = new QCheckBox(QStringLiteral("辅助线用随机颜色"), frame);
    helpLineColor_->setObjectName(QStringLiteral("helpLineColor"));
    connect(helpLineColor_, &QCheckBox::clicked, this, &ConicPage::helpColourOptionClicked);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(options);
    frameLayout->addLayout(boxes);
    auto* checks = new QHBoxLayout;
    checks->addWidget(FQX_);
    checks->addWidget(CQX_);
    frameLayout->addLayout(checks);
    frameLayout->addWidget(cheZLINE_);
    frameLayout->addWidget(helpLineColor_);

    cmdCirAdd_ = new FlatButton(this);
    cmdCirAdd_->setObjectName(QStringLiteral("cmdCirAdd"));
    cmdDelCircle_ = new FlatButton(this);
    cmdDelCircle_->setObjectName(QStringLiteral("cmdDelCircle"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCirAdd_);
    buttons->addWidget(cmdDelCircle_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->addStretch();

    selectConicKind(ConicKind::Circle);
}

void ConicPage::selectConicKind(ConicKind kind)
{
    kind_ = kind;
    for (int i = 0; i < 3; ++i)
        Ot_[i]->setChecked(i + 1 == int(kind));
    const bool circle = kind == ConicKind::Circle;
    LC1_->setText(circle ? QStringLiteral("r") : QStringLiteral("X"));
    LC2_->setText(circle ? QString() : QStringLiteral("Y"));
    TX2_->setHidden(circle);
    cheZLINE_->setHidden(circle);
    helpLineColor_->setHidden(circle);
    FQX_->setVisible(kind == ConicKind::Hyperbola);
    switch (kind) {
    case ConicKind::Circle:
        TXA_->setText(QStringLiteral("0"));
        TXB_->setText(QStringLiteral("0"));
        TX1_->setText(QStringLiteral("5"));
        break;
    case ConicKind::Ellipse:
        TXA_->setText(QStringLiteral("5"));
        TXB_->setText(QStringLiteral("3"));
        break;
    case ConicKind::Hyperbola:
        TXA_->setText(QStringLiteral("3"));
        TXB_->setText(QStringLiteral("3"));
        break;
    }
}

void ConicPage::selectAlongX(bool alongX)
{
    OQX_->setChecked(alongX);
    OQY_->setChecked(!alongX);
}

ConicParameters ConicPage::parameters() const
{
    ConicParameters p;
    p.kind = kind_;
    p.a = leadingNumber(TXA_->text());
    p.b = leadingNumber(TXB_->text());
    p.x = leadingNumber(TX1_->text());
    p.y = float(leadingNumber(TX2_->text()));
    p.alongX = OQX_->isChecked();
    p.directrices = cheZLINE_->isChecked();
    p.asymptotes = CQX_->isChecked();
    return p;
}

bool ConicPage::parametersStorable() const
{
    for (const QLineEdit* edit : {TXA_, TXB_, TX1_, TX2_})
        if (!NumberText::toInt16(leadingNumber(edit->text()))) return false;
    return true;
}

void ConicPage::showRecord(const PlotRecord& record)
{
    switch (record.Kind) {
    case KindCircle:
        selectConicKind(ConicKind::Circle);
        break;
    case KindEllipse:
        selectConicKind(ConicKind::Ellipse);
        cheZLINE_->setChecked(record.Directrix != 0);
        break;
    case KindHyperbola:
        selectConicKind(ConicKind::Hyperbola);
        CQX_->setChecked(record.Asymptotes != 0);
        cheZLINE_->setChecked(record.Directrix != 0);
        selectAlongX(record.AlongX != 0);
        break;
    default:
        break;
    }
    TXA_->setText(integerText(record.ParamA));
    TXB_->setText(integerText(record.ParamB));
    TX1_->setText(integerText(record.Param1));
    TX2_->setText(integerText(record.Param2));
}

void ConicPage::showParameters(const ConicParameters& p)
{
    TXA_->setText(generalForm(p.a));
    TXB_->setText(generalForm(p.b));
    TX1_->setText(generalForm(p.x));
    TX2_->setText(generalForm(p.y));
}

void ConicPage::storeInto(PlotRecord& record) const
{
    record.ParamA = storedParameter(TXA_);
    record.ParamB = storedParameter(TXB_);
    record.Param1 = storedParameter(TX1_);
    record.Param2 = storedParameter(TX2_);
    record.Directrix = cheZLINE_->isChecked() ? 1 : 0;
    record.Asymptotes = CQX_->isChecked() ? 1 : 0;
    record.AlongX = OQX_->isChecked() ? -1 : 0;
}

bool ConicPage::randomHelpColours() const
{
    return helpLineColor_->isChecked();
}

void ConicPage::setRandomHelpColours(bool on)
{
    helpLineColor_->setChecked(on);
}

} // namespace orvane
