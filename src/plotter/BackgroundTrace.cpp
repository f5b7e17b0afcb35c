// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundTrace.h"

#include <QThread>

namespace orvane {

BackgroundTrace::BackgroundTrace(const engine::Engine& engine, quint64 id, QString text,
                                 const PlotRecord& record, const TraceRequest& request,
                                 QObject* parent)
    : QObject(parent)
{
    TraceRequest job = request;
    job.cancel = &cancelled_;
    int lastPercent = -1;
    job.progress = [this, lastPercent](double done) mutable {
        const int percent = int(done * 100);
        if (percent == lastPercent) return;
        lastPercent = percent;
        // Queued to the receivers on the interface thread.
        emit progress(percent);
    };
    thread_ = QThread::create([this, worker = engine, id, text, record, job]() mutable {
        TraceOutcome outcome = TraceOutcome::Traced;
        auto entry = PlottedEntry::traceCurve(id, text, record, worker, job, &outcome);
        if (outcome == TraceOutcome::Cancelled || cancelled_.load()) return;
        QMetaObject::invokeMethod(
            this,
            [this, entry, outcome] {
                if (!cancelled_.load()) emit finished(entry, outcome);
            },
            Qt::QueuedConnection);
    });
    connect(thread_, &QThread::finished, this, &BackgroundTrace::ended);
    thread_->start();
}

BackgroundTrace::~BackgroundTrace()
{
    cancel();
    thread_->wait();
    delete thread_;
}

void BackgroundTrace::cancel()
{
    cancelled_.store(true);
}

} // namespace orvane
