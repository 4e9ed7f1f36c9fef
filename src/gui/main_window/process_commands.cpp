// The image operations as the main window runs them: progress on the gauge,
// problems of one file in a dialog naming it.

#include "gui/common/strings.h"
#include "gui/common/widgets.h"
#include "gui/main_window/form1.h"
#include "romops/exithack_removal.h"
#include "romops/pipeline.h"

#include <QElapsedTimer>
#include <QProgressBar>

#include <memory>

namespace kst {
namespace {

// The gauge is repainted at once, since Apply keeps the event loop from
// running until it is done (no other command may run meanwhile). Only the
// gauge is painted, at most every GaugeRepaintMs, and when a file is read.
constexpr int GaugeRepaintMs = 40;

std::function<void(std::uint64_t, std::uint64_t)> gaugeProgress(QProgressBar* gauge)
{
    auto sinceRepaint = std::make_shared<QElapsedTimer>();
    return [gauge, sinceRepaint](std::uint64_t done, std::uint64_t total) {
        showByteProgress(gauge, done, total);
        if (sinceRepaint->isValid() && sinceRepaint->elapsed() < GaugeRepaintMs && done < total)
            return;
        gauge->repaint();
        sinceRepaint->start();
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

bool TForm1::RemoveEH(const std::string& input, const std::string& output)
{
    ops::RomOpHooks hooks;
    hooks.progress = gaugeProgress(Bar1);
    switch (ops::RemoveEH(input, output, hooks)) {
    case ops::RemoveEHOutcome::Written:
        return true;
    case ops::RemoveEHOutcome::NotPatched:
        dialogs().error(qformat(texts::FileNotPatched, {toQt(input)}));
        break;
    case ops::RemoveEHOutcome::SignatureNotFound:
        dialogs().message(qformat(texts::EhEntryNotFound, {toQt(input)}));
        break;
    }
    return false;
}

}  // namespace kst
