#include "gui/archive/archive_import.h"

#include "archive/image_members.h"
#include "archive/tzip.h"
#include "archive/unpack_plan.h"
#include "archive/unpacked_member.h"
#include "gui/common/dialogs.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/private_folder.h"
#include "settings/setting_values.h"

#include <string>
#include <vector>

namespace kst {
namespace {

// Ask before replacing a file that is already in the temporary folder.
constexpr std::uint8_t AskBeforeOverwriting = 1 << 3;

// One level only: a temporary folder whose parent is missing is a setting to
// correct. A folder another user could change under the unpacked files is
// refused; a folder the user named may be a link of their own. Says why the
// folder cannot be used.
bool prepareFolder(const std::string& folder, const ArchiveRefusal& refuse)
{
    const bool chosenByUser = folder != defaultTemporaryFolder(platform().temporaryFolder());
    try {
        preparePrivateFolder(folder, chosenByUser ? FolderLink::OwnFollowed : FolderLink::Refused);
    } catch (const FileError& error) {
        refuse(qformat(strings::TemporaryFolderUnusable, {toQt(folder), toQt(error.reason())}));
        return false;
    }
    openWithoutLinksIn(folder);
    return true;
}

std::vector<std::string> imageMemberNames(const TZip& zip)
{
    std::vector<std::string> names;
    for (int i : imageMembers(zip))
        names.push_back(zip.GetEntry(i).name);
    return names;
}

}  // namespace

bool importArchive(TForm1& form, const QString& archivePath, AddOrigin origin, const ArchiveRefusal& refusal)
{
    const ArchiveRefusal refuse = refusal ? refusal : [](const QString& reason) { dialogs().message(reason); };
    // Taken once: the Options window can change the setting while the
    // extraction lets events through, and the rows must name where the files went.
    const std::string temporary = form.temporaryFolder;
    TZip& zip = form.Zip1;
    UnpackPlan plan;
    int extracted = 0;
    if (!prepareFolder(temporary, refuse))
        return true;
    try {
        zip.setArchiveName(fromQt(archivePath));
        // A failed extraction leaves its names behind; they are not this archive's.
        zip.FileSpecs.clear();
        std::vector<std::string> images = imageMemberNames(zip);
        if (images.empty()) {
            refuse(qformat(texts::NoGbaImages, {archivePath}));
            return true;
        }
        try {
            plan = planUnpacking(form.claims(), temporary, images);
        } catch (const FileError& error) {
            refuse(qformat(strings::TemporaryFolderNotCreated, {toQt(error.path().string()), toQt(error.reason())}));
            return true;
        }
        if (plan.ownFolder)
            form.unpackFolders.push_back(plan.folder);
        // Member folders the unpacking makes go again on close, when empty.
        form.unpackFolders.insert(form.unpackFolders.end(), plan.newFolders.begin(), plan.newFolders.end());
        for (const std::string& name : plan.leftOut)
            dialogs().message(qformat(strings::MemberNameRepeated, {archivePath, toQt(name)}));
        zip.FileSpecs = plan.members;
        zip.ExtractFolder = plan.folder;
        zip.ExtractOptions = AskBeforeOverwriting;
        extracted = zip.Extract();
    } catch (const std::exception& error) {
        // An unreadable archive or a missing unzip module is said, not
        // swallowed; the files after it are still added.
        zip.FileSpecs.clear();
        refuse(toQt(error.what()));
        return true;
    }

    const std::string& folder = plan.folder;
    if (form.closePending()) {
        // The user is leaving: no report, no rows, but what was unpacked is
        // left to the close's clean-up.
        for (const std::string& name : plan.members)
            if (std::optional<std::string> path = unpackedMemberPath(folder, name))
                form.TempFiles.append(toQt(*path));
        return false;
    }

    dialogs().message(qformat(texts::GbaImagesFound, {QString::number(extracted), archivePath}));
    for (const std::string& name : plan.members) {
        // The module left this member out and said why: say so, naming it.
        if (std::optional<std::string> why = zip.refusal(name)) {
            dialogs().error(qformat(strings::MemberLeftOut, {archivePath, toQt(name), toQt(*why)}));
            continue;
        }
        // A name leading out of the folder was not unpacked: what lies there is not this member.
        std::optional<std::string> path = unpackedMemberPath(folder, name);
        if (!path) {
            reportUnreadableImage(origin, archivePath);
            continue;
        }
        try {
            form.addImage(*path, true);
        } catch (const FileError&) {
            reportUnreadableImage(origin, archivePath);
        }
    }
    return true;
}

}  // namespace kst
