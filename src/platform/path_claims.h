#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace kst {

class SharedFile;

// The files a running program holds (lists as rows, or deletes at close),
// written where every other running program of the user can read them, so
// that none of them unpacks over such a file or deletes it. Each holder keeps
// one file of paths in the claims folder and a lock on it for as long as it
// lives; a claim file whose lock nobody holds was left by a program that
// ended, and is removed by whoever finds it. The lock goes with the open file,
// so two holders in one process see each other as two programs would.
// Claims only grow: a path stays held until its holder goes. A claims folder
// that is a link, belongs to another user or others can write is not used.
class PathClaims {
public:
    // Starts holding: the claim file is made at once, so that a claim never
    // has to wait for the lock.
    explicit PathClaims(std::filesystem::path folder);
    // Gives every claim up.
    ~PathClaims();
    PathClaims(const PathClaims&) = delete;
    PathClaims& operator=(const PathClaims&) = delete;

    // Keeps every other holder from reading and claiming while it lives, so
    // that a decision taken on the claims and the claim it leads to are one
    // step. Nothing is locked when the folder cannot be used. Not to be
    // taken twice at a time by one holder.
    class Lock {
    public:
        explicit Lock(const std::filesystem::path& file);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        std::unique_ptr<SharedFile> file_;
    };
    Lock lock() const { return Lock(usable_ ? folder_ / "lock" : std::filesystem::path()); }

    // The spelling paths are compared in: absolute, with the links of the
    // part that exists resolved, so that any two names of one file match.
    static std::string key(const std::filesystem::path& path);

    // Holds the path from now on. When the claim file cannot be written, the
    // path is still held here, only other programs do not see it: false then.
    bool claim(const std::filesystem::path& path);
    bool heldHere(const std::string& key) const { return own_.contains(key); }
    // What the other living holders claim. Claim files of ended holders are
    // removed on the way; call it under lock().
    std::unordered_set<std::string> claimedElsewhere() const;

    // Deletes the files (regular files only, never through a link) that no
    // other holder claims, and so those that earlier holders left behind
    // because others claimed them then. What is still claimed elsewhere is
    // left behind in turn, for the last holder that claims it. Call under lock().
    void deleteUnclaimed(const std::vector<std::filesystem::path>& files);

private:
    std::filesystem::path folder_;
    bool usable_ = false;
    std::unique_ptr<SharedFile> file_;
    std::unordered_set<std::string> own_;
    std::unordered_set<std::string> shown_;  // the part of own_ that other holders can read
};

}  // namespace kst
