// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadDocument.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <vector>

namespace orvane {

// Traces the curves of a picture again for a new view, on worker threads (each curve
// with its own engine), while the pad shows the traces it has. A newer start() or
// cancel() stops the traces still running; their results are not waited for.
class ViewRetracer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ViewRetracer() override;

    // Starts the traces that the picture needs for the view; nothing when none does.
    void start(const std::vector<PadOperationPtr>& picture, const PlotView& view, PixelArea area);
    void cancel();
    bool isRunning() const;

signals:
    // Every trace of the latest start() is done: painting the picture now shows them.
    void ready();

private:
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<int> left{0}; // traces not yet done
    };
    std::shared_ptr<Job> job_;
    // Tasks of any job that may still report to this object.
    std::shared_ptr<std::atomic<int>> running_ = std::make_shared<std::atomic<int>>(0);
};

} // namespace orvane
