#include "platform/path_claims.h"

#include "platform/files.h"
#include "platform/private_folder.h"

#include <cerrno>
#include <vector>

namespace kst {
namespace {

namespace fs = std::filesystem;

constexpr const char* ClaimExtension = ".claim";
// The files a holder left behind because others listed them, for the last of those to delete.
constexpr const char* LeftBehindName = "left-behind";
// Far more than the paths of any list; a larger file is read no further.
constexpr std::size_t MaxClaimFileSize = 16 << 20;

// Keys end with a NUL, the one byte no path holds; a last key without one is
// still being written (or was cut at the size cap).
void addKeys(const std::string& text, std::unordered_set<std::string>& into)
{
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
        into.insert(text.substr(start, end - start));
}

// A regular file, never what a link leads to.
void removeRegularFile(const fs::path& file)
{
    std::error_code ec;
    if (fs::is_regular_file(fs::symlink_status(file, ec)))
        fs::remove(file, ec);
}

}  // namespace

PathClaims::Lock::Lock(const fs::path& file)
{
    if (file.empty())
        return;
    try {
        file_ = std::make_unique<SharedFile>(file, SharedFile::Mode::Create);
        if (!file_->lock(SharedFile::Lock::Exclusive, true))
            file_.reset();
    } catch (const FileError&) {
        // Nothing to lock: the claims folder cannot be used.
    }
}

PathClaims::Lock::~Lock() = default;  // closing releases the lock

PathClaims::PathClaims(fs::path folder) : folder_(std::move(folder))
{
    std::error_code ec;
    fs::create_directories(folder_.parent_path(), ec);
    try {
        // Another user's folder, or a link put in its place, could show or hide any claim.
        preparePrivateFolder(folder_, FolderLink::Refused);
    } catch (const FileError&) {
        return;
    }
    usable_ = true;
    // Made and locked under the lock: a reader never finds it unlocked and
    // takes it for a dead program's.
    Lock guard = lock();
    try {
        SharedFile file = SharedFile::createUnique(folder_, ClaimExtension);
        if (!file.lock(SharedFile::Lock::Exclusive, false)) {
            fs::remove(file.path(), ec);
            return;
        }
        file_ = std::make_unique<SharedFile>(std::move(file));
    } catch (const FileError&) {
        // Unwritable: claims are kept here only.
    }
}

PathClaims::~PathClaims()
{
    if (!file_)
        return;
    std::error_code ec;
    fs::remove(file_->path(), ec);
}

std::string PathClaims::key(const fs::path& path)
{
    std::error_code ec;
    fs::path whole = fs::absolute(path, ec);
    if (ec)
        whole = path;
    fs::path resolved = fs::weakly_canonical(whole, ec);
    return (ec ? whole.lexically_normal() : resolved).string();
}

bool PathClaims::claim(const fs::path& path)
{
    std::string k = key(path);
    if (!own_.insert(k).second)
        return shown_.contains(k);
    k.push_back('\0');
    if (!file_ || !file_->append(k))
        return false;
    k.pop_back();
    shown_.insert(k);
    return true;
}

std::unordered_set<std::string> PathClaims::claimedElsewhere() const
{
    std::unordered_set<std::string> keys;
    if (!usable_)
        return keys;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        if (file.extension() != ClaimExtension || (file_ && file == file_->path()))
            continue;
        try {
            SharedFile claims(file, SharedFile::Mode::Read);
            if (claims.lock(SharedFile::Lock::Shared, false))
                fs::remove(file, ec);  // nobody holds it: its program has ended
            else if (errno == EWOULDBLOCK)
                addKeys(claims.readAtMost(MaxClaimFileSize), keys);
        } catch (const FileError&) {
            // Gone meanwhile, or a link: it claims nothing.
        }
    }
    return keys;
}

void PathClaims::deleteUnclaimed(const std::vector<fs::path>& files)
{
    const std::unordered_set<std::string> elsewhere = claimedElsewhere();
    std::unordered_set<std::string> candidates;
    std::vector<std::string> kept;
    const fs::path leftBehind = folder_ / LeftBehindName;
    if (usable_) {
        try {
            addKeys(SharedFile(leftBehind, SharedFile::Mode::Read).readAtMost(MaxClaimFileSize), candidates);
        } catch (const FileError&) {
            // None left behind yet.
        }
    }
    for (const fs::path& file : files)
        candidates.insert(key(file));
    std::string remaining;
    for (const std::string& file : candidates) {
        if (!elsewhere.contains(file))
            removeRegularFile(file);
        else
            remaining += file + '\0';
    }
    if (!usable_)
        return;
    std::error_code ec;
    if (remaining.empty()) {
        fs::remove(leftBehind, ec);
        return;
    }
    try {
        writeFileAtomically(leftBehind, remaining);
    } catch (const FileError&) {
        // Best effort: the others then keep what they list.
    }
}

}  // namespace kst
