#include "romops/pipeline.h"

#include "core/texts.h"
#include "platform/files.h"
#include "romops/exithack.h"
#include "romops/image_file.h"
#include "romops/intro.h"
#include "romops/trim.h"

#include <new>
#include <system_error>
#include <utility>
#include <vector>

namespace kst::ops {
namespace {

using Image = std::vector<std::uint8_t>;

// The actions on an image read whole; entry is its first three bytes as they
// were read before it.
ProcessOutcome runActions(Image image, EntryBytes entry, const std::string& source,
                          const std::filesystem::path& output, const Actions& actions,
                          const std::filesystem::path& patchFile, const RomOpHooks& hooks)
{
    const bool removeIntro = actions.all || actions.removeIntro;
    const bool truncate = actions.all || actions.truncate;
    const bool applyExitHack = actions.all || actions.applyExitHack;

    ProcessOutcome outcome;
    outcome.logLine = source;

    // Each step takes the image as the one before left it; the image is moved
    // through them, never copied.
    if (removeIntro) {
        const bool changes = hasIntro(image);
        image = RemIntro(std::move(image), entry);
        outcome.logLine += tr(changes ? texts::TagIntroRemoved : texts::TagNoIntroRemoved);
    }
    if (truncate) {
        const std::size_t before = image.size();
        image = RomTrunc(std::move(image));
        outcome.logLine += tr(image.size() == before ? texts::TagAlreadyTrimmed : texts::TagTrimmed);
    }
    if (applyExitHack) {
        const std::size_t before = image.size();
        if (!patchReachable(image.size())) {
            // A wrapped entry would send the image anywhere: it goes out unpatched.
            outcome.patchOutOfReach = true;
        } else if (outcome.newEntry = newEntryBytesLsbFirst(image.size()); fileExists(patchFile)) {
            const Image patch = readPatch(patchFile);
            try {
                image = Exithack(std::move(image), patch, *outcome.newEntry);
            } catch (const std::bad_alloc&) {
                // The image grows by the patch, in place only where reading it left room.
                throw outOfMemoryError(source);
            }
        } else {
            outcome.patchMissing = true;
            if (hooks.patchMissing)
                hooks.patchMissing(patchFile);
        }
        outcome.logLine += tr(image.size() == before ? texts::TagNotPatched : texts::TagEhApplied);
    }

    writeFileAtomically(output, image);
    return outcome;
}

}  // namespace

std::size_t roomForActions(const Actions& actions, const std::filesystem::path& patchFile)
{
    if (!actions.all && !actions.applyExitHack)
        return 0;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(patchFile, ec);
    return ec ? 0 : static_cast<std::size_t>(size) + 3;  // the padding to a word is at most 3 bytes
}

ProcessOutcome Process(const std::filesystem::path& source, const std::filesystem::path& output,
                       const Actions& actions, const std::filesystem::path& patchFile, const RomOpHooks& hooks)
{
    Image image;
    EntryBytes entry{};
    {
        RomFile file(source);
        entry = readEntryBytes(file);
        image = readImage(file, hooks, roomForActions(actions, patchFile));
    }
    return runActions(std::move(image), entry, source.string(), output, actions, patchFile, hooks);
}

ProcessOutcome Process(std::vector<std::uint8_t> image, const std::string& source,
                       const std::filesystem::path& output, const Actions& actions,
                       const std::filesystem::path& patchFile, const RomOpHooks& hooks)
{
    if (image.size() < header::EntryLength)
        throw FileError(source, tr(texts::ReadBeyondEnd));  // as reading such a file says
    const EntryBytes entry = entryOf(image);
    return runActions(std::move(image), entry, source, output, actions, patchFile, hooks);
}

}  // namespace kst::ops
