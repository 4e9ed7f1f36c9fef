#include "unzdll/reporter.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace kst::unz {
namespace {

// Sizes travel in 32-bit fields; anything larger is reported as the largest value.
std::int32_t clamp32(std::int64_t value)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

// Copies a name into the record's text, cut at a character boundary so that a
// long UTF-8 name never ends in half a character.
void putText(UnzCallbackInfo& info, std::string_view text)
{
    std::size_t length = std::min(text.size(), sizeof info.text - 1);
    while (length < text.size() && length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    if (length > 0)
        std::memcpy(info.text, text.data(), length);
    info.text[length] = '\0';
}

}  // namespace

Reporter::Reporter(UnzCallback callback, void* caller, std::int32_t reports)
    : callback_(callback), caller_(caller), reports_(reports)
{
}

UnzCallbackInfo Reporter::record(std::int32_t action, std::string_view text, std::int32_t number) const
{
    UnzCallbackInfo info {};
    info.caller = caller_;
    info.action = action;
    info.number = number;
    putText(info, text);
    return info;
}

bool Reporter::call(UnzCallbackInfo& info)
{
    if (stopped_ || !callback_)
        return !stopped_;
    // A negative answer is taken as a stop too: only going on must be asked for plainly.
    if (callback_(&info) < 0)
        stopped_ = true;
    return !stopped_;
}

bool Reporter::send(std::int32_t action, std::string_view text, std::int32_t number)
{
    UnzCallbackInfo info = record(action, text, number);
    return call(info);
}

bool Reporter::fileCount(std::int64_t files)
{
    return !wants(UNZ_REPORT_BATCH) || send(UNZ_ACTION_FILE_COUNT, {}, clamp32(files));
}

bool Reporter::totalBytes(std::int64_t bytes)
{
    return !wants(UNZ_REPORT_BATCH) || send(UNZ_ACTION_TOTAL_BYTES, {}, clamp32(bytes));
}

bool Reporter::beginFile(std::string_view name, std::int64_t size)
{
    return !wants(UNZ_REPORT_FILES) || send(UNZ_ACTION_BEGIN_FILE, name, clamp32(size));
}

bool Reporter::progress(std::int64_t bytes)
{
    return !wants(UNZ_REPORT_PROGRESS) || send(UNZ_ACTION_PROGRESS, {}, clamp32(bytes));
}

bool Reporter::skipped(std::string_view name, std::int32_t reason, int systemError)
{
    UnzCallbackInfo info = record(UNZ_ACTION_SKIPPED, name, reason);
    info.flag = systemError;
    return call(info);
}

bool Reporter::endBatch()
{
    return !wants(UNZ_REPORT_BATCH) || send(UNZ_ACTION_END_BATCH, {}, 0);
}

std::optional<bool> Reporter::overwrite(std::string_view name, bool existingIsOlder)
{
    UnzCallbackInfo info = record(UNZ_ACTION_OVERWRITE, name, 0);
    info.flag = existingIsOlder ? 1 : 0;
    // Without a callback the answers stay as sent (0), which keeps the file on
    // disk, skips a damaged one and gives no password: nothing is lost unasked.
    if (!call(info))
        return std::nullopt;
    return info.number == 1;
}

std::optional<bool> Reporter::keepDespiteCrcError(std::string_view name)
{
    UnzCallbackInfo info = record(UNZ_ACTION_CRC_ERROR, name, 0);
    if (!call(info))
        return std::nullopt;
    return info.flag == 1;
}

std::optional<Reporter::PasswordAnswer> Reporter::password(std::string_view name, std::int32_t triesLeft)
{
    UnzCallbackInfo info = record(UNZ_ACTION_PASSWORD, name, triesLeft);
    if (!call(info))
        return std::nullopt;
    PasswordAnswer answer;
    answer.triesLeft = info.number;
    // The caller may have filled the whole field; never read past it.
    std::string typed(info.text, ::strnlen(info.text, sizeof info.text));
    if (info.flag == 1 && !typed.empty())
        answer.password = std::move(typed);
    return answer;
}

}  // namespace kst::unz
