// SPDX-License-Identifier: GPL-3.0-or-later
// A window with every look of the controls, for looking at them on a real screen:
//   controls_gallery [--shot FILE]   (--shot saves the window's image and quits)
#include "ControlResources.h"
#include "FlatButton.h"
#include "GoldButton.h"
#include "TabStrip.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

using namespace orvane;

namespace {

// A small tool icon drawn on the spot, so the gallery needs no other resources.
QIcon sampleIcon(int kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 60, 140), 1.5));
    if (kind == 0)
        painter.drawLine(QPointF(3, 13), QPointF(13, 3));
    else
        painter.drawEllipse(QRectF(3, 3, 10, 10));
    return QIcon(pixmap);
}

QWidget* goldButtons()
{
    auto* box = new QGroupBox(QStringLiteral("GoldButton"));
    auto* grid = new QGridLayout(box);
    struct Look {
        const char* caption;
        int onUp;
        bool enabled;
        int alignment;
    };
    const Look looks[] = {
        {"确定", 0, true, 2},      {"凸起 5", 5, true, 2},
        {"凹陷 10", 10, true, 2},  {"蚀刻 6", 6, true, 2},
        {"凸块 9", 9, true, 2},    {"禁用", 0, false, 2},
        {"当前模式", 8, false, 2}, {"右对齐", 4, true, 1},
        {"左对齐", 4, true, 0},    {"一个很长很长的标题", 4, true, 2},
    };
    int i = 0;
    for (const Look& look : looks) {
        auto* button = new GoldButton;
        button->setCaption(QString::fromUtf8(look.caption));
        button->setOnUp(look.onUp);
        button->setOnOnHover(EdgeRaised);
        button->setOnOnDown(EdgeSunken);
        button->setAlignment(look.alignment);
        button->setEnabled(look.enabled);
        button->setFixedSize(button->sizeHint());
        grid->addWidget(button, i / 5, i % 5);
        ++i;
    }
    for (int k = 0; k < 2; ++k) {
        auto* tool = new GoldButton;
        tool->setCaption(QString());
        tool->setPicture(sampleIcon(k));
        tool->setOnUp(k == 0 ? EdgeSunkenInner : EdgeNone);
        tool->setEnabled(k != 0);
        tool->setOnOnHover(EdgeRaisedInner);
        tool->setOnOnDown(EdgeSunkenOuter);
        tool->setFixedSize(24, 24);
        grid->addWidget(tool, 2, k);
    }
    return box;
}

QWidget* pictureButtons()
{
    auto* box = new QGroupBox(QStringLiteral("myButton"));
    auto* row = new QHBoxLayout(box);
    for (const char* caption : {"开始作图", "删除", "全部重画", "清空列表"}) {
        auto* button = new FlatButton(QString::fromUtf8(caption));
        button->setFixedSize(80, 26);
        row->addWidget(button);
    }
    auto* disabled = new FlatButton(QStringLiteral("删除"));
    disabled->setEnabled(false);
    disabled->setFixedSize(80, 26);
    row->addWidget(disabled);
    return box;
}

QWidget* tabStrip()
{
    auto* box = new QGroupBox(QStringLiteral("myTAB"));
    auto* row = new QHBoxLayout(box);
    row->setSpacing(0);
    const char* captions[] = {"一般函数", "圆锥函数", "设置座标", "计算工具", "常数"};
    for (int i = 0; i < 5; ++i) {
        auto* tab = new TabStrip(QString::fromUtf8(captions[i]));
        tab->setEnabled(i == 2);
        tab->setFixedSize(72, 24);
        row->addWidget(tab);
    }
    row->addStretch();
    return box;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvane controls"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(goldButtons());
    layout->addWidget(pictureButtons());
    layout->addWidget(tabStrip());
    window.show();

    const QStringList args = app.arguments();
    const int shot = args.indexOf(QStringLiteral("--shot"));
    if (shot > 0 && shot + 1 < args.size()) {
        QTimer::singleShot(200, &app, [&] {
            window.grab().save(args.at(shot + 1));
            app.quit();
        });
    }
    return app.exec();
}
