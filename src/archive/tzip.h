#pragma once

#include "archive/zip_ui.h"
#include "zipformat/zip_records.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kst {

// Every failure of the archive component, with its message for the user.
class ZipException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bits of TZip::ExtractOptions. Update and freshen replace only files
// older than their member (freshen writes no new ones); without either, all
// are overwritten or the user is asked.
enum ExtractOption : std::uint8_t {
    ExtractUpdate = 0x01,
    ExtractFreshen = 0x02,
    ExtractOverwriteAll = 0x04,
    ExtractAsk = 0x08,
    ExtractIgnoreCase = 0x10,
};

// One member as its central-directory file header describes it.
struct TFileInfo {
    std::array<std::uint8_t, zip::entry::Size> header{};  // copied as stored
    std::uint8_t encrypted = 0;             // bit 0 of the general-purpose flags
    std::string name;                       // UTF-8, "/" as the separator of this system
    std::string extraField;                 // raw bytes
    std::string comment;                    // converted like the name
};

// The end-of-central-directory record and where it was found (-1: nowhere).
struct TEOCHInfo {
    std::array<std::uint8_t, zip::end::Size> record{};
    std::int64_t position = -1;
};

// The archive component: lists the members of a zip archive by reading its
// central directory, and extracts chosen members through the unzip module.
// Qt-free; what it shows goes through a ZipUi.
class TZip {
public:
    TZip();
    ~TZip();
    TZip(const TZip&) = delete;
    TZip& operator=(const TZip&) = delete;

    // Writing the name reads the archive's directory; throws ZipException.
    void setArchiveName(const std::string& path);
    const std::string& ArchiveName() const;

    int Count() const;
    // Throws ZipException("Index range error") outside 0 .. Count() - 1.
    TFileInfo GetEntry(int index) const;
    const TEOCHInfo& endRecord() const;

    std::string Password;
    std::string DllFolder;
    std::string ExtractFolder;
    std::uint8_t ExtractOptions = ExtractUpdate;  // ExtractOption bits
    std::vector<std::string> FileSpecs;
    bool ShowProgressDialog = true;

    std::function<void(TZip&)> OnContentsChanged;
    std::function<void(TZip&, const std::string& file, std::int64_t fileSize, std::int64_t batchCount,
                       std::int64_t totalBytes)> OnZEDBeginFileEvent;
    std::function<void(TZip&, const std::string& file, std::int64_t bytesDone, std::int64_t totalBytes)>
        OnZEDProgressEvent;
    std::function<void(TZip&, std::int64_t skippedCount, std::int64_t batchCount, std::int64_t totalBytes)>
        OnZEDEndBatchEvent;

    // The window and prompts; without one, questions get their safe answers.
    void setUi(ZipUi* ui);

    // Extracts FileSpecs into ExtractFolder; returns the module's count of
    // extracted files (0 when nothing was attempted). Throws ZipException.
    int Extract();
    // True while Extract runs (callers must not start another extraction
    // or write ArchiveName from an event handled meanwhile).
    bool extracting() const;
    // Why a member named in FileSpecs was not unpacked by the last
    // extraction, as a text to follow its name ("not unpacked: ..."); nothing
    // when it was unpacked or left alone by the overwrite rules.
    std::optional<std::string> refusal(const std::string& member) const;
    // What the progress window's Cancel does.
    void cancel();
    bool cancelled() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kst
