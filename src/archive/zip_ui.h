#pragma once

#include <cstdint>
#include <string>

namespace kst {

// What the archive component shows to the user while it reads a directory or
// extracts: its progress window and its prompts. The program implements it
// with windows and the dialog seam; the command-line tool and the tests with
// their own answers. Every call returns before the component goes on.
class ZipUi {
public:
    virtual ~ZipUi() = default;

    enum class Answer { Yes, No, Cancel };

    // The progress window of one extraction: created just before the module
    // runs, destroyed right after it returns (also when it fails).
    virtual void createProgressWindow() = 0;
    virtual void destroyProgressWindow() = 0;
    virtual void showProgressWindow() = 0;
    virtual void hideProgressWindow() = 0;
    virtual void setProgressStatus(const std::string& text) = 0;
    virtual void setProgressEnd(std::int64_t total) = 0;
    virtual void setProgressPosition(std::int64_t done) = 0;

    // Prompts. true is OK, false Cancel.
    virtual bool insertDisk(int wantedDisk) = 0;
    virtual bool lastDisk(int insertedDisk) = 0;
    // The typed password; empty when cancelled.
    virtual std::string password(const std::string& file) = 0;
    virtual Answer crcError(const std::string& file) = 0;
    virtual Answer overwrite(const std::string& file, bool existingIsOlder) = 0;
    // Notices with one OK button.
    virtual void multiDiskNotice() = 0;
    virtual void missingFolderNotice(const std::string& folder) = 0;

    // Lets the user interface handle its pending events (repaints, the
    // progress window's Cancel); called on every callback of the module.
    virtual void processEvents() = 0;
};

// For callers with no progress window to show (the command-line tool, the
// fuzz target): the progress calls do nothing, the prompts are theirs.
class WindowlessZipUi : public ZipUi {
public:
    void createProgressWindow() override {}
    void destroyProgressWindow() override {}
    void showProgressWindow() override {}
    void hideProgressWindow() override {}
    void setProgressStatus(const std::string&) override {}
    void setProgressEnd(std::int64_t) override {}
    void setProgressPosition(std::int64_t) override {}
};

}  // namespace kst
