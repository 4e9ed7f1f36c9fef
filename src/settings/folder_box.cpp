#include "settings/folder_box.h"

#include <system_error>

namespace kst {

std::string trimmedBoxText(std::string_view text)
{
    // Compared unsigned: as plain char, UTF-8 lead and trail bytes would count as control characters.
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string folderBoxText(std::string_view text)
{
    std::string folder(text);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

FolderCreation createFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return FolderCreation::Existed;
    bool created = std::filesystem::create_directory(folder, ec);
    return created && !ec ? FolderCreation::Created : FolderCreation::Failed;
}

}  // namespace kst
