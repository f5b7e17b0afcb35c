#include "ToolWindowStacking.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace orvane {

namespace {

class OwnerWatcher : public QObject {
public:
    explicit OwnerWatcher(QWidget* toolWindow) : QObject(toolWindow), tool_(toolWindow) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && tool_ && tool_->isVisible()) {
            // After the owner's own show has been handled.
            QTimer::singleShot(0, tool_, [tool = tool_] {
                if (tool && tool->isVisible()) {
                    tool->hide();
                    tool->show();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> tool_;
};

} // namespace

void keepAboveOwner(QWidget* toolWindow)
{
    if (QWidget* owner = toolWindow->parentWidget())
        owner->installEventFilter(new OwnerWatcher(toolWindow));
}

} // namespace orvane
