// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometryWindow.h"

#include "FlatButton.h"
#include "QtText.h"
#include "ResultBox.h"
#include "Services.h"
#include "TabLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QStackedLayout>
#include <QSvgRenderer>
#include <QVBoxLayout>

// The window's icon lives in a static library: register it before first use.
static QIcon geometryWindowIcon()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(geometry);
        return true;
    }();
    Q_UNUSED(registered);
    QSvgRenderer renderer(QStringLiteral(":/geometry/geometry_icon_2003.svg"));
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace orvane {

namespace {

// Twelve characters fit in a box: 1000000000 and sqr(2)/3 show whole.
constexpr int BoxCharacters = 12;
// Room for a report and its worked steps without scrolling.
constexpr int ResultHeight = 330;

// One piece of an input row: a fixed text or a control.
struct Piece {
    Piece(const char* text) : text(QString::fromUtf8(text)) {}
    Piece(QWidget* widget) : widget(widget) {}
    QString text;
    QWidget* widget = nullptr;
};

// A row that reads as an equation: "直线L:" [a] "x+" [b] "y+" [c] "=0".
QHBoxLayout* row(std::initializer_list<Piece> pieces)
{
    auto* layout = new QHBoxLayout;
    layout->setSpacing(2);
    for (const Piece& piece : pieces) {
        if (piece.widget)
            layout->addWidget(piece.widget);
        else
            layout->addWidget(new QLabel(piece.text));
    }
    layout->addStretch();
    return layout;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
    auto* layout = new QHBoxLayout;
    layout->addStretch();
    for (QWidget* button : buttons)
        layout->addWidget(button);
    return layout;
}

std::string textOf(const QLineEdit* box)
{
    return toStdString(box->text());
}

} // namespace

GeometryWindow::GeometryWindow(Services& services, QWidget* owner)
    : QWidget(owner, Qt::Tool), engine_(services.engine)
{
    setObjectName(QStringLiteral("fCountPanel"));
    setWindowTitle(QStringLiteral("Orvane-几何运算"));
    setWindowIcon(geometryWindowIcon());

    auto* layout = new QVBoxLayout(this);
    buildTabs();
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    for (TabLabel* label : LabelCount_)
        tabs->addWidget(label);
    layout->addLayout(tabs);

    // One page on show at a time; the stack keeps the window as large as the largest.
    pages_ = new QStackedLayout;
    pages_->addWidget(buildTwoPointsPage());
    pages_->addWidget(buildPointLinePage());
    pages_->addWidget(buildTwoLinesPage());
    pages_->addWidget(buildLineCurvePage());
    pages_->addWidget(buildPointCurvePage());
    pages_->addWidget(buildTwoCirclesPage());
    layout->addLayout(pages_);

    chkSteps_ = new QCheckBox(QStringLiteral("详细步骤"), this);
    chkSteps_->setObjectName(QStringLiteral("chkSteps"));
    chkSteps_->setChecked(true);
    connect(chkSteps_, &QCheckBox::toggled, this, [this](bool shown) {
        showSolution();
        emit stepsShownChanged(shown);
    });
    layout->addWidget(chkSteps_);

    txtOuter_ = new ResultBox(this);
    txtOuter_->setObjectName(QStringLiteral("txtOuter"));
    txtOuter_->setText(QStringLiteral("结果输出："));
    txtOuter_->setMinimumHeight(ResultHeight);
    layout->addWidget(txtOuter_);

    bindKeys();
    showGeometryPage(0);
}

void GeometryWindow::bindPageKeys(int page, std::initializer_list<QLineEdit*> boxes,
                                  void (GeometryWindow::*command)())
{
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (QLineEdit* box : boxes) {
        connect(box, &QLineEdit::returnPressed, this, command);
        chain(box);
    }
    for (FlatButton* button : TabCount_[page]->findChildren<FlatButton*>())
        chain(button);
    chain(txtOuter_);
    chain(chkSteps_);
}

void GeometryWindow::bindKeys()
{
    const auto& v = iValue_;
    bindPageKeys(0, {txtTwoX_[0], txtTwoY_[0], txtTwoX_[1], txtTwoY_[1]},
                 &GeometryWindow::reportTwoPoints);
    bindPageKeys(1, {txtDX2_, TxtDY2_, txtLi_[0], txtLi_[1], txtLi_[2]},
                 &GeometryWindow::reportPointToLine);
    bindPageKeys(2, {a1_, b1_, c1_, a2_, b2_, c2_}, &GeometryWindow::reportTwoLines);
    // The curve's row comes first on its page.
    bindPageKeys(3, {v[3], v[4], v[5], v[6], v[7], v[8], v[0], v[1], v[2]},
                 &GeometryWindow::reportLineAndCurve);
    const auto& p = txtPC_;
    bindPageKeys(4, {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]},
                 &GeometryWindow::reportPointAndCurve);
    const auto& c = txtCircle_;
    bindPageKeys(5, {c[0], c[1], c[2], c[3], c[4], c[5]}, &GeometryWindow::reportTwoCircles);
    // The report box passes Tab on instead of taking it as text.
    txtOuter_->setTabChangesFocus(true);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void GeometryWindow::showGeometryPage(int index)
{
    if (index < 0 || index >= PageCount) return;
    for (TabLabel* label : LabelCount_)
        label->setSelected(false);
    pages_->setCurrentWidget(TabCount_[index]); // hides the others
    LabelCount_[index]->show();
    LabelCount_[index]->setSelected(true);
    currentPage_ = index;
}

void GeometryWindow::buildTabs()
{
    const char* captions[PageCount] = {"两点距离",           "点与直线关系",     "两直线位置关系",
                                       "直线与曲线位置关系", "点与曲线位置关系", "两圆位置关系"};
    for (int i = 0; i < PageCount; ++i) {
        auto* label = new TabLabel(QString::fromUtf8(captions[i]), this);
        label->setObjectName(QStringLiteral("LabelCount_%1").arg(i));
        connect(label, &TabLabel::clicked, this, [this, i] { showGeometryPage(i); });
        LabelCount_[i] = label;
    }
}

QGroupBox* GeometryWindow::buildPage(int index, std::initializer_list<QHBoxLayout*> rows)
{
    const char* captions[PageCount] = {"两点距离",           "点与直线关系",
                                       "直线与直线位置关系", "直线与曲线位置关系",
                                       "点与曲线位置关系",   "圆与圆位置关系"};
    auto* page = new QGroupBox(QString::fromUtf8(captions[index]));
    page->setObjectName(QStringLiteral("TabCount_%1").arg(index));
    auto* layout = new QVBoxLayout(page);
    for (QHBoxLayout* r : rows)
        layout->addLayout(r);
    layout->addStretch();
    TabCount_[index] = page;
    return page;
}

QLineEdit* GeometryWindow::box(const QString& name, const QString& defaultText)
{
    auto* edit = new QLineEdit(defaultText);
    edit->setObjectName(name);
    const QFontMetrics metrics = edit->fontMetrics();
    // The frame and the text margins come on top of the characters.
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * BoxCharacters +
                        metrics.averageCharWidth() * 2);
    return edit;
}

