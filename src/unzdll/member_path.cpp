#include "unzdll/member_path.h"

#include <climits>
#include <vector>

namespace kst::unz {
namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string matchKey(std::string_view name, bool ignoreCase)
{
    std::string key(name);
    for (char& c : key) {
        if (c == '\\')
            c = '/';
        else if (ignoreCase && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

bool isFolderEntry(std::string_view name)
{
    return !name.empty() && isSeparator(name.back());
}

std::optional<std::filesystem::path> memberPath(std::string_view name, bool keepFolders)
{
    // A NUL would end the name early for the system, so that "..\0x" reached
    // it as "..": no such name is taken, whatever follows the NUL.
    if (name.empty() || isSeparator(name.front()) || name.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (name.size() >= 2 && isAsciiLetter(name[0]) && name[1] == ':')
        return std::nullopt;

    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !isSeparator(name[end]))
            ++end;
        std::string_view part = name.substr(start, end - start);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".")
            parts.push_back(part);
        start = end + 1;
    }
    if (parts.empty())
        return std::nullopt;
    if (!keepFolders)
        return std::filesystem::path(parts.back());

    std::filesystem::path path;
    for (std::string_view part : parts)
        path /= part;
    return path;
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
