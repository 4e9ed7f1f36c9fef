#include "settings/folder_tree.h"

#include <algorithm>
#include <iterator>
#include <system_error>

namespace kst {
namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Sorted as the letters read, whatever their case; names that differ only in
// case ("Roms" and "roms") keep a fixed order among themselves.
bool caseInsensitiveLess(const std::string& a, const std::string& b)
{
    auto folded = [](std::string text) {
        std::ranges::transform(text, text.begin(), asciiLower);
        return text;
    };
    std::string fa = folded(a);
    std::string fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

// The names of the folders inside folder, hidden ones left out; false with
// the reason when the folder cannot be listed.
bool subfolderNames(const std::filesystem::path& folder, std::vector<std::string>& names, std::string& reason)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code kindError;
        // A link that leads nowhere or into a folder we may not look at is simply no folder.
        if (name.starts_with('.') || !it->is_directory(kindError))
            continue;
        names.push_back(std::move(name));
    }
    if (ec) {
        reason = ec.message();
        return false;
    }
    std::sort(names.begin(), names.end(), caseInsensitiveLess);
    return true;
}

}  // namespace

std::filesystem::path chooserFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(folder, ec);
    if (ec)
        full = folder;
    full = full.lexically_normal();
    if (!full.has_filename() && full != full.root_path())
        full = full.parent_path();
    return full;
}

FolderTree folderTree(const std::filesystem::path& current)
{
    std::filesystem::path folder = chooserFolder(current);
    FolderTree tree;

    std::filesystem::path walked;
    int depth = 0;
    for (const std::filesystem::path& part : folder) {
        walked /= part;
        tree.entries.push_back({part.string(), walked, depth++, FolderEntry::Kind::Ancestor});
    }
    if (tree.entries.empty())
        return tree;  // only when even the process's own folder is unknown
    tree.entries.back().kind = FolderEntry::Kind::Current;

    std::vector<std::string> names;
    tree.readable = subfolderNames(folder, names, tree.reason);
    for (std::string& name : names) {
        std::filesystem::path path = folder / name;
        tree.entries.push_back({std::move(name), std::move(path), depth, FolderEntry::Kind::Subfolder});
    }
    return tree;
}

std::string chosenFolderText(const std::filesystem::path& folder)
{
    return folder.string() + "/";
}

std::size_t volumeOf(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& volumes)
{
    std::size_t best = volumes.size();
    std::size_t bestDepth = 0;
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        // Compared step by step, so that /mnt/usb does not hold /mnt/usb2.
        std::filesystem::path mount = chooserFolder(volumes[i]);
        bool holds = std::mismatch(mount.begin(), mount.end(), folder.begin(), folder.end()).first == mount.end();
        auto depth = static_cast<std::size_t>(std::distance(mount.begin(), mount.end()));
        if (holds && (best == volumes.size() || depth > bestDepth)) {
            best = i;
            bestDepth = depth;
        }
    }
    return best;
}

}  // namespace kst