FlatButton* GeometryWindow::button(const QString& name, const QString& caption)
{
    auto* b = new FlatButton;
    b->setObjectName(name);
    b->setCaption(caption);
    return b;
}

QGroupBox* GeometryWindow::buildTwoPointsPage()
{
    const char* defaults[2][2] = {{"0", "0"}, {"1", "2"}};
    for (int i = 0; i < 2; ++i) {
        txtTwoX_[i] = box(QStringLiteral("txtTwoX_%1").arg(i), QString::fromUtf8(defaults[i][0]));
        txtTwoY_[i] = box(QStringLiteral("txtTwoY_%1").arg(i), QString::fromUtf8(defaults[i][1]));
    }
    FlatButton* cmdDotToDot = button(QStringLiteral("cmdDotToDot"), QStringLiteral("两点距离"));
    connect(cmdDotToDot, &FlatButton::Click, this, &GeometryWindow::reportTwoPoints);
    return buildPage(0,
                     {row({"点A(", txtTwoX_[0], ",", txtTwoY_[0], ")"}),
                      row({"点B(", txtTwoX_[1], ",", txtTwoY_[1], ")"}), buttonRow({cmdDotToDot})});
}

QGroupBox* GeometryWindow::buildPointLinePage()
{
    txtDX2_ = box(QStringLiteral("txtDX_2"), QStringLiteral("1"));
    TxtDY2_ = box(QStringLiteral("TxtDY_2"), QStringLiteral("1"));
    for (int i = 0; i < 3; ++i)
        txtLi_[i] = box(QStringLiteral("txtLi_%1").arg(i), QStringLiteral("1"));
    FlatButton* cmdDotToLine = button(QStringLiteral("cmdDotToLine"), QStringLiteral("确定"));
    connect(cmdDotToLine, &FlatButton::Click, this, &GeometryWindow::reportPointToLine);
    return buildPage(1, {row({"点A(", txtDX2_, ",", TxtDY2_, ")"}),
                         row({"直线L:", txtLi_[0], "x+", txtLi_[1], "y+", txtLi_[2], "=0"}),
                         buttonRow({cmdDotToLine})});
}

