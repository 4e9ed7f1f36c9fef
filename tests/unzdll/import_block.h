#pragma once

#include "unzdll/unzdll.h"

#include <string>
#include <vector>

namespace kst::test {

// The parameter block as the archive import fills it: the member's folders
// kept, existing files asked about, every report, three password tries.
// The members and the path must outlive the block.
inline UnzParams importBlock(void* caller, UnzCallback callback, const std::string& archivePath,
                             const std::vector<UnzMember>& members)
{
    UnzParams params {};
    params.caller = caller;
    params.version = UNZ_VERSION;
    params.callback = callback;
    params.use_folder_names = UNZ_TRUE;
    params.ask_overwrite = UNZ_TRUE;
    params.member_count = static_cast<std::int32_t>(members.size());
    params.archive_path = archivePath.c_str();
    params.members = members.data();
    params.password_tries = 3;
    params.reports = UNZ_REPORT_ALL;
    return params;
}

}  // namespace kst::test
