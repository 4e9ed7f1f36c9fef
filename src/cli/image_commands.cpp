#include "cli/image_commands.h"

#include "cli/image_run.h"
#include "core/kilobytes.h"
#include "core/latin1.h"
#include "core/printable.h"
#include "core/texts.h"
#include "jobs/job_queue.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "romheader/header.h"
#include "romops/exithack_removal.h"
#include "romops/internal_name.h"
#include "romops/pipeline.h"
#include "romops/save_type.h"

#include <condition_variable>
#include <iostream>
#include <mutex>
#include <optional>
#include <variant>

namespace kst::cli {
namespace {

// What info prints of a source: its header, and the save library it links,
// which takes the whole image. A file is read through one open, read-only, on
// a worker; a member is inflated into memory, within the size limit.
struct SourceInfo {
    RomHeader header;
    std::string save;
};

// A member's info, read through the archive.
SourceInfo memberInfo(const Source& source, ArchiveSources& archives)
{
    const std::vector<std::uint8_t> image = archives.image(source);
    if (image.size() < header::MinimumSize)
        throw FileError(source.shown, tr(texts::ReadBeyondEnd));  // as reading such a file says
    return {parseHeader(image, image.size()), ops::findSaveType(image).identifier};
}

// The files' infos are read on the workers, while the lines follow in the
// order of the arguments; members are read here, through the one archive reader.
class ParallelInfos {
public:
    explicit ParallelInfos(const std::vector<Source>& sources)
        : results_(sources.size()), queue_([this](jobs::JobId id, Outcome outcome) {
              {
                  std::lock_guard lock(mutex_);
                  results_[id] = std::move(outcome);
              }
              arrived_.notify_all();
          })
    {
        for (std::size_t i = 0; i < sources.size(); ++i) {
            if (sources[i].member)
                continue;
            queue_.submit(i, [&source = sources[i]](std::stop_token) -> Outcome {
                try {
                    RomFile rom(source.path, RomFile::Access::ReadOnly);
                    RomHeader header = readheader(rom);
                    return SourceInfo{header, ops::scanSaveType(rom).identifier};
                } catch (...) {
                    return std::current_exception();
                }
            });
        }
    }

    // The info of source i, once its job has ended; throws what reading it threw.
    SourceInfo take(std::size_t i)
    {
        Outcome outcome;
        {
            std::unique_lock lock(mutex_);
            arrived_.wait(lock, [&] { return results_[i].has_value(); });
            outcome = std::move(*results_[i]);
        }
        if (auto* error = std::get_if<std::exception_ptr>(&outcome))
            std::rethrow_exception(*error);
        return std::get<SourceInfo>(outcome);
    }

private:
    using Outcome = std::variant<SourceInfo, std::exception_ptr>;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::optional<Outcome>> results_;
    jobs::JobQueue<Outcome> queue_;
};

}  // namespace

int runProcess(const Options& options)
{
    ImageRun run(options);
    if (run.refused() || !makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    const std::filesystem::path patchFile = options.patchFile.value_or(locateProgramFiles(platform()).patch);
    bool patchReported = false;
    ops::RomOpHooks hooks;
    hooks.patchMissing = [&](const std::filesystem::path& missing) {
        if (!patchReported)
            std::cerr << format(tr(texts::CliFileMessage), {escapeControls(missing.string()), tr(texts::PatchFileMissing)}) << '\n';
        patchReported = true;
    };
    return run.each([&](const Source& source) {
        const std::string& output = run.outputOf(source);
        refuseControlsInOutput(output);
        // Sources are only read: a file (even a read-only one) or a member,
        // into memory, logged by its shown name.
        ops::ProcessOutcome outcome =
            ops::Process(run.archives().image(source, ops::roomForActions(options.actions, patchFile)), source.shown,
                         output, options.actions, patchFile, hooks);
        std::cout << escapeControls(outcome.logLine) << '\n';
        if (outcome.patchOutOfReach)
            std::cerr << format(tr(texts::CliFileMessage), {escapeControls(source.shown), tr(texts::PatchOutOfReach)})
                      << '\n';
        return !outcome.patchMissing && !outcome.patchOutOfReach;
    });
}

int runRemoveEH(const Options& options)
{
    ImageRun run(options);
    if (run.refused() || !makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    return run.each([&](const Source& source) {
        const std::string& output = run.outputOf(source);
        refuseControlsInOutput(output);
        switch (ops::RemoveEH(run.archives().image(source), source.shown, output)) {
        case ops::RemoveEHOutcome::Written:
            return true;
        case ops::RemoveEHOutcome::NotPatched:
            std::cerr << format(tr(texts::FileNotPatched), {escapeControls(source.shown)}) << '\n';
            return false;
        case ops::RemoveEHOutcome::SignatureNotFound:
            std::cerr << format(tr(texts::EhEntryNotFound), {escapeControls(source.shown)}) << '\n';
            return false;
        }
        return false;
    });
}

int runInfo(const Options& options)
{
    ImageRun run(options);
    ParallelInfos infos(run.sources());
    std::size_t next = 0;  // each visits the sources in order
    return run.each([&](const Source& source) {
        const std::size_t i = next++;
        const SourceInfo info = source.member ? memberInfo(source, run.archives()) : infos.take(i);
        const RomHeader& header = info.header;
        // An empty name still takes its column, as it does in the list.
        const std::string name = latin1ToUtf8(header.internalName);
        std::cout << escapeControls(source.shown) << '\t' << kilobytes(header.size) << '\t'
                  << (name.empty() ? " " : escapeControls(name)) << '\t' << tr(country(header.countryLetter)) << '\t'
                  << tr(company(header.makerCode)) << '\t' << (info.save.empty() ? tr(texts::SaveNone) : info.save)
                  << '\n';
        return true;
    });
}

int runRename(const Options& options)
{
    std::string refused;
    const std::optional<InternalNameField> field = internalNameField(*options.name, &refused);
    if (!field)
        throw UsageProblem{format(tr(texts::NameNotSingleByte), {refused})};
    return eachSource(namedFiles(options.files), [&](const Source& file) {
        if (refuseUnlessImage(file.path))
            return false;
        if (renameImageFile(file.path, *field) == RenameOutcome::TooShort) {
            std::cerr << format(tr(texts::NameFieldMissing), {escapeControls(file.path)}) << '\n';
            return false;
        }
        return true;
    });
}

}  // namespace kst::cli
