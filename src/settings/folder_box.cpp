#include "settings/folder_box.h"

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

}  // namespace kst
