#include "platform/case_folding.h"

#include <sys/stat.h>
#include <system_error>

namespace kst {
namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string otherCase(std::string_view name)
{
    std::string turned(name);
    for (char& c : turned)
        if (isAsciiLetter(c))
            c = static_cast<char>(c ^ 0x20);
    return turned;
}

bool listedIn(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename() == name)
            return true;
    // A folder that cannot be listed counts as folding: at worst a refusal
    // too many, never a source written over.
    return false;
}

}  // namespace

bool foundUnderOtherCase(const std::filesystem::path& existing)
{
    const std::string name = existing.filename().string();
    const std::string other = otherCase(name);
    if (other == name)
        return false;
    const std::filesystem::path otherPath = existing.parent_path() / other;
    struct stat st {}, otherSt {};
    if (::lstat(existing.c_str(), &st) != 0 || ::lstat(otherPath.c_str(), &otherSt) != 0)
        return false;
    if (st.st_dev == otherSt.st_dev && st.st_ino == otherSt.st_ino)
        return true;
    // Two inodes: two entries of a case-sensitive folder, or one entry that
    // the file system numbers anew for each spelling. Only the listing tells.
    return !listedIn(existing.parent_path(), other);
}

std::string foldCase(std::string_view name)
{
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto c = static_cast<unsigned char>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            folded[i] = static_cast<char>(c + 0x20);
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            // U+00C0 to U+00DE are the capitals of U+00E0 to U+00FE, but for U+00D7 (×).
            auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                folded[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return folded;
}

}  // namespace kst
