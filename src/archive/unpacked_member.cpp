#include "archive/unpacked_member.h"

#include <algorithm>
#include <filesystem>

namespace kst {

std::optional<std::string> unpackedMemberPath(const std::string& folder, const std::string& name)
{
    namespace fs = std::filesystem;
    if (name.empty() || name.find('\0') != std::string::npos)
        return std::nullopt;
    // The module takes "\" as a separator too.
    std::string spelled = name;
    std::replace(spelled.begin(), spelled.end(), '\\', '/');
    fs::path relative(spelled);
    if (relative.has_root_path())
        return std::nullopt;
    for (const fs::path& part : relative)
        if (part == "..")
            return std::nullopt;

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
