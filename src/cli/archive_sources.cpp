#include "cli/archive_sources.h"

#include "archive/image_members.h"
#include "zipformat/zip_records.h"
#include "core/paths.h"
#include "core/printable.h"
#include "core/texts.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "romops/image_file.h"
#include "zipformat/limits.h"

#include <iostream>
#include <optional>

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
    // Nothing is unpacked to disk, so nothing is overwritten.
    Answer overwrite(const std::string&, bool) override { return Answer::No; }
    void multiDiskNotice() override { say(tr(texts::ZipMultiDisk)); }
    void missingFolderNotice(const std::string& folder) override
    {
        say(format(tr(texts::ZipMissingFolder), {folder}));
    }
    void processEvents() override {}

private:
    // The first line of a prompt: its question is not asked.
    static void say(const std::string& text) { std::cerr << escapeControls(text.substr(0, text.find('\n'))) << '\n'; }
};

// The component's messages break their lines where their texts do; only the
// archive's name in them is written with its control characters escaped.
std::string withNameEscaped(std::string message, const std::string& name)
{
    const std::string escaped = escapeControls(name);
    for (std::size_t at = message.find(name); at != std::string::npos && !name.empty();
         at = message.find(name, at + escaped.size())) {
        message.replace(at, name.size(), escaped);
    }
    return message;
}

// The checksum a central-directory entry holds, as stored.
std::uint32_t entryCrc(const TFileInfo& entry)
{
    return zip::le32(entry.header.data() + zip::entry::Crc);
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
}

std::vector<Source> ArchiveSources::list(const std::string& archive, bool& failed)
{
    // The archive component would create a missing archive as an empty one;
    // a command-line argument that names nothing is an error instead.
    checkReadable(archive);
    zip_.setArchiveName(archive);
    const std::vector<int> images = imageMembers(zip_);
    if (images.empty()) {
        std::cerr << format(tr(texts::NoGbaImages), {escapeControls(archive)}) << '\n';
        failed = true;
    }
    std::vector<Source> sources;
    for (int i : images) {
        const TFileInfo entry = zip_.GetEntry(i);
        const std::string shown = archive + ":" + entry.name;
        const ArchiveMember member{archive, static_cast<std::uint64_t>(i), entryCrc(entry)};
        // A member the window would not unpack is said with the window's
        // reason and left out; the others go on.
        if (std::optional<std::string> why = members_.refusal(member, entry.name)) {
            std::cerr << format(tr(texts::CliFileMessage), {escapeControls(shown), *why}) << '\n';
            failed = true;
            continue;
        }
        sources.push_back({shown, entry.name, member});
    }
    return sources;
}

std::vector<std::uint8_t> ArchiveSources::image(const Source& source, std::size_t extraCapacity)
{
    if (!source.member) {
        RomFile file(source.path, RomFile::Access::ReadOnly);
        return ops::readImage(file, {}, extraCapacity);
    }
    return members_.read(*source.member, source.path, source.shown);
}

std::vector<Source> ArchiveSources::expand(const std::vector<std::string>& files, bool& failed)
{
    std::vector<Source> sources;
    for (const std::string& file : files) {
        if (!hasExtension(file, ZipExtension)) {
            sources.push_back({file, file, std::nullopt});
            continue;
        }
        try {
            std::vector<Source> members = list(file, failed);
            sources.insert(sources.end(), members.begin(), members.end());
        } catch (const FileError& error) {
            cli::reportFailure(file, error);
            failed = true;
        } catch (const ZipException& error) {
            std::cerr << withNameEscaped(error.what(), file) << '\n';
            failed = true;
        }
    }
    return sources;
}

}  // namespace kst
