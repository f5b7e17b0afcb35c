#pragma once

class QWidget;

namespace orvane {

// Window managers such as Openbox keep a tool window above its owner only when the
// owner was already on screen when the tool window appeared. A tool window shown
// before its owner is therefore shown afresh each time the owner appears.
void keepAboveOwner(QWidget* toolWindow);

} // namespace orvane
