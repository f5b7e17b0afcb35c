// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace orvane {

struct Services;

// The program's help: the HTML pages shown in a window of our own. Links inside the
// help move within it; links to the web go to the desktop's browser, and when the
// desktop has none the address is shown instead.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(Services& services, const QString& indexPath, QWidget* owner);

    QTextBrowser* browser() const { return browser_; }

private:
    void follow(const QUrl& link);

    Services& services_;
    QTextBrowser* browser_;
};

// Shows an address that could not be opened, so that it can be typed into a browser.
void showUnopenedAddress(Services& services, QWidget* owner, const QString& address);

} // namespace orvane
