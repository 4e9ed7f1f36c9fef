#include "archive/tzip.h"

#include "archive/current_folder.h"
#include "archive/end_record.h"
#include "archive/member_refusal.h"
#include "archive/parameter_block.h"
#include "archive/tzip_state.h"
#include "core/paths.h"
#include "core/texts.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

namespace kst {
namespace {

namespace fs = std::filesystem;

// Marks the component busy for as long as an extraction runs.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

}  // namespace

int TZip::Extract()
{
    State& s = *state_;
    if (s.extracting)
        throw ZipException(tr(texts::ZipBusy));
    // Busy from here on: a notice or prompt lets events through.
    Busy busy(s.extracting);
    s.cancelFlag = false;
    s.refusals.clear();
    if (!s.canExtractInto(ExtractFolder))
        return 0;
    s.loadModule(DllFolder);

    // The module extracts into the current folder. Paths are made whole
    // before it moves, so that relative ones keep naming what they named.
    std::error_code ec;
    ExtractRequest request;
    request.caller = &s;
    request.callback = &State::callback;
    request.password = Password;
    request.options = ExtractOptions;
    request.members = FileSpecs;
    request.archivePath = fs::absolute(s.archiveName, ec).string();
    ParameterBlock block(std::move(request));

    const std::string target = ExtractFolder.empty() ? folderOf(s.archiveName) : ExtractFolder;
    std::optional<CurrentFolderChange> folder;
    if (!target.empty()) {
        folder.emplace(target);
        // Extracting anyway would put the files wherever the process happens to be.
        if (!folder->entered())
            throw ZipException(format(tr(texts::ZipCannotEnterFolder), {target, folder->reason()}));
    }

    const std::int32_t result = s.runModule(block.get());
    if (s.callbackError)
        std::rethrow_exception(std::exchange(s.callbackError, nullptr));
    FileSpecs.clear();
    return result;
}

bool TZip::State::canExtractInto(const std::string& extractFolder) const
{
    if (entries.empty())
        return false;
    if (thisDisk(endRecord) > 0) {
        if (ui)
            ui->multiDiskNotice();
        return false;
    }
    std::error_code ec;
    if (!extractFolder.empty() && !fs::is_directory(extractFolder, ec)) {
        if (ui)
            ui->missingFolderNotice(extractFolder);
        return false;
    }
    return true;
}

void TZip::State::loadModule(const std::string& dllFolder)
{
    if (module)
        return;
    module = UnzipModule::load(dllFolder);
    if (!module)
        throw ZipException(format(tr(texts::ZipCannotLoad), {tr(texts::ZipModuleArgument)}));
}

std::int32_t TZip::State::runModule(UnzParams* params)
{
    currentFile.clear();
    fileCount = totalBytes = bytesDone = skippedCount = 0;
    callbackError = nullptr;
    if (!owner.ShowProgressDialog || !ui)
        return module->exec(params);
    ui->createProgressWindow();
    progressWindow = true;
    std::int32_t result = 0;
    try {
        ui->showProgressWindow();
        result = module->exec(params);
    } catch (...) {
        progressWindow = false;
        ui->destroyProgressWindow();
        throw;
    }
    progressWindow = false;
    ui->destroyProgressWindow();
    return result;
}

std::optional<std::string> TZip::refusal(const std::string& member) const
{
    auto found = state_->refusals.find(member);
    if (found == state_->refusals.end())
        return std::nullopt;
    return found->second;
}

std::int32_t UNZDLL_CALL TZip::State::callback(UnzCallbackInfo* info)
{
    if (!info || !info->caller)
        return UNZ_CONTINUE;
    return static_cast<State*>(info->caller)->onCallback(*info);
}

// Nothing may be thrown back through the module: a failure of the user
// interface or of an event handler cancels, and Extract throws it afterwards.
std::int32_t TZip::State::onCallback(UnzCallbackInfo& info)
{
    try {
        if (!cancelFlag)
            handleAction(info);
    } catch (...) {
        if (!callbackError)
            callbackError = std::current_exception();
        cancelFlag = true;
    }
    const std::int32_t answer = cancelFlag ? UNZ_STOP : UNZ_CONTINUE;
    try {
        if (ui)
            ui->processEvents();
    } catch (...) {
        if (!callbackError)
            callbackError = std::current_exception();
        cancelFlag = true;
    }
    return answer;
}

void TZip::State::handleAction(UnzCallbackInfo& info)
{
    const std::string text(info.text, ::strnlen(info.text, UNZ_TEXT_SIZE));
    switch (info.action) {
    case UNZ_ACTION_BEGIN_FILE:
        currentFile = text;
        if (owner.OnZEDBeginFileEvent)
            owner.OnZEDBeginFileEvent(owner, currentFile, info.number, fileCount, totalBytes);
        if (windowShowing())
            ui->setProgressStatus(currentFile);
        break;
    case UNZ_ACTION_PROGRESS:
        bytesDone += info.number;
        if (owner.OnZEDProgressEvent)
            owner.OnZEDProgressEvent(owner, currentFile, info.number, totalBytes);
        if (windowShowing())
            ui->setProgressPosition(bytesDone);
        break;
    case UNZ_ACTION_END_BATCH:
        if (owner.OnZEDEndBatchEvent)
            owner.OnZEDEndBatchEvent(owner, skippedCount, fileCount, totalBytes);
        if (windowShowing())
            ui->hideProgressWindow();
        break;
    case UNZ_ACTION_FILE_COUNT:
        fileCount = info.number;
        break;
    case UNZ_ACTION_TOTAL_BYTES:
        totalBytes = info.number;
        bytesDone = 0;
        skippedCount = 0;
        if (windowShowing())
            ui->setProgressEnd(totalBytes);
        break;
    case UNZ_ACTION_PASSWORD:
        answerPassword(info, text);
        break;
    case UNZ_ACTION_CRC_ERROR:
        answerCrcError(info, text);
        break;
    case UNZ_ACTION_OVERWRITE:
        answerOverwrite(info, text);
        break;
    case UNZ_ACTION_SKIPPED:
        ++skippedCount;
        if (std::optional<std::string> why = refusalText(info.number, info.flag))
            refusals.emplace(text, std::move(*why));
        break;
    default:
        break;
    }
}

// Prompts must not sit under the progress window, which stays on top.
void TZip::State::hideForPrompt()
{
    if (windowShowing())
        ui->hideProgressWindow();
}

void TZip::State::showAfterPrompt()
{
    if (windowShowing())
        ui->showProgressWindow();
}

void TZip::State::answerPassword(UnzCallbackInfo& info, const std::string& member)
{
    hideForPrompt();
    const std::string password = ui ? ui->password(member) : std::string();
    if (!password.empty()) {
        // The record's text holds at most 511 characters and the terminating zero.
        const std::size_t length = std::min<std::size_t>(password.size(), UNZ_TEXT_SIZE - 1);
        std::memcpy(info.text, password.data(), length);
        info.text[length] = '\0';
        info.flag = 1;
        if (info.number > 0)
            --info.number;
    } else {
        info.flag = 0;
        info.number = 0;
    }
    showAfterPrompt();
}

void TZip::State::answerCrcError(UnzCallbackInfo& info, const std::string& member)
{
    hideForPrompt();
    const ZipUi::Answer answer = ui ? ui->crcError(member) : ZipUi::Answer::No;
    info.flag = answer == ZipUi::Answer::Yes ? 1 : 0;
    if (answer == ZipUi::Answer::Cancel)
        cancelFlag = true;
    else
        showAfterPrompt();
}

void TZip::State::answerOverwrite(UnzCallbackInfo& info, const std::string& member)
{
    const std::uint8_t options = owner.ExtractOptions;
    const bool existingIsOlder = info.flag & 1;
    if (!(options & (ExtractUpdate | ExtractFreshen | ExtractAsk))) {
        info.number = 1;
    } else if (options & (ExtractUpdate | ExtractFreshen)) {
        info.number = existingIsOlder ? 1 : 0;
    } else {
        hideForPrompt();
        const ZipUi::Answer answer = ui ? ui->overwrite(member, existingIsOlder) : ZipUi::Answer::No;
        info.number = answer == ZipUi::Answer::Yes ? 1 : 0;
        if (answer == ZipUi::Answer::Cancel)
            cancelFlag = true;
        else
            showAfterPrompt();
    }
}

}  // namespace kst
