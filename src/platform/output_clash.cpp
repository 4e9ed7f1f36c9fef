#include "platform/output_clash.h"

#include "platform/files.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

namespace kst {
namespace {

namespace fs = std::filesystem;

using Place = std::pair<std::uint64_t, std::string>;  // a device and a path on it

struct PathKeys {
    std::optional<FileIdentity> file;  // the file the path names now, if any
    Place place;                 // where a write through the path would put its file
};

bool holdsLetter(const std::string& name)
{
    return std::any_of(name.begin(), name.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
}

class FileKeys {
public:
    explicit FileKeys(const CaseProbe& probe) : probe_(probe) {}

    std::vector<PathKeys> of(std::span<const std::string> paths)
    {
        std::vector<PathKeys> keys;
        keys.reserve(paths.size());
        for (const std::string& path : paths)
            keys.push_back(of(path));
        return keys;
    }

    // Once every path was looked at, so that any of them may have told how
    // its file system compares names.
    void foldPlaces(std::vector<PathKeys>& keys) const
    {
        for (PathKeys& path : keys)
            if (auto device = devices_.find(path.place.first); device != devices_.end() && device->second)
                path.place.second = foldCase(path.place.second);
    }

private:
    PathKeys of(const std::string& path)
    {
        PathKeys keys;
        keys.file = fileIdentity(path);
        fs::path real = path;
        try {
            real = followLinks(path);
        } catch (const FileError&) {
            // A loop or an unreadable link: no write gets through it either.
        }
        std::error_code ec;
        real = fs::absolute(real, ec);
        const Folder& folder = folderOf(real.parent_path());
        const fs::path place = folder.real / real.filename();
        askWhetherCaseFolds(folder.device, keys.file ? place : folder.existing);
        keys.place = Place(folder.device, place.string());
        return keys;
    }

    struct Folder {
        fs::path real;      // links and ".." resolved
        fs::path existing;  // the deepest folder of it that is there
        std::uint64_t device = 0;  // the file system the folder is or would be made on
    };

    // The outputs of a run share a folder or a few: each is resolved once.
    const Folder& folderOf(const fs::path& parent)
    {
        auto [found, fresh] = folders_.try_emplace(parent);
        Folder& folder = found->second;
        if (!fresh)
            return folder;
        std::error_code ec;
        folder.real = fs::weakly_canonical(parent, ec);
        if (ec)
            folder.real = parent.lexically_normal();
        folder.existing = folder.real;
        std::optional<FileIdentity> existing;
        while (!(existing = fileIdentity(folder.existing)) && folder.existing.has_relative_path())
            folder.existing = folder.existing.parent_path();
        folder.device = existing ? existing->device : 0;
        return folder;
    }

    // Asked once per file system, of the first name inside it that has a
    // letter (the folder it is mounted on belongs to another file system).
    void askWhetherCaseFolds(std::uint64_t device, fs::path at)
    {
        if (devices_.contains(device))
            return;
        for (; at.has_relative_path(); at = at.parent_path()) {
            const std::optional<FileIdentity> parent = fileIdentity(at.parent_path());
            if (!parent || parent->device != device)
                return;
            if (holdsLetter(at.filename().string())) {
                devices_[device] = probe_(at);
                return;
            }
        }
    }

    const CaseProbe& probe_;
    std::map<fs::path, Folder> folders_;
    std::map<std::uint64_t, bool> devices_;
};

// The paths seen so far by their keys; the first path of a key keeps it.
class KeyIndex {
public:
    std::optional<std::size_t> find(const PathKeys& keys) const
    {
        if (keys.file)
            if (auto found = files_.find(*keys.file); found != files_.end())
                return found->second;
        if (auto found = places_.find(keys.place); found != places_.end())
            return found->second;
        return std::nullopt;
    }

    void add(const PathKeys& keys, std::size_t index)
    {
        if (keys.file)
            files_.emplace(*keys.file, index);
        places_.emplace(keys.place, index);
    }

private:
    std::map<FileIdentity, std::size_t> files_;
    std::map<Place, std::size_t> places_;
};

}  // namespace

std::optional<OutputClash> firstOutputOntoSource(std::span<const std::string> outputs,
                                                 std::span<const std::string> sources, const CaseProbe& probe)
{
    FileKeys keys(probe);
    std::vector<PathKeys> sourceKeys = keys.of(sources), outputKeys = keys.of(outputs);
    keys.foldPlaces(sourceKeys), keys.foldPlaces(outputKeys);
    KeyIndex sourceAt;
    for (std::size_t i = 0; i < sourceKeys.size(); ++i)
        sourceAt.add(sourceKeys[i], i);
    for (std::size_t i = 0; i < outputKeys.size(); ++i)
        if (std::optional<std::size_t> source = sourceAt.find(outputKeys[i]))
            return OutputClash{i, *source};
    return std::nullopt;
}

std::optional<SharedOutput> firstSharedOutput(std::span<const std::string> outputs, const CaseProbe& probe)
{
    FileKeys keys(probe);
    std::vector<PathKeys> outputKeys = keys.of(outputs);
    keys.foldPlaces(outputKeys);
    KeyIndex outputAt;
    for (std::size_t i = 0; i < outputKeys.size(); ++i) {
        if (std::optional<std::size_t> earlier = outputAt.find(outputKeys[i]))
            return SharedOutput{*earlier, i};
        outputAt.add(outputKeys[i], i);
    }
    return std::nullopt;
}

}  // namespace kst
