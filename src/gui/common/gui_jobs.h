#pragma once

#include "jobs/job_queue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

#include <functional>
#include <span>
#include <unordered_set>
#include <utility>

namespace kst {

// A job queue whose results arrive on the GUI thread, each through the event
// loop: the window stays responsive while the workers run. A result that
// arrives after its job was cancelled is dropped, so only results of jobs
// still wanted reach receive. Counts the jobs of the current run for a gauge;
// a run ends when every job submitted has ended or was cancelled.
template <class Result>
class GuiJobs {
public:
    using Receive = std::function<void(jobs::JobId, Result)>;

    explicit GuiJobs(Receive receive, unsigned workers = jobs::defaultWorkerCount())
        : receive_(std::move(receive)), queue_([this](jobs::JobId id, Result result) { post(id, std::move(result)); },
                                               workers)
    {
    }

    void submit(jobs::JobId id, typename jobs::JobQueue<Result>::Work work)
    {
        outstanding_.insert(id);
        ++total_;
        queue_.submit(id, std::move(work));
    }
    void promote(std::span<const jobs::JobId> ids) { queue_.promote(ids); }
    void cancel(jobs::JobId id)
    {
        queue_.cancel(id);
        if (outstanding_.erase(id) == 1)
            ended();
    }
    void cancelAll()
    {
        queue_.cancelAll();
        outstanding_.clear();
        done_ = total_ = 0;
    }

    bool running() const { return !outstanding_.empty(); }
    bool wanted(jobs::JobId id) const { return outstanding_.contains(id); }
    // Jobs ended and jobs submitted in the current run.
    int done() const { return done_; }
    int total() const { return total_; }

    // Waits for the workers; their results stay on their way.
    void waitForWorkers() { queue_.waitIdle(); }
    // Waits for the workers and hands every result over now, without
    // running the event loop (for tests and benchmarks).
    void finish()
    {
        queue_.waitIdle();
        QCoreApplication::sendPostedEvents(&context_, QEvent::MetaCall);
    }

private:
    void post(jobs::JobId id, Result result)
    {
        QMetaObject::invokeMethod(
            &context_, [this, id, result = std::move(result)]() mutable { arrive(id, std::move(result)); },
            Qt::QueuedConnection);
    }
    void arrive(jobs::JobId id, Result result)
    {
        if (outstanding_.erase(id) == 0)
            return;
        ended();
        receive_(id, std::move(result));
    }
    void ended()
    {
        ++done_;
        if (outstanding_.empty())
            done_ = total_ = 0;
    }

    QObject context_;  // in the GUI thread; queued results die with it
    Receive receive_;
    std::unordered_set<jobs::JobId> outstanding_;
    int done_ = 0;
    int total_ = 0;
    jobs::JobQueue<Result> queue_;  // last, so that its workers stop first
};

}  // namespace kst
