#include "platform/private_folder.h"

#include "core/texts.h"
#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

// Each trailing separator would make stat follow a link in the last place.
std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& folder)
{
    std::string text = folder.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

}  // namespace

std::optional<std::string> privateFolderProblem(const std::filesystem::path& folder, FolderLink link)
{
    const std::filesystem::path name = withoutTrailingSeparator(folder);
    struct stat st {};
    if (::lstat(name.c_str(), &st) != 0)
        return std::strerror(errno);
    if (S_ISLNK(st.st_mode)) {
        if (link == FolderLink::Refused)
            return tr(texts::FolderIsLink);
        if (st.st_uid != ::geteuid())
            return tr(texts::FolderOfOtherUser);
        if (::stat(name.c_str(), &st) != 0)
            return std::strerror(errno);
    }
    if (!S_ISDIR(st.st_mode))
        return tr(texts::NotAFolder);
    if (st.st_uid != ::geteuid())
        return tr(texts::FolderOfOtherUser);
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return tr(texts::FolderWritableByOthers);
    return std::nullopt;
}

void preparePrivateFolder(const std::filesystem::path& folder, FolderLink link)
{
    const std::filesystem::path name = withoutTrailingSeparator(folder);
    if (::mkdir(name.c_str(), 0700) != 0 && errno != EEXIST)
        throw fileErrorFromErrno(folder);
    if (std::optional<std::string> problem = privateFolderProblem(name, link))
        throw FileError(folder, *problem);
}

}  // namespace kst
