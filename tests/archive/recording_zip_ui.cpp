#include "archive/recording_zip_ui.h"

#include <gtest/gtest.h>

namespace kst::test {

bool RecordingZipUi::diskAnswer(const std::string& call, int disk)
{
    calls.push_back(call);
    if (onDiskPrompt)
        onDiskPrompt(disk);
    if (diskAnswers.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << call;
        return false;
    }
    bool answer = diskAnswers.front();
    diskAnswers.pop_front();
    return answer;
}

ZipUi::Answer RecordingZipUi::nextAnswer(const std::string& call)
{
    calls.push_back(call);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << call;
        return Answer::Cancel;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingZipUi::insertDisk(int wantedDisk)
{
    return diskAnswer("insert disk " + std::to_string(wantedDisk), wantedDisk);
}

bool RecordingZipUi::lastDisk(int insertedDisk)
{
    return diskAnswer("last disk " + std::to_string(insertedDisk), insertedDisk);
}

std::string RecordingZipUi::password(const std::string& file)
{
    calls.push_back("password " + file);
    if (passwords.empty()) {
        ADD_FAILURE() << "unexpected password prompt for " << file;
        return {};
    }
    std::string answer = passwords.front();
    passwords.pop_front();
    return answer;
}

ZipUi::Answer RecordingZipUi::crcError(const std::string& file)
{
    return nextAnswer("crc " + file);
}

ZipUi::Answer RecordingZipUi::overwrite(const std::string& file, bool existingIsOlder)
{
    return nextAnswer("overwrite " + file + (existingIsOlder ? " older" : " newer"));
}

void RecordingZipUi::processEvents()
{
    ++eventRounds;
    if (onEvents)
        onEvents(eventRounds);
}

}  // namespace kst::test
