#include "core/paths.h"

#include "core/ascii.h"
#include "core/texts.h"

namespace kst {
namespace {

std::size_t afterLastSeparator(std::string_view path)
{
    std::size_t sep = path.rfind(PathSeparator);
    return sep == std::string_view::npos ? 0 : sep + 1;
}

}  // namespace

std::string_view extensionOf(std::string_view path)
{
    std::size_t start = afterLastSeparator(path);
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < start)
        return {};
    return path.substr(dot);
}

bool hasExtension(std::string_view path, std::string_view expected)
{
    return equalIgnoringAsciiCase(extensionOf(path), expected);
}

std::string nameOf(std::string_view path)
{
    std::string_view file = path.substr(afterLastSeparator(path));
    if (hasExtension(file, GbaExtension))
        file.remove_suffix(GbaExtension.size());
    return std::string(file);
}

std::string folderOf(std::string_view path)
{
    return std::string(path.substr(0, afterLastSeparator(path)));
}

std::string outputName(const std::string& outputFolder, const std::string& prefix, const std::string& name,
                       const std::string& suffix)
{
    return outputFolder + prefix + name + suffix + std::string(GbaExtension);
}

std::optional<char> characterRefusedInName(std::string_view name)
{
    const std::size_t at = name.find_first_of(std::string_view("/\0", 2));
    if (at == std::string_view::npos)
        return std::nullopt;
    return name[at];
}

std::string sampleName(const std::string& prefix, const std::string& suffix)
{
    return prefix + tr(texts::SampleRomName) + suffix + std::string(GbaExtension);
}

}  // namespace kst
