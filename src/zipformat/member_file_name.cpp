#include "zipformat/member_file_name.h"

namespace kst::zip {
namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool isNameSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::string withSlashes(std::string_view name)
{
    std::string slashed(name);
    for (char& c : slashed)
        if (isNameSeparator(c))
            c = '/';
    return slashed;
}

std::optional<std::string> memberFileName(std::string_view name)
{
    if (name.empty() || isNameSeparator(name.front()) || name.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (name.size() >= 2 && isAsciiLetter(name[0]) && name[1] == ':')
        return std::nullopt;

    std::string file;
    for (std::size_t start = 0; start <= name.size();) {
        std::size_t end = start;
        while (end < name.size() && !isNameSeparator(name[end]))
            ++end;
        const std::string_view part = name.substr(start, end - start);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".") {
            if (!file.empty())
                file += '/';
            file += part;
        }
        start = end + 1;
    }
    if (file.empty())
        return std::nullopt;
    return file;
}

}  // namespace kst::zip
