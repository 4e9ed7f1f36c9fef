#include "archive/unpacked_member.h"

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

    std::error_code ec;
    fs::path base = fs::canonical(folder, ec);
    if (ec)
        return std::nullopt;
    fs::path resolved = fs::weakly_canonical(base / relative, ec);
    if (ec)
        return std::nullopt;
    fs::path inside = resolved.lexically_relative(base);
    if (inside.empty() || *inside.begin() == ".." || inside == ".")
        return std::nullopt;
    return folder + name;
}

}  // namespace kst
