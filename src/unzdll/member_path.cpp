#include "unzdll/member_path.h"

#include "zipformat/member_file_name.h"

#include <climits>

namespace kst::unz {

std::string matchKey(std::string_view name, bool ignoreCase)
{
    std::string key = zip::withSlashes(name);
    if (ignoreCase)
        for (char& c : key)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool isFolderEntry(std::string_view name)
{
    return !name.empty() && zip::isNameSeparator(name.back());
}

std::optional<std::filesystem::path> memberPath(std::string_view name, bool keepFolders)
{
    const std::optional<std::string> file = zip::memberFileName(name);
    if (!file)
        return std::nullopt;
    std::filesystem::path path(*file);
    return keepFolders ? path : path.filename();
}

bool fitsTheSystem(const std::filesystem::path& path)
{
    if (path.native().size() >= PATH_MAX)
        return false;
    for (const std::filesystem::path& part : path)
        if (part.native().size() > NAME_MAX)
            return false;
    return true;
}

}  // namespace kst::unz
