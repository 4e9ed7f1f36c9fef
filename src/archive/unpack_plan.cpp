#include "archive/unpack_plan.h"

#include "archive/unpacked_member.h"
#include "platform/files.h"
#include "platform/path_claims.h"
#include "zipformat/member_file_name.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <unordered_set>

namespace kst {
namespace {

namespace fs = std::filesystem;

// The name as the module writes it; a refused name is never written and
// stands for itself.
std::string writtenName(const std::string& name)
{
    return zip::memberFileName(name).value_or(name);
}

// Whether a member would be unpacked over a file that is held. A name the
// module refuses is never written, so it holds nothing up.
bool anyHeld(const PathClaims& claims, const std::unordered_set<std::string>& elsewhere, const std::string& folder,
             const std::vector<std::string>& members)
{
    return std::any_of(members.begin(), members.end(), [&](const std::string& name) {
        if (!unpackedMemberPath(folder, name))
            return false;
        const std::string key = PathClaims::key(folder + writtenName(name));
        return claims.heldHere(key) || elsewhere.contains(key);
    });
}

// The outermost folder on the way to a member's file that does not exist
// yet: the unpacking makes it, so closing may remove it again.
std::optional<std::string> outermostMissingFolder(const std::string& folder, const std::string& name)
{
    const std::string written = writtenName(name);
    std::error_code ec;
    for (std::size_t end = written.find('/'); end != std::string::npos; end = written.find('/', end + 1)) {
        std::string path = folder + written.substr(0, end);
        if (!fs::exists(fs::symlink_status(path, ec)))
            return path + "/";
    }
    return std::nullopt;
}

}  // namespace

UnpackPlan planUnpacking(PathClaims& claims, const std::string& temporaryFolder, const std::vector<std::string>& names)
{
    UnpackPlan plan;
    plan.folder = temporaryFolder;
    std::unordered_set<std::string> written;
    for (const std::string& name : names)
        (written.insert(writtenName(name)).second ? plan.members : plan.leftOut).push_back(name);

    PathClaims::Lock lock = claims.lock();
    const std::unordered_set<std::string> elsewhere = claims.claimedElsewhere();
    // Never empty-handed: a fresh folder holds nothing, unless a row lists a
    // file in a folder of that name that was removed from under it. When the
    // other programs cannot be told of the claims, the shared folder would
    // let them unpack over these files: a fresh folder then too.
    bool fresh = anyHeld(claims, elsewhere, plan.folder, plan.members);
    for (;;) {
        while (fresh) {
            plan.folder = createUniqueFolder(temporaryFolder, "kestrom-").string() + "/";
            plan.ownFolder = true;
            fresh = anyHeld(claims, elsewhere, plan.folder, plan.members);
        }
        plan.newFolders.clear();
        bool allShown = true;
        for (const std::string& name : plan.members) {
            if (!unpackedMemberPath(plan.folder, name))
                continue;
            allShown = claims.claim(plan.folder + writtenName(name)) && allShown;
            std::optional<std::string> missing = outermostMissingFolder(plan.folder, name);
            if (!plan.ownFolder && missing &&
                std::find(plan.newFolders.begin(), plan.newFolders.end(), *missing) == plan.newFolders.end())
                plan.newFolders.push_back(*missing);
        }
        if (allShown || plan.ownFolder)
            break;
        fresh = true;
    }
    return plan;
}

void removeUnpackFolder(const std::string& folder)
{
    std::error_code ec;
    std::vector<fs::path> folders{fs::path(folder)};
    // Links are not followed: only this folder's own subfolders go.
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            folders.push_back(it->path());
    // Deepest first, so that a folder emptied of its subfolders goes too.
    std::sort(folders.begin(), folders.end(),
              [](const fs::path& a, const fs::path& b) { return a.native().size() > b.native().size(); });
    for (const fs::path& f : folders)
        ::rmdir(f.c_str());  // a folder with something in it stays
}

}  // namespace kst
