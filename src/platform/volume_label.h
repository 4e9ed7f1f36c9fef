#pragma once

#include <string>
#include <string_view>

namespace kst {

// The label a link name under /dev/disk/by-label stands for: the device
// manager writes every byte outside its safe set as "\xNN" (a blank becomes
// "\x20"), so "PKBACK#\x20002" is the label "PKBACK# 002".
std::string labelFromLinkName(std::string_view linkName);

}  // namespace kst
