#include "cli/image_commands.h"

#include "cli/image_run.h"
#include "core/kilobytes.h"
#include "core/latin1.h"
#include "core/printable.h"
#include "core/texts.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "romheader/header.h"
#include "romops/exithack_removal.h"
#include "romops/internal_name.h"
#include "romops/pipeline.h"
#include "romops/save_type.h"

#include <iostream>

namespace kst::cli {
namespace {

// What info prints of a source: its header, and the save library it links,
// which takes the whole image. A file is read through one open, read-only; a
// member is inflated into memory, within the size limit.
struct SourceInfo {
    RomHeader header;
    std::string save;
};

SourceInfo sourceInfo(const Source& source, ArchiveSources& archives)
{
    if (!source.member) {
        RomFile rom(source.path, RomFile::Access::ReadOnly);
        RomHeader header = readheader(rom);
        return {header, ops::scanSaveType(rom).identifier};
    }
    const std::vector<std::uint8_t> image = archives.image(source);
    if (image.size() < header::MinimumSize)
        throw FileError(source.shown, tr(texts::ReadBeyondEnd));  // as reading such a file says
    return {parseHeader(image, image.size()), ops::findSaveType(image).identifier};
}

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
        const std::string output = outputPath(options, source.path);
        refuseControlsInOutput(output);
        // Sources are only read: a file (even a read-only one) or a member,
        // into memory, logged by its shown name.
        ops::ProcessOutcome outcome =
            ops::Process(run.archives().image(source), source.shown, output, options.actions, patchFile, hooks);
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
        const std::string output = outputPath(options, source.path);
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
    return run.each([&](const Source& source) {
        const SourceInfo info = sourceInfo(source, run.archives());
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
