#pragma once

// The component's state, shared by its directory reading and its extraction.

#include "archive/tzip.h"
#include "archive/archive_file.h"
#include "archive/unzip_module.h"

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kst {

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

    // The callback the module calls; the record's caller value is this state.
    static std::int32_t UNZDLL_CALL callback(UnzCallbackInfo* info);
    std::int32_t onCallback(UnzCallbackInfo& info);
    void handleAction(UnzCallbackInfo& info);
    bool windowShowing() const { return owner.ShowProgressDialog && progressWindow && ui; }
};

}  // namespace kst
