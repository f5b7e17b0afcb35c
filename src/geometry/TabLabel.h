// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace orvane {

// One of the page labels across the top of the geometry window: a caption on a blue
// ground that selects its page when clicked. The selected one is drawn in yellow with a
// raised border.
class TabLabel : public QLabel {
    Q_OBJECT
    // 0 unselected, 1 selected.
    Q_PROPERTY(int styleValue READ styleValue)
public:
    explicit TabLabel(const QString& caption, QWidget* parent = nullptr);

    void setSelected(bool selected);
    int styleValue() const { return selected_ ? 1 : 0; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool selected_ = false;
};

} // namespace orvane
