// The image operations as the main window runs them: progress on the gauge,
// problems of one file in a dialog naming it.

#include "app/form1.h"
#include "app/strings.h"
#include "romops/exithack_removal.h"
#include "romops/pipeline.h"

#include <QProgressBar>

#include <limits>

namespace kst {
namespace {

// The gauge counts bytes; files too large for its int range are shown in
// coarser steps.
std::function<void(std::uint64_t, std::uint64_t)> gaugeProgress(QProgressBar* gauge)
{
    return [gauge](std::uint64_t done, std::uint64_t total) {
        int shift = 0;
        while ((total >> shift) > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
            ++shift;
        gauge->setMinimum(0);
        gauge->setMaximum(static_cast<int>(total >> shift));
        gauge->setValue(static_cast<int>(done >> shift));
    };
}

}  // namespace

void TForm1::Process(const std::string& source, const std::string& output)
{
    ops::RomOpHooks hooks;
    hooks.progress = gaugeProgress(Bar1);
    hooks.patchMissing = [this](const std::filesystem::path&) {
        dialogs().error(qtr(texts::PatchFileMissing));
        quitRequested = true;
    };
    ops::ProcessOutcome outcome = ops::Process(source, output, chosenActions(), patchFilePath, hooks);
    if (outcome.newEntry) {
        const ops::EntryBytes& entry = *outcome.newEntry;
        newEntryOffset = {entry[2], entry[1], entry[0]};
    }
    operationLog += "\n" + outcome.logLine;
}

void TForm1::RemoveEH(const std::string& input, const std::string& output)
{
    ops::RomOpHooks hooks;
    hooks.progress = gaugeProgress(Bar1);
    switch (ops::RemoveEH(input, output, hooks)) {
    case ops::RemoveEHOutcome::Written:
        break;
    case ops::RemoveEHOutcome::NotPatched:
        dialogs().error(qformat(texts::FileNotPatched, {toQt(input)}));
        break;
    case ops::RemoveEHOutcome::SignatureNotFound:
        dialogs().message(qformat(texts::EhEntryNotFound, {toQt(input)}));
        break;
    }
}

}  // namespace kst
