#include "platform/output_clash.h"

#include "platform/files.h"

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <utility>
#include <variant>

namespace kst {
namespace {

namespace fs = std::filesystem;

// An existing file by its device and inode; one not there yet by the place it
// would be created at.
using FileKey = std::variant<std::pair<dev_t, ino_t>, std::string>;

class FileKeys {
public:
    FileKey of(const std::string& path)
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            return std::pair(st.st_dev, st.st_ino);
        return placeOf(path);
    }

private:
    std::string placeOf(const fs::path& path)
    {
        fs::path real = path;
        try {
            real = followLinks(path);
        } catch (const FileError&) {
            // A loop or an unreadable link: no write gets through it either.
        }
        std::error_code ec;
        real = fs::absolute(real, ec);
        // The outputs of a run share a folder or a few: resolve each once.
        auto [folder, fresh] = folders_.try_emplace(real.parent_path());
        if (fresh) {
            folder->second = fs::weakly_canonical(folder->first, ec);
            if (ec)
                folder->second = folder->first.lexically_normal();
        }
        return (folder->second / real.filename()).string();
    }

    std::map<fs::path, fs::path> folders_;
};

}  // namespace

std::optional<OutputClash> firstOutputOntoSource(std::span<const std::string> outputs,
                                                 std::span<const std::string> sources)
{
    FileKeys keys;
    std::map<FileKey, std::size_t> sourceAt;
    for (std::size_t i = 0; i < sources.size(); ++i)
        sourceAt.emplace(keys.of(sources[i]), i);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (auto found = sourceAt.find(keys.of(outputs[i])); found != sourceAt.end())
            return OutputClash{i, found->second};
    return std::nullopt;
}

}  // namespace kst
