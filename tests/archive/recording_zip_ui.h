#pragma once

#include "archive/zip_ui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kst::test {

// A ZipUi that writes down every call and answers prompts from queues. A
// prompt the test did not queue an answer for fails the test (and is answered
// Cancel), so no test meets a question it did not expect.
class RecordingZipUi : public ZipUi {
public:
    std::vector<std::string> calls;  // every call but processEvents, in order
    int eventRounds = 0;             // calls of processEvents

    std::deque<bool> diskAnswers;  // insert-disk and last-disk prompts: true is OK
    std::deque<std::string> passwords;
    std::deque<Answer> answers;    // CRC and overwrite prompts
    // Run when a prompt is shown, before it is answered: the user swaps the disk.
    std::function<void(int disk)> onDiskPrompt;
    // Run on every processEvents: the user clicks something meanwhile.
    std::function<void(int round)> onEvents;

    void createProgressWindow() override { calls.push_back("create"); }
    void destroyProgressWindow() override { calls.push_back("destroy"); }
    void showProgressWindow() override { calls.push_back("show"); }
    void hideProgressWindow() override { calls.push_back("hide"); }
    void setProgressStatus(const std::string& text) override { calls.push_back("status " + text); }
    void setProgressEnd(std::int64_t total) override { calls.push_back("end " + std::to_string(total)); }
    void setProgressPosition(std::int64_t done) override { calls.push_back("position " + std::to_string(done)); }

    bool insertDisk(int wantedDisk) override;
    bool lastDisk(int insertedDisk) override;
    std::string password(const std::string& file) override;
    Answer crcError(const std::string& file) override;
    Answer overwrite(const std::string& file, bool existingIsOlder) override;
    void multiDiskNotice() override { calls.push_back("multi-disk notice"); }
    void missingFolderNotice(const std::string& folder) override { calls.push_back("missing folder " + folder); }
    void processEvents() override;

private:
    bool diskAnswer(const std::string& call, int disk);
    Answer nextAnswer(const std::string& call);
};

}  // namespace kst::test
