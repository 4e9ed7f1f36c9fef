#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <stop_token>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kst::jobs {

// Chosen by whoever submits the job; unique among the jobs of one queue.
using JobId = std::uint64_t;

// One worker per core.
unsigned defaultWorkerCount();

// Jobs run on worker threads, earliest submitted first unless promoted. Each
// result is handed to the delivery function on the worker that produced it.
// A job's failures belong in its Result: a job must not throw.
template <class Result>
class JobQueue {
public:
    // A long job may look at the token and stop early once cancelled.
    using Work = std::function<Result(std::stop_token)>;
    // Called with the queue's lock held, so that no result of a cancelled job
    // comes after cancel() returns: keep it short and do not call the queue.
    using Deliver = std::function<void(JobId, Result)>;

    explicit JobQueue(Deliver deliver, unsigned workers = defaultWorkerCount())
        : deliver_(std::move(deliver)), workerCount_(workers == 0 ? 1 : workers)
    {
    }
    ~JobQueue()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            dropAllLocked();
        }
        wake_.notify_all();
        workers_.clear();  // each jthread joins
    }
    JobQueue(const JobQueue&) = delete;
    JobQueue& operator=(const JobQueue&) = delete;

    void submit(JobId id, Work work)
    {
        {
            std::lock_guard lock(mutex_);
            const std::int64_t rank = ++lastRank_;
            queued_[id] = Queued{rank, std::move(work)};
            order_.emplace(rank, id);
            // Threads only once there is work: many queues never get any.
            if (workers_.size() < workerCount_ && workers_.size() < queued_.size() + busy_)
                workers_.emplace_back([this] { runJobs(); });
        }
        wake_.notify_one();
    }

    // The queued ones of these jobs run before every other, in this order.
    void promote(std::span<const JobId> ids)
    {
        std::lock_guard lock(mutex_);
        for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
            auto found = queued_.find(*id);
            if (found == queued_.end())
                continue;
            order_.erase(found->second.rank);
            found->second.rank = --firstRank_;
            order_.emplace(found->second.rank, *id);
        }
    }

    // A queued job never runs; a running one is asked to stop and its result is dropped.
    void cancel(JobId id)
    {
        std::lock_guard lock(mutex_);
        if (auto found = queued_.find(id); found != queued_.end()) {
            order_.erase(found->second.rank);
            queued_.erase(found);
        }
        if (auto found = running_.find(id); found != running_.end()) {
            found->second.request_stop();
            running_.erase(found);
        }
    }

    void cancelAll()
    {
        std::lock_guard lock(mutex_);
        dropAllLocked();
    }

    // Until no job is queued and every worker is done with its last one.
    void waitIdle()
    {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return queued_.empty() && busy_ == 0; });
    }

private:
    struct Queued {
        std::int64_t rank = 0;
        Work work;
    };

    void dropAllLocked()
    {
        queued_.clear();
        order_.clear();
        for (auto& [id, stop] : running_)
            stop.request_stop();
        running_.clear();
    }

    void runJobs()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || !order_.empty(); });
            if (stopping_)
                return;
            const auto [rank, id] = *order_.begin();
            order_.erase(order_.begin());
            Work job = std::move(queued_.at(id).work);
            queued_.erase(id);
            std::stop_source stop;
            running_.emplace(id, stop);
            ++busy_;
            lock.unlock();
            Result result = job(stop.get_token());
            lock.lock();
            --busy_;
            if (running_.erase(id) == 1)
                deliver_(id, std::move(result));
            if (queued_.empty() && busy_ == 0)
                idle_.notify_all();
        }
    }

    Deliver deliver_;
    const unsigned workerCount_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::unordered_map<JobId, Queued> queued_;
    std::map<std::int64_t, JobId> order_;  // by rank: the first one runs next
    std::unordered_map<JobId, std::stop_source> running_;
    std::int64_t firstRank_ = 0;
    std::int64_t lastRank_ = 0;
    std::size_t busy_ = 0;
    bool stopping_ = false;
    std::vector<std::jthread> workers_;  // last, so that they are joined first
};

}  // namespace kst::jobs
