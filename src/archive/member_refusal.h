#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kst {

// Why the unzip module did not unpack a member, from the reason and error
// number of its skip report, as a text to follow the member's name. Nothing
// for a member that was merely left alone (a file kept by the overwrite rules).
std::optional<std::string> refusalText(std::int32_t reason, int systemError);

}  // namespace kst
