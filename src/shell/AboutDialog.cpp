// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include "HelpWindow.h"
#include "Services.h"
#include "ShellLook.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace orvane {

const QString MakerAddress = QStringLiteral("https://orvane.example.org/");

const QString LicenceNotice = QStringLiteral(
    "Orvane 3.0 Final\n"
    "Copyright © 2026 The Orvane developers\n"
    "SPDX-License-Identifier: GPL-3.0-or-later\n"
    "\n"
    "本程序是自由软件：您可以依据自由软件基金会发布的 GNU 通用公共许可证第 3 版，"
    "或（由您选择）任何更新的版本，再分发和/或修改本程序。\n"
    "发布本程序是希望它有用，但不提供任何担保，亦无对适销性或特定用途适用性的默示担保。"
    "详情请见 GNU 通用公共许可证。\n"
    "\n"
    "This program is free software: you can redistribute it and/or modify it under the "
    "terms of the GNU General Public License as published by the Free Software "
    "Foundation, either version 3 of the License, or (at your option) any later "
    "version.\n"
    "This program is distributed in the hope that it will be useful, but WITHOUT ANY "
    "WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A "
    "PARTICULAR PURPOSE. See the GNU General Public License for more details: "
    "https://www.gnu.org/licenses/gpl-3.0.html\n");

namespace {

// A label that acts as a web link: it takes its own clicks instead of passing them to
// the box, which would close.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 255));
        setPalette(p);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (rect().contains(event->position().toPoint())) onClick_();
    }

private:
    std::function<void()> onClick_;
};

QFrame* line(const char* name, QWidget* parent)
{
    auto* l = new QFrame(parent);
    l->setObjectName(QLatin1String(name));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

QFont fontOf(const QStringList& families, int pointSize, QFont::StyleHint hint)
{
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(hint);
    f.setPointSize(pointSize);
    return f;
}

} // namespace

AboutDialog::AboutDialog(Services& services, QWidget* owner) : QDialog(owner, SmallWindowFlags)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("关于"));
    // The program's sign is the application's icon, which the window also shows.

    auto* picSign = new QLabel(this);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setPixmap(QApplication::windowIcon().pixmap(64, 64));

    auto* lblTitle = new QLabel(QStringLiteral("Orvane 3.0 Final"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(
        fontOf({QStringLiteral("Times New Roman"), QStringLiteral("serif")}, 20, QFont::Serif));

    auto* lblDescription = new QLabel(QStringLiteral("奥维恩"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setFont(
        fontOf({QStringLiteral("宋体"), QStringLiteral("SimSun")}, 14, QFont::AnyStyle));

    auto* Label1 = new LinkLabel(
        MakerAddress,
        [this, &services] {
            if (!services.environment.openDocument(MakerAddress))
                showUnopenedAddress(services, this, MakerAddress);
        },
        this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* heading = new QHBoxLayout;
    heading->addWidget(picSign);
    heading->addSpacing(12);
    auto* titles = new QVBoxLayout;
    titles->addWidget(lblTitle);
    titles->addWidget(lblDescription);
    heading->addLayout(titles, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(heading);
    layout->addWidget(line("Line1", this));
    layout->addWidget(Label1, 0, Qt::AlignLeft);
    layout->addWidget(line("Line2", this));

    // Read-only but selectable; it takes its own clicks, so selecting text keeps the box.
    auto* licence = new QPlainTextEdit(LicenceNotice, this);
    licence->setObjectName(QStringLiteral("txtLicence"));
    licence->setReadOnly(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(licence, 1);
    setFixedSize(460, 360);
}

void AboutDialog::mousePressEvent(QMouseEvent* event)
{
    // Taken here so that the release, where the box closes, comes here too.
    event->accept();
}

void AboutDialog::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

} // namespace orvane
