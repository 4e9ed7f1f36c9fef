// Apply: every marked row through the pipeline, or every row through the
// ExitHack removal, into the output folder.

#include "core/kilobytes.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "platform/files.h"
#include "platform/output_clash.h"
#include "romlist/apply_files.h"
#include "romlist/list_editing.h"

#include <QLineEdit>
#include <QMenu>

#include <filesystem>
#include <optional>

namespace kst {

void TForm1::BitBtn1Click()
{
    // The rows of an archive being unpacked are not in the list yet.
    if (refuseWhileAdding())
        return;
    if (createFolder(outputFolder) == FolderCreation::Failed) {
        dialogs().message(qtr(strings::OutputDirectoryNotCreated));
        return;
    }
    if (firstDuplicateName(grid_)) {
        dialogs().error(qtr(strings::DuplicateNames));
        return;
    }

    const ApplyMode mode = applyMode();
    const ApplyFiles files =
        applyFiles(grid_, mode, outputFolder, fromQt(Edit2->text()), fromQt(Edit3->text()));
    // Nothing is written when two outputs are one file, as names differing
    // only in case are on a memory card, or when one output would replace a
    // file the run reads.
    if (std::optional<SharedOutput> shared = firstSharedOutput(files.outputs)) {
        dialogs().error(qformat(strings::SharedOutputFile, {toQt(grid_.cell(ColName, files.rows[shared->first])),
                                                            toQt(grid_.cell(ColName, files.rows[shared->second])),
                                                            toQt(files.outputs[shared->first])}));
        return;
    }
    if (std::optional<OutputClash> clash = firstOutputOntoSource(files.outputs, files.sources)) {
        dialogs().error(qformat(strings::OutputOntoSource, {toQt(grid_.cell(ColName, files.rows[clash->output])),
                                                            toQt(files.outputs[clash->output]),
                                                            toQt(files.sources[clash->source])}));
        return;
    }

    if (mode == ApplyMode::Process) {
        operationLog.clear();
        if (!chosenActions().any()) {
            dialogs().error(qtr(strings::NoActionSelected));
            return;
        }
        if (files.rows.empty()) {
            dialogs().error(qformat(strings::NoRomSelected, {qtr(texts::SelectionMark)}));
            return;
        }
        try {
            for (std::size_t i = 0; i < files.rows.size(); ++i)
                Process(files.sources[i], files.outputs[i]);
            dialogs().information(qformat(strings::OperationLog, {toQt(operationLog)}));
            for (std::size_t i = 0; i < files.rows.size(); ++i) {
                const std::string& output = files.outputs[i];
                std::error_code ec;
                std::uintmax_t size = std::filesystem::file_size(output, ec);
                if (ec)
                    throw FileError(output, ec.message());
                grid_.setCell(ColNewSize, files.rows[i], kilobytes(size));
            }
        } catch (const FileTooLarge& error) {
            dialogs().error(toQt(error.what()));  // names the file and the limit
        } catch (const FileError&) {
            dialogs().error(qtr(strings::IoError));
        }
    } else {
        std::size_t written = 0;
        try {
            for (std::size_t i = 0; i < files.rows.size(); ++i)
                written += RemoveEH(files.sources[i], files.outputs[i]) ? 1 : 0;
        } catch (const FileTooLarge& error) {
            dialogs().error(toQt(error.what()));  // names the file and the limit
        } catch (const FileError&) {
            dialogs().error(qtr(strings::IoError));
        }
        // Each file left alone had its own message; the written ones get this one.
        dialogs().information(qformat(strings::PatchRemovedCount,
                                      {QString::number(written), QString::number(files.rows.size())}));
    }

    // A missing patch file asked the program to quit once the run was over.
    if (quitRequested)
        close();
}

}  // namespace kst
