#include "cli/archive_sources.h"

#include "archive/unpacked_member.h"
#include "core/paths.h"
#include "core/texts.h"
#include "platform/file_error.h"
#include "platform/platform.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <iostream>

namespace kst {
namespace {

// Nobody to ask: no window, every question gets the answer that keeps the
// extraction safe, and what would have been asked is said on standard error.
class QuietZipUi : public WindowlessZipUi {
public:
    bool insertDisk(int) override { return false; }
    bool lastDisk(int) override { return false; }
    std::string password(const std::string& file) override
    {
        say(format(tr(texts::ZipPassword), {file}));
        return {};
    }
    Answer crcError(const std::string& file) override
    {
        say(format(tr(texts::ZipCrcError), {file}));
        return Answer::No;
    }
    // The folder is fresh, so only a name listed twice in one archive gets
    // here; the first copy stays.
    Answer overwrite(const std::string&, bool) override { return Answer::No; }
    void multiDiskNotice() override { say(tr(texts::ZipMultiDisk)); }
    void missingFolderNotice(const std::string& folder) override
    {
        say(format(tr(texts::ZipMissingFolder), {folder}));
    }
    void processEvents() override {}

private:
    // The first line of a prompt: its question is not asked.
    static void say(const std::string& text) { std::cerr << text.substr(0, text.find('\n')) << '\n'; }
};

// The archive component would create a missing archive as an empty one; a
// command-line argument that names nothing is an error instead.
void requireReadable(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fileErrorFromErrno(path);
    ::close(fd);
}

}  // namespace

ArchiveSources::ArchiveSources() : ui_(std::make_unique<QuietZipUi>())
{
    zip_.setUi(ui_.get());
    zip_.ShowProgressDialog = false;
}

ArchiveSources::~ArchiveSources()
{
    zip_.setUi(nullptr);
    if (!folder_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
}

const std::filesystem::path& ArchiveSources::folder()
{
    if (folder_.empty()) {
        std::string pattern = (platform().temporaryFolder() / "kestrom-cli-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw fileErrorFromErrno(pattern);
        folder_ = pattern;
    }
    return folder_;
}

std::vector<Source> ArchiveSources::unpack(const std::string& archive, bool& failed)
{
    requireReadable(archive);
    // Each archive gets its own folder, so members of equal names stay apart.
    std::filesystem::path into = folder() / std::to_string(++archives_);
    std::error_code ec;
    if (!std::filesystem::create_directory(into, ec) && ec)
        throw FileError(into, ec.message());

    zip_.setArchiveName(archive);
    std::vector<std::string> members;
    for (int i = 0; i < zip_.Count(); ++i) {
        std::string name = zip_.GetEntry(i).name;
        if (hasExtension(name, GbaExtension))
            members.push_back(std::move(name));
    }
    if (members.empty()) {
        std::cerr << format(tr(texts::NoGbaImages), {archive}) << '\n';
        failed = true;
        return {};
    }

    const std::string extractFolder = into.string() + "/";
    zip_.FileSpecs = members;
    zip_.ExtractFolder = extractFolder;
    zip_.ExtractOptions = 1 << 3;  // ask, and the quiet answers keep the first of a name listed twice
    zip_.Extract();

    std::vector<Source> sources;
    for (const std::string& name : members) {
        std::string shown = archive + ":" + name;
        if (std::optional<std::string> path = unpackedMemberPath(extractFolder, name)) {
            sources.push_back({shown, *path});
        } else {
            std::cerr << format(tr(texts::CliFileMessage), {shown, tr(texts::MemberOutsideFolder)}) << '\n';
            failed = true;
        }
    }
    return sources;
}

std::vector<Source> ArchiveSources::expand(const std::vector<std::string>& files, bool& failed)
{
    std::vector<Source> sources;
    for (const std::string& file : files) {
        if (!hasExtension(file, ZipExtension)) {
            sources.push_back({file, file});
            continue;
        }
        try {
            std::vector<Source> members = unpack(file, failed);
            sources.insert(sources.end(), members.begin(), members.end());
        } catch (const FileError& error) {
            std::cerr << error.what() << '\n';
            failed = true;
        } catch (const ZipException& error) {
            std::cerr << error.what() << '\n';
            failed = true;
        }
    }
    return sources;
}

}  // namespace kst
