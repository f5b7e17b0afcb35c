// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "Services.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvane {

HelpWindow::HelpWindow(Services& services, const QString& indexPath, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      services_(services), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("帮助主题"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Every link comes here first: the browser alone would try to show a web page.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    browser_->setSource(QUrl::fromLocalFile(indexPath));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(720, 560);
}

void HelpWindow::follow(const QUrl& link)
{
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile() || target.scheme() == QLatin1String("qrc")) {
        browser_->setSource(target);
        return;
    }
    const QString address = target.toString();
    if (!services_.environment.openDocument(address)) showUnopenedAddress(services_, this, address);
}

void showUnopenedAddress(Services& services, QWidget* owner, const QString& address)
{
    services.dialogs.inform(
        owner, QStringLiteral("没有可以打开网址的程序，请在浏览器中打开：\r") + address,
        MessageIcon::Information);
}

} // namespace orvane
