#pragma once

#include "unzdll/unzdll.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kst::unz {

// The caller's side of an extraction: reports and questions through the
// callback of the parameter block. Once the callback has asked to stop, no
// further call is made and every method says so by returning false (or nothing).
class Reporter {
public:
    Reporter(UnzCallback callback, void* caller, std::int32_t reports);

    bool fileCount(std::int64_t files);
    bool totalBytes(std::int64_t bytes);
    bool beginFile(std::string_view name, std::int64_t size);
    bool progress(std::int64_t bytes);
    // reason: UNZ_SKIP_...; systemError: the error number of a failed write.
    bool skipped(std::string_view name, std::int32_t reason, int systemError = 0);
    bool endBatch();

    // Whether to replace an existing file; nothing when the caller stopped.
    std::optional<bool> overwrite(std::string_view name, bool existingIsOlder);
    // Whether to keep a file whose data failed its check; nothing when the caller stopped.
    std::optional<bool> keepDespiteCrcError(std::string_view name);

    struct PasswordAnswer {
        std::optional<std::string> password;  // nothing: the caller gave none
        std::int32_t triesLeft = 0;
    };
    // Asks for the password of a member; nothing when the caller stopped.
    std::optional<PasswordAnswer> password(std::string_view name, std::int32_t triesLeft);

    bool stopped() const { return stopped_; }

private:
    bool wants(std::int32_t reportBit) const { return (reports_ & reportBit) != 0; }
    bool send(std::int32_t action, std::string_view text, std::int32_t number);
    bool call(UnzCallbackInfo& info);
    UnzCallbackInfo record(std::int32_t action, std::string_view text, std::int32_t number) const;

    UnzCallback callback_;
    void* caller_;
    std::int32_t reports_;
    bool stopped_ = false;
};

}  // namespace kst::unz
