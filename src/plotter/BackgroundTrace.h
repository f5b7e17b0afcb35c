// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlottedEntry.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

namespace orvane {

// One long trace on a worker thread. The worker evaluates with its own copy of the
// engine and draws into nothing but the entry it builds, so it touches neither a widget
// nor the program's engine; the entry comes back on the thread that made the job.
class BackgroundTrace : public QObject {
    Q_OBJECT
public:
    // Starts at once.
    BackgroundTrace(const engine::Engine& engine, quint64 id, QString text,
                    const PlotRecord& record, const TraceRequest& request,
                    QObject* parent = nullptr);
    ~BackgroundTrace() override;

    // Asks the worker to stop; it ends soon after and finished() is not sent.
    void cancel();
    bool isCancelled() const { return cancelled_.load(); }

signals:
    // The share done, in percent.
    void progress(int percent);
    // The trace ran to its end (not sent after cancel()).
    void finished(std::shared_ptr<const orvane::PlottedEntry> entry, orvane::TraceOutcome outcome);
    // The worker has ended, finished or cancelled.
    void ended();

private:
    std::atomic<bool> cancelled_{false};
    QThread* thread_ = nullptr;
};

// Traces with this many samples or more go to a worker thread; shorter ones take a
// moment and are drawn at once.
inline constexpr double BackgroundTraceSamples = 100'000;

} // namespace orvane
