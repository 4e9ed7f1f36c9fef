#include "archive/unpacked_member.h"

#include "platform/files.h"
#include "zipformat/member_file_name.h"

#include <filesystem>

namespace kst {

std::optional<std::string> unpackedMemberPath(const std::string& folder, const std::string& name)
{
    namespace fs = std::filesystem;
    // The module refuses such a name and writes nothing for it.
    const std::optional<std::string> file = zip::memberFileName(name);
    if (!file)
        return std::nullopt;
    const fs::path relative(*file);

    const std::optional<FileIdentity> base = fileIdentity(folder);
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(fs::path(folder) / relative, ec);
    if (!base || ec || fileIdentity(resolved) == base)
        return std::nullopt;
    // Inside when a folder on the way, links resolved, is the extraction folder itself.
    for (fs::path up = resolved.parent_path();; up = up.parent_path()) {
        if (fileIdentity(up) == base)
            return folder + name;
        if (!up.has_relative_path())
            return std::nullopt;
    }
}

}  // namespace kst
