#include "archive/tzip.h"

#include "archive/central_directory.h"
#include "archive/end_record.h"
#include "archive/spanned_disks.h"
#include "archive/tzip_state.h"
#include "core/texts.h"
#include "platform/files.h"
#include "platform/platform.h"

#include <filesystem>

namespace kst {
namespace {

ZipException notValid(const std::string& path)
{
    return ZipException(format(tr(texts::ZipNotValid), {path}));
}

}  // namespace

TZip::TZip() : state_(std::make_unique<State>(*this))
{
    state_->endRecord = emptyEndRecord();
}

TZip::~TZip() = default;

void TZip::setUi(ZipUi* ui)
{
    state_->ui = ui;
}

const std::string& TZip::ArchiveName() const
{
    return state_->archiveName;
}

void TZip::setArchiveName(const std::string& path)
{
    State& s = *state_;
    if (s.extracting)
        throw ZipException(tr(texts::ZipBusy));
    Password.clear();
    s.oemNames = false;
    s.endRecord = emptyEndRecord();
    s.entries.clear();
    s.archiveName = path;

    if (!path.empty()) {
        if (!platform().volumeOf(path))
            throw ZipException(tr(texts::ZipDriveUnreadable));
        // Only a regular file is read, and only a missing one is created: a
        // folder or a FIFO of that name is neither overwritten nor waited on.
        std::error_code ec;
        const std::filesystem::file_type kind = std::filesystem::status(path, ec).type();
        if (kind == std::filesystem::file_type::directory)
            throw ZipException(format(tr(texts::ZipIsFolder), {path}));
        const bool missing = kind == std::filesystem::file_type::not_found || kind == std::filesystem::file_type::none;
        if (kind != std::filesystem::file_type::regular && !missing)
            throw ZipException(format(tr(texts::ZipNotAFile), {path}));
        if (missing) {
            try {
                writeFileAtomically(path, std::span<const std::uint8_t>(s.endRecord.record));
            } catch (const FileError&) {
                throw ZipException(format(tr(texts::ZipCannotCreate), {path}));
            }
        }
        s.readDirectory();
    }
    if (OnContentsChanged)
        OnContentsChanged(*this);
}

int TZip::Count() const
{
    return static_cast<int>(state_->entries.size());
}

TFileInfo TZip::GetEntry(int index) const
{
    if (index < 0 || index >= Count())
        throw ZipException(tr(texts::ZipIndexRange));
    return state_->entries[static_cast<std::size_t>(index)];
}

const TEOCHInfo& TZip::endRecord() const
{
    return state_->endRecord;
}

bool TZip::extracting() const
{
    return state_->extracting;
}

void TZip::cancel()
{
    state_->cancelFlag = true;
}

bool TZip::cancelled() const
{
    return state_->cancelFlag;
}

std::unique_ptr<ArchiveFile> TZip::State::openArchive() const
{
    try {
        return std::make_unique<ArchiveFile>(archiveName);
    } catch (const FileError&) {
        throw ZipException(format(tr(texts::ZipCannotOpen), {archiveName}));
    }
}

// The directories read while the end record is chosen (the record whose
// directory reads is the archive's): the last one is kept, so that the
// chosen record's directory is not read twice.
class DirectoryProbe {
public:
    bool reads(std::unique_ptr<ArchiveFile>& file, const zip::EndRecord& end)
    {
        // A set's directory lies on other disks: read when the user inserts them.
        if (zip::thisDisk(end) != 0 || zip::directoryDisk(end) != 0)
            return true;
        std::optional<DirectoryPlace> place = zip::directoryPlace(readerOf(*file), end);
        if (!place)
            return false;
        directory_ = readCentralDirectory(file, zip::directoryStart(*place, file->size()), place->entries, {});
        readFor_ = end.position;
        return directory_.has_value();
    }

    // The directory of the end record at position, when it was the last one read.
    std::optional<CentralDirectory> takeFor(std::int64_t position)
    {
        if (readFor_ != static_cast<std::uint64_t>(position))
            return std::nullopt;
        return std::move(directory_);
    }

private:
    std::optional<CentralDirectory> directory_;
    std::uint64_t readFor_ = 0;
};

void TZip::State::readDirectory()
{
    entries.clear();
    if (archiveName.empty())
        return;

    DirectoryProbe probe;
    std::unique_ptr<ArchiveFile> file = openAtEndRecord(probe);
    if (!file)
        return;
    if (isImplausible(endRecord))
        throw notValid(archiveName);
    std::optional<DirectoryPlace> place = directoryPlace(*file, endRecord);
    if (!place)
        throw notValid(archiveName);
    if (place->entries == 0)
        return;
    std::optional<CentralDirectory> directory = readDirectoryAt(file, *place, probe);
    if (!directory)
        return;
    entries = std::move(directory->entries);
    oemNames = directory->oemNames;
}

std::unique_ptr<ArchiveFile> TZip::State::openAtEndRecord(DirectoryProbe& probe)
{
    std::unique_ptr<ArchiveFile> file = openArchive();
    std::optional<TEOCHInfo> found;
    while (!(found = findEndRecord(*file, [&](const zip::EndRecord& end) { return probe.reads(file, end); }))) {
        // No end record: on a disk of a set, the user may have the wrong one in.
        file.reset();
        int disk = diskNumberOf(archiveName);
        if (disk == 0)
            throw notValid(archiveName);
        if (!ui || !ui->lastDisk(disk))
            return nullptr;
        file = openArchive();
    }
    endRecord = *found;
    return file;
}

std::optional<CentralDirectory> TZip::State::readDirectoryAt(std::unique_ptr<ArchiveFile>& file,
                                                             const DirectoryPlace& place, DirectoryProbe& probe)
{
    const int lastDisk = thisDisk(endRecord);
    if (directoryDisk(endRecord) != lastDisk) {
        // Disks are labelled from 1, while the record counts them from 0.
        file.reset();
        if (!insertDisk(archiveName, directoryDisk(endRecord) + 1, ui))
            return std::nullopt;
        file = openArchive();
    }

    const std::uint64_t start = lastDisk == 0 ? zip::directoryStart(place, file->size()) : place.offset;
    std::optional<CentralDirectory> directory;
    if (lastDisk == 0)
        directory = probe.takeFor(endRecord.position);
    if (!directory)
        directory = readCentralDirectory(file, start, place.entries, nextDiskUpTo(lastDisk));
    if (!directory)
        throw ZipException(tr(texts::ZipDirectoryUnreadable));
    // Members of a set of disks lie on other disks; their extraction is refused anyway.
    if (lastDisk == 0
        && !membersLieApart(directory->entries, *file,
                            static_cast<std::int64_t>(start) - static_cast<std::int64_t>(place.offset)))
        throw ZipException(format(tr(texts::ZipMembersOverlap), {archiveName}));
    return directory;
}

NextDisk TZip::State::nextDiskUpTo(int lastDisk) const
{
    if (lastDisk <= 0)
        return {};
    return [this, lastDisk]() -> std::unique_ptr<ArchiveFile> {
        int disk = diskNumberOf(archiveName);
        if (disk == 0 || disk > lastDisk || !insertDisk(archiveName, disk + 1, ui))
            return nullptr;
        try {
            return std::make_unique<ArchiveFile>(archiveName);
        } catch (const FileError&) {
            return nullptr;
        }
    };
}

}  // namespace kst
