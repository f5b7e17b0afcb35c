// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewRetracer.h"

#include <QThread>
#include <QThreadPool>

namespace orvane {

ViewRetracer::~ViewRetracer()
{
    cancel();
    // A task about to report to this object has not finished yet; cancelled tasks end
    // within a few evaluations.
    while (running_->load() > 0)
        QThread::msleep(1);
}

void ViewRetracer::cancel()
{
    if (job_) job_->cancel.store(true);
}

bool ViewRetracer::isRunning() const
{
    return job_ && !job_->cancel.load() && job_->left.load() > 0;
}

void ViewRetracer::start(const std::vector<PadOperationPtr>& picture, const PlotView& view,
                         PixelArea area)
{
    cancel();
    std::vector<PadOperationPtr> needed;
    for (const PadOperationPtr& op : picture)
        if (op->needsTraceFor(view, area)) needed.push_back(op);
    if (needed.empty()) return;
    // The tasks of an earlier job may still be winding down; they keep their own job.
    auto job = std::make_shared<Job>();
    job->left = int(needed.size());
    job_ = job;
    for (const PadOperationPtr& op : needed) {
        ++*running_;
        QThreadPool::globalInstance()->start([this, job, running = running_, op, view, area] {
            if (!job->cancel.load()) op->prepareTrace(view, area, &job->cancel);
            if (--job->left == 0 && !job->cancel.load())
                QMetaObject::invokeMethod(
                    this,
                    [this, job] {
                        if (job == job_ && !job->cancel.load()) emit ready();
                    },
                    Qt::QueuedConnection);
            --*running;
        });
    }
}

} // namespace orvane
