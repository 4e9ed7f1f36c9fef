#include "cli/verify_command.h"

#include "cli/image_run.h"
#include "core/printable.h"
#include "core/texts.h"
#include "verify/verification.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>

namespace kst::cli {
namespace {

// A source's verdict, or why it has none.
struct Outcome {
    verify::Verification verification;
    std::exception_ptr failure;
};

// Verifies the sources on every core and hands each outcome to report in
// argument order, each as soon as it and those before it are there.
template <typename Report>
void verifyAll(const std::vector<Source>& sources, ArchiveSources& archives, const verify::DatIndex& index,
               Report report)
{
    std::vector<std::optional<Outcome>> outcomes(sources.size());
    std::mutex mutex;
    std::condition_variable arrived;
    std::mutex archive;  // one member is read at a time; files have no shared state
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
        for (std::size_t i; (i = next++) < sources.size();) {
            Outcome outcome;
            try {
                std::vector<std::uint8_t> image;
                if (sources[i].member) {
                    const std::lock_guard lock(archive);
                    image = archives.image(sources[i]);
                } else {
                    image = archives.image(sources[i]);
                }
                outcome.verification = index.verify(image);
            } catch (...) {
                outcome.failure = std::current_exception();
            }
            const std::lock_guard lock(mutex);
            outcomes[i] = std::move(outcome);
            arrived.notify_all();
        }
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::jthread> workers;
    for (std::size_t w = 0; w < std::min(cores, sources.size()); ++w)
        workers.emplace_back(work);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [&] { return outcomes[i].has_value(); });
        const Outcome outcome = std::move(*outcomes[i]);
        lock.unlock();
        report(sources[i], outcome);
    }
}

}  // namespace

int runVerify(const Options& options)
{
    std::optional<verify::DatIndex> index;
    try {
        index.emplace(verify::readDat(*options.dat));
    } catch (const verify::DatError& error) {
        throw UsageProblem{error.what()};
    }

    ImageRun run(options);
    bool failed = run.archiveFailed();
    std::vector<bool> had(index->games().size());
    verifyAll(run.sources(), run.archives(), *index, [&](const Source& source, const Outcome& outcome) {
        try {
            if (outcome.failure)
                std::rethrow_exception(outcome.failure);
        } catch (const std::exception& error) {
            reportFailure(source, error);
            failed = true;
            return;
        }
        const verify::Verification& result = outcome.verification;
        std::cout << escapeControls(source.shown) << '\t' << verify::verdictWord(result.verdict);
        if (result.verdict != verify::Verdict::Unknown) {
            std::cout << '\t' << escapeControls(result.game);
            had[result.gameIndex] = true;
        }
        std::cout << '\n';
        failed = failed || result.verdict == verify::Verdict::Unknown;
    });
    if (options.missing) {
        const std::vector<std::string>& games = index->games();
        for (std::size_t g = 0; g < games.size(); ++g)
            if (!had[g])
                std::cout << "missing\t" << escapeControls(games[g]) << '\n';
        std::cout << "have " << std::count(had.begin(), had.end(), true) << " of " << games.size() << '\n';
    }
    return failed ? SomeFileFailed : Success;
}

}  // namespace kst::cli
