#pragma once

// The component's state, shared by its directory reading and its extraction.

#include "archive/tzip.h"
#include "archive/archive_file.h"
#include "archive/central_directory.h"
#include "archive/end_record.h"
#include "archive/unzip_module.h"

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kst {

class DirectoryProbe;

struct TZip::State {
    explicit State(TZip& owner) : owner(owner) {}

    TZip& owner;
    ZipUi* ui = nullptr;

    std::string archiveName;
    TEOCHInfo endRecord;
    bool oemNames = false;
    std::vector<TFileInfo> entries;

    std::unique_ptr<UnzipModule> module;
    bool extracting = false;
    bool cancelFlag = false;
    bool progressWindow = false;  // the running extraction has its window

    // Counters of the running extraction, kept by the callback.
    std::string currentFile;
    std::int64_t fileCount = 0;
    std::int64_t totalBytes = 0;
    std::int64_t bytesDone = 0;
    std::int64_t skippedCount = 0;
    // Why members of the last extraction were not unpacked, by name.
    std::map<std::string, std::string> refusals;
    // What a user interface or an event handler threw inside the callback;
    // thrown again once the module has returned.
    std::exception_ptr callbackError;

    void readDirectory();
    std::unique_ptr<ArchiveFile> openArchive() const;
    // Opens the archive and chooses its end record, asking for the last disk
    // of a set when needed; nothing when the user gives up.
    std::unique_ptr<ArchiveFile> openAtEndRecord(DirectoryProbe& probe);
    // The chosen end record's directory, its members checked to lie apart;
    // nothing when the user gives up on a disk. Throws ZipException.
    std::optional<CentralDirectory> readDirectoryAt(std::unique_ptr<ArchiveFile>& file, const DirectoryPlace& place,
                                                    DirectoryProbe& probe);
    // Hands over the disks after the current one, up to lastDisk.
    NextDisk nextDiskUpTo(int lastDisk) const;

    // The callback the module calls; the record's caller value is this state.
    static std::int32_t UNZDLL_CALL callback(UnzCallbackInfo* info);
    std::int32_t onCallback(UnzCallbackInfo& info);
    void handleAction(UnzCallbackInfo& info);
    void hideForPrompt();
    void showAfterPrompt();
    void answerPassword(UnzCallbackInfo& info, const std::string& member);
    void answerCrcError(UnzCallbackInfo& info, const std::string& member);
    void answerOverwrite(UnzCallbackInfo& info, const std::string& member);

    // Whether there is anything to extract and a folder to extract it into;
    // tells the user when not.
    bool canExtractInto(const std::string& extractFolder) const;
    // Loads the module once; throws ZipException when it cannot be.
    void loadModule(const std::string& dllFolder);
    // Runs the module over the block, under the progress window when it shows.
    std::int32_t runModule(UnzParams* params);
    bool windowShowing() const { return owner.ShowProgressDialog && progressWindow && ui; }
};

}  // namespace kst