QGroupBox* GeometryWindow::buildTwoLinesPage()
{
    a1_ = box(QStringLiteral("a1"), QStringLiteral("1"));
    b1_ = box(QStringLiteral("b1"), QStringLiteral("2"));
    c1_ = box(QStringLiteral("c1"), QStringLiteral("1"));
    a2_ = box(QStringLiteral("a2"), QStringLiteral("1"));
    b2_ = box(QStringLiteral("b2"), QStringLiteral("1"));
    c2_ = box(QStringLiteral("c2"), QStringLiteral("1"));
    FlatButton* cmdLineToLine = button(QStringLiteral("cmdLineToLine"), QStringLiteral("确定"));
    FlatButton* cmdLineToLineClean =
        button(QStringLiteral("cmdLineToLineClean"), QStringLiteral("清空"));
    connect(cmdLineToLine, &FlatButton::Click, this, &GeometryWindow::reportTwoLines);
    connect(cmdLineToLineClean, &FlatButton::Click, this, &GeometryWindow::clearTwoLines);
    return buildPage(2, {row({"直线L1：", a1_, "x+", b1_, "y+", c1_, "=0"}),
                         row({"直线L2：", a2_, "x+", b2_, "y+", c2_, "=0"}),
                         buttonRow({cmdLineToLine, cmdLineToLineClean})});
}

QGroupBox* GeometryWindow::buildLineCurvePage()
{
    const char* defaults[9] = {"1", "-1", "1", "9", "16", "0", "0", "0", "-144"};
    for (int i = 0; i < 9; ++i)
        iValue_[i] = box(QStringLiteral("iValue_%1").arg(i), QString::fromUtf8(defaults[i]));
    FlatButton* StartCounts = button(QStringLiteral("StartCounts"), QStringLiteral("确定"));
    connect(StartCounts, &FlatButton::Click, this, &GeometryWindow::reportLineAndCurve);
    const auto& v = iValue_;
    return buildPage(3, {row({"曲线C:", v[3], "x^2+", v[4], "y^2+", v[5], "x+", v[6], "y+", v[7],
                              "xy+", v[8], "=0"}),
                         row({"直线l:", v[0], "x+", v[1], "y+", v[2], "=0"}),
                         buttonRow({StartCounts})});
}

