#include "gui/archive/archive_import.h"

#include "archive/image_members.h"
#include "archive/tzip.h"
#include "archive/unpack_plan.h"
#include "archive/unpacked_member.h"
#include "gui/common/dialogs.h"
#include "gui/common/strings.h"
#include "platform/file_error.h"
#include "platform/files.h"

namespace kst {
namespace {

// Ask before replacing a file that is already in the temporary folder.
constexpr std::uint8_t AskBeforeOverwriting = 1 << 3;

// One level only: a temporary folder whose parent is missing is a setting to
// correct. Says why when the folder cannot be made.
bool makeFolder(const std::string& folder, const ArchiveRefusal& refuse)
{
    std::error_code reason;
    if (createFolder(folder, &reason) != FolderCreation::Failed)
        return true;
    refuse(qformat(strings::TemporaryFolderNotCreated, {toQt(folder), toQt(reason.message())}));
    return false;
}

std::vector<std::string> imageMemberNames(const TZip& zip)
{
    std::vector<std::string> names;
    for (int i : imageMembers(zip))
        names.push_back(zip.GetEntry(i).name);
    return names;
}

std::vector<ImportedMember> importedMembers(const TZip& zip, const UnpackPlan& plan)
{
    std::vector<ImportedMember> members;
    for (const std::string& name : plan.members)
        members.push_back({name, unpackedMemberPath(plan.folder, name), zip.refusal(name)});
    return members;
}

}  // namespace

ImportResult importArchive(TZip& zip, PathClaims& claims, const std::string& temporaryFolder,
                           const QString& archivePath, const ArchiveRefusal& refusal)
{
    const ArchiveRefusal refuse = refusal ? refusal : [](const QString& reason) { dialogs().message(reason); };
    ImportResult result;
    if (!makeFolder(temporaryFolder, refuse))
        return result;
    UnpackPlan plan;
    try {
        zip.setArchiveName(fromQt(archivePath));
        // A failed extraction leaves its names behind; they are not this archive's.
        zip.FileSpecs.clear();
        std::vector<std::string> images = imageMemberNames(zip);
        if (images.empty()) {
            refuse(qformat(texts::NoGbaImages, {archivePath}));
            return result;
        }
        try {
            plan = planUnpacking(claims, temporaryFolder, images);
        } catch (const FileError& error) {
            refuse(qformat(strings::TemporaryFolderNotCreated, {toQt(error.path().string()), toQt(error.reason())}));
            return result;
        }
        if (plan.ownFolder)
            result.unpackFolders.push_back(plan.folder);
        // Member folders the unpacking makes go again on close, when empty.
        result.unpackFolders.insert(result.unpackFolders.end(), plan.newFolders.begin(), plan.newFolders.end());
        for (const std::string& name : plan.leftOut)
            dialogs().message(qformat(strings::MemberNameRepeated, {archivePath, toQt(name)}));
        zip.FileSpecs = plan.members;
        zip.ExtractFolder = plan.folder;
        zip.ExtractOptions = AskBeforeOverwriting;
        result.extracted = zip.Extract();
    } catch (const std::exception& error) {
        // An unreadable archive or a missing unzip module is said, not
        // swallowed; the files after it are still added.
        zip.FileSpecs.clear();
        refuse(toQt(error.what()));
        return result;
    }
    result.outcome = zip.cancelled() ? ImportResult::Outcome::Cancelled : ImportResult::Outcome::Extracted;
    result.members = importedMembers(zip, plan);
    return result;
}

}  // namespace kst
