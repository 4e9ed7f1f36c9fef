#include "jobs/job_queue.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

namespace kst::jobs {
namespace {

TEST(JobQueueTest, PromotedJobsRunFirstAndCancelledOnesNever)
{
    std::vector<JobId> delivered;
    JobQueue<JobId> queue([&](JobId, JobId result) { delivered.push_back(result); }, 1);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> firstRunning;
    queue.submit(1, [&](std::stop_token) -> JobId {
        firstRunning.set_value();
        released.wait();
        return 1;
    });
    firstRunning.get_future().wait();  // the one worker is busy with job 1 until released
    for (JobId id : {2, 3, 4, 5})
        queue.submit(id, [id](std::stop_token) { return id; });
    const std::vector<JobId> first{4, 5};
    queue.promote(first);
    queue.cancel(3);
    release.set_value();
    queue.waitIdle();
    EXPECT_EQ(delivered, (std::vector<JobId>{1, 4, 5, 2}));
}

TEST(JobQueueTest, ARunningJobThatIsCancelledIsToldAndDeliversNothing)
{
    int deliveries = 0;
    JobQueue<bool> queue([&](JobId, bool) { ++deliveries; }, 1);
    std::promise<void> running;
    std::promise<bool> sawStop;
    queue.submit(1, [&](std::stop_token stop) {
        running.set_value();
        while (!stop.stop_requested()) {
        }
        sawStop.set_value(true);
        return true;
    });
    running.get_future().wait();
    queue.cancel(1);
    EXPECT_TRUE(sawStop.get_future().get());
    queue.waitIdle();
    EXPECT_EQ(deliveries, 0);
}

}  // namespace
}  // namespace kst::jobs
