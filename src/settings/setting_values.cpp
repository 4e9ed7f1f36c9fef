#include "settings/setting_values.h"

#include <charconv>
#include <climits>

namespace kst {
namespace {

// The whole text as a number in base, or nothing. Only unsigned digits are
// taken here, so that "0x-1" and "--1" are refused rather than half-read.
bool parseDigits(std::string_view digits, int base, unsigned long long& value)
{
    if (digits.empty())
        return false;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return error == std::errc() && end == digits.data() + digits.size();
}

std::string withTrailingSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

int readIntegerSetting(std::string_view text, int fallback)
{
    unsigned long long magnitude = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!parseDigits(text.substr(2), 16, magnitude) || magnitude > INT_MAX)
            return fallback;
        return static_cast<int>(magnitude);
    }

    bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    if (!parseDigits(text, 10, magnitude))
        return fallback;
    // INT_MIN has one more step below zero than INT_MAX has above it.
    unsigned long long limit = negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX;
    if (magnitude > limit)
        return fallback;
    return negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
}

bool readFlagSetting(std::string_view text)
{
    return readIntegerSetting(text, options::defaults::Action) != 0;
}

bool readSwitchSetting(std::string_view text)
{
    return text == "1";
}

std::string defaultOutputFolder(const std::filesystem::path& folder)
{
    return withTrailingSeparator(folder.string());
}

std::string defaultTemporaryFolder(const std::filesystem::path& userTemporaryFolder)
{
    return withTrailingSeparator(userTemporaryFolder.string());
}

}  // namespace kst
