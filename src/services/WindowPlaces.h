// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>

class QWidget;

namespace orvane {

// Where the windows owned by one window open: over the middle of the owner the first
// time, where the user left them (by their object names) afterwards, and always inside
// the available area of the owner's screen.
class WindowPlaces : public QObject {
public:
    // The places of `owner`'s windows, kept as long as the owner lives.
    static WindowPlaces& of(QWidget* owner);
    // Moves `window` (not yet shown) to its place; a window that gave itself no size
    // first takes the size of its layout.
    void place(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowPlaces(QWidget* owner);
    QWidget* owner_;
    QHash<QString, QPoint> last_;
};

} // namespace orvane
