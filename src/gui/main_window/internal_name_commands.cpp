// Rewriting the internal name in the header of the selected row's file.

#include "gui/common/strings.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "platform/file_error.h"
#include "romheader/header.h"
#include "romops/internal_name.h"

#include <filesystem>
#include <system_error>

namespace kst {

void TForm1::EditInternalname1Click()
{
    // The row is read again through the add command, which an extraction in
    // progress refuses: refuse before the name is asked for or the file touched.
    if (refuseWhileAdding())
        return;
    const std::optional<int> selected = selectedRom();
    if (!selected)
        return;
    const int row = *selected;
    // The box takes no more than the header holds.
    std::optional<QString> typed = dialogs().input(qtr(strings::InternalNameCaption), qtr(strings::InternalNamePrompt),
                                                   toQt(grid_.cell(ColInternalName, row)),
                                                   static_cast<int>(header::InternalNameLength));
    if (!typed)
        return;
    std::string refused;
    std::optional<InternalNameField> field = internalNameField(fromQt(*typed), &refused);
    if (!field) {
        dialogs().error(qformat(texts::NameNotSingleByte, {toQt(refused)}));
        return;
    }
    const std::string input = grid_.cell(ColInput, row);
    setStatusText(qtr(strings::SavingModifications));
    try {
        if (renameImageFile(input, *field) == RenameOutcome::TooShort) {
            dialogs().error(qformat(texts::NameFieldMissing, {toQt(input)}));
            return;
        }
    } catch (const FileError& error) {
        // The system's own reason, as for any file error the command meets.
        dialogs().error(toQt(error.reason()));
        return;
    }
    dialogs().message(qformat(strings::ImageModified, {toQt(input)}));
    // The bytes changed: no row that lists this file keeps a verdict on the old ones.
    for (int other = 1; other < grid_.rowCount(); ++other) {
        std::error_code ignored;
        const std::string listed = grid_.cell(ColInput, other);
        if (!grid_.isEmptyRow(other) && (listed == input || std::filesystem::equivalent(listed, input, ignored)))
            grid_.setCell(ColVerified, other, "");
    }

    // The row is built again from the file, like any newly added image.
    OpenDialog1.files.clear();
    OpenDialog1.fileName = toQt(input);
    // Only the edited row goes; the other highlighted rows stay in the list.
    selectRows(row, row);
    Liste1KeyDown(DeleteKeyCode, Qt::NoModifier);
    dialogFreeAddMode = true;
    Addrom1Click();
    dialogFreeAddMode = false;
}

}  // namespace kst