QGroupBox* GeometryWindow::buildPointCurvePage()
{
    const char* defaults[8] = {"2", "2", "1", "1", "0", "0", "0", "-4"};
    for (int i = 0; i < 8; ++i)
        txtPC_[i] = box(QStringLiteral("txtPC_%1").arg(i), QString::fromUtf8(defaults[i]));
    FlatButton* cmdPointCurve = button(QStringLiteral("cmdPointCurve"), QStringLiteral("确定"));
    connect(cmdPointCurve, &FlatButton::Click, this, &GeometryWindow::reportPointAndCurve);
    const auto& p = txtPC_;
    return buildPage(4, {row({"曲线C:", p[2], "x^2+", p[3], "y^2+", p[4], "x+", p[5], "y+", p[6],
                              "xy+", p[7], "=0"}),
                         row({"点P(", p[0], ",", p[1], ")"}), buttonRow({cmdPointCurve})});
}

QGroupBox* GeometryWindow::buildTwoCirclesPage()
{
    const char* defaults[6] = {"0", "0", "2", "1", "1", "2"};
    for (int i = 0; i < 6; ++i)
        txtCircle_[i] = box(QStringLiteral("txtCircle_%1").arg(i), QString::fromUtf8(defaults[i]));
    FlatButton* cmdTwoCircles = button(QStringLiteral("cmdTwoCircles"), QStringLiteral("确定"));
    connect(cmdTwoCircles, &FlatButton::Click, this, &GeometryWindow::reportTwoCircles);
    const auto& c = txtCircle_;
    return buildPage(5, {row({"圆C₁：圆心(", c[0], ",", c[1], ")，半径", c[2]}),
                         row({"圆C₂：圆心(", c[3], ",", c[4], ")，半径", c[5]}),
                         buttonRow({cmdTwoCircles})});
}

void GeometryWindow::setStepsShown(bool shown)
{
    chkSteps_->setChecked(shown);
}

bool GeometryWindow::stepsShown() const
{
    return chkSteps_->isChecked();
}

void GeometryWindow::solve(geometry::Problem problem, std::initializer_list<QLineEdit*> boxes)
{
    std::vector<std::string> texts;
    for (const QLineEdit* edit : boxes)
        texts.push_back(textOf(edit));
    solution_ = geometry::solveProblem(engine_, problem, texts, lineCurve_);
    showSolution();
}

void GeometryWindow::showSolution()
{
    if (!solution_) return;
    txtOuter_->setText(toQString(geometry::solutionText(*solution_, stepsShown())));
}

void GeometryWindow::reportTwoPoints()
{
    solve(geometry::Problem::TwoPoints, {txtTwoX_[0], txtTwoY_[0], txtTwoX_[1], txtTwoY_[1]});
}

void GeometryWindow::reportPointToLine()
{
    solve(geometry::Problem::PointLine, {txtDX2_, TxtDY2_, txtLi_[0], txtLi_[1], txtLi_[2]});
}

void GeometryWindow::reportTwoLines()
{
    solve(geometry::Problem::TwoLines, {a1_, b1_, c1_, a2_, b2_, c2_});
}

void GeometryWindow::clearTwoLines()
{
    for (QLineEdit* edit : {a1_, a2_, b1_, b2_, c1_, c2_})
        edit->clear();
}

void GeometryWindow::reportLineAndCurve()
{
    // An empty box counts as 0, and says so.
    for (QLineEdit* edit : iValue_)
        if (edit->text().isEmpty()) edit->setText(QStringLiteral("0"));
    const auto& v = iValue_;
    solve(geometry::Problem::LineCurve, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
}

void GeometryWindow::reportPointAndCurve()
{
    const auto& p = txtPC_;
    solve(geometry::Problem::PointCurve, {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]});
}

void GeometryWindow::reportTwoCircles()
{
    const auto& c = txtCircle_;
    solve(geometry::Problem::TwoCircles, {c[0], c[1], c[2], c[3], c[4], c[5]});
}

} // namespace orvane
