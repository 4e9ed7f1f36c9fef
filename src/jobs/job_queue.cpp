#include "jobs/job_queue.h"

#include <thread>

namespace kst::jobs {

unsigned defaultWorkerCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

}  // namespace kst::jobs
