// Apply: every marked row through the pipeline, or every row through the
// ExitHack removal, into the output folder.

#include "core/kilobytes.h"
#include "core/paths.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "platform/files.h"
#include "romlist/image_row.h"
#include "romlist/list_editing.h"
#include "romops/exithack_removal.h"

#include <QLineEdit>
#include <QMenu>

#include <filesystem>

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

    const std::string prefix = fromQt(Edit2->text());
    const std::string suffix = fromQt(Edit3->text());
    auto outputOf = [&](int row) { return outputName(outputFolder, prefix, grid_.cell(ColName, row), suffix); };

    if (Action1->isEnabled()) {
        operationLog.clear();
        if (!chosenActions().any()) {
            dialogs().error(qtr(strings::NoActionSelected));
            return;
        }
        try {
            int processed = 0;
            for (int row = 1; row < grid_.rowCount(); ++row) {
                if (!isMarked(grid_, row))
                    continue;
                Process(grid_.cell(ColInput, row), outputOf(row));
                ++processed;
            }
            if (processed == 0) {
                dialogs().error(qformat(strings::NoRomSelected, {qtr(texts::SelectionMark)}));
                return;
            }
            dialogs().information(qformat(strings::OperationLog, {toQt(operationLog)}));
            for (int row = 1; row < grid_.rowCount(); ++row) {
                if (!isMarked(grid_, row))
                    continue;
                std::string output = outputOf(row);
                std::error_code ec;
                std::uintmax_t size = std::filesystem::file_size(output, ec);
                if (ec)
                    throw FileError(output, ec.message());
                grid_.setCell(ColNewSize, row, kilobytes(size));
            }
        } catch (const FileTooLarge& error) {
            dialogs().error(toQt(error.what()));  // names the file and the limit
        } catch (const FileError&) {
            dialogs().error(qtr(strings::IoError));
        }
    } else {
        try {
            for (int row = 1; row < grid_.rowCount(); ++row)
                RemoveEH(ops::removeEHSourcePath(grid_.cell(ColDir, row), grid_.cell(ColName, row),
                                                 grid_.cell(ColInput, row)),
                         outputOf(row));
        } catch (const FileTooLarge& error) {
            dialogs().error(toQt(error.what()));  // names the file and the limit
        } catch (const FileError&) {
            dialogs().error(qtr(strings::IoError));
        }
    }

    // A missing patch file asked the program to quit once the run was over.
    if (quitRequested)
        close();
}

}  // namespace kst
