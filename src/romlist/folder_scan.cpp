#include "romlist/folder_scan.h"

#include "core/paths.h"
#include "core/texts.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace kst {
namespace {

// Bytes above 0x7F (UTF-8) sort after ASCII, as unsigned values.
unsigned char foldAsciiCase(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

void scanInto(const fs::path& folder, FolderContents& contents)
{
    std::error_code ec;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    if (ec) {
        // A folder that lists only partly is reported, and what it did list is still added.
        contents.skipped.push_back({folder, SkipReason::FolderUnreadable, ec.message()});
    }
    std::sort(entries.begin(), entries.end(), [](const fs::directory_entry& a, const fs::directory_entry& b) {
        return nameOrderLess(a.path().filename().string(), b.path().filename().string());
    });

    for (const fs::directory_entry& entry : entries) {
        const fs::path& path = entry.path();
        const bool link = entry.is_symlink(ec);
        const fs::file_status target = entry.status(ec);  // follows a link
        if (fs::is_directory(target)) {
            if (link)
                contents.skipped.push_back({path, SkipReason::FolderLink, {}});
            else
                scanInto(path, contents);
        } else if (!fs::is_regular_file(target)) {
            // Reading a pipe named like an image would wait for ever.
            contents.skipped.push_back({path, SkipReason::NotAFile, {}});
        } else if (hasExtension(path.string(), GbaExtension) || hasExtension(path.string(), ZipExtension)) {
            contents.files.push_back(path);
        } else {
            contents.skipped.push_back({path, SkipReason::WrongExtension, {}});
        }
    }
}

}  // namespace

bool nameOrderLess(const std::string& a, const std::string& b)
{
    const auto byFoldedByte = [](char x, char y) { return foldAsciiCase(x) < foldAsciiCase(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byFoldedByte))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byFoldedByte))
        return false;
    return a < b;
}

FolderContents scanFolder(const fs::path& folder)
{
    FolderContents contents;
    scanInto(folder, contents);
    return contents;
}

std::string skippedSummary(const std::vector<SkippedEntry>& skipped, std::size_t maxLines)
{
    std::string lines;
    for (std::size_t i = 0; i < skipped.size() && i < maxLines; ++i) {
        const SkippedEntry& entry = skipped[i];
        const std::string path = entry.path.string();
        if (!lines.empty())
            lines += '\n';
        switch (entry.reason) {
        case SkipReason::WrongExtension: lines += format(tr(texts::SkippedWrongExtension), {path}); break;
        case SkipReason::NotAFile: lines += format(tr(texts::SkippedNotAFile), {path}); break;
        case SkipReason::FolderLink: lines += format(tr(texts::SkippedFolderLink), {path}); break;
        case SkipReason::FolderUnreadable:
            lines += format(tr(texts::SkippedFolderUnreadable), {path, entry.detail});
            break;
        case SkipReason::ImageUnreadable:
            lines += format(tr(texts::SkippedImageUnreadable), {path, entry.detail});
            break;
        case SkipReason::ArchiveRefused: {
            // One line per entry: the import's message may run over several.
            std::string reason = entry.detail;
            std::replace(reason.begin(), reason.end(), '\n', ' ');
            lines += format(tr(texts::SkippedArchiveRefused), {path, reason});
            break;
        }
        }
    }
    if (skipped.size() > maxLines)
        lines += '\n' + format(tr(texts::SkippedMore), {std::to_string(skipped.size() - maxLines)});
    return format(tr(texts::SkippedEntries), {lines});
}

}  // namespace kst
