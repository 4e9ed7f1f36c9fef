#pragma once

#include <filesystem>
#include <string>

namespace kst {

// Makes a folder the process's current folder while it lives. The folder it
// replaces is kept open and returned to by that handle, so a later relative
// path means what it meant before, even if that folder was renamed meanwhile.
class CurrentFolderChange {
public:
    explicit CurrentFolderChange(const std::filesystem::path& folder);
    ~CurrentFolderChange();
    CurrentFolderChange(const CurrentFolderChange&) = delete;
    CurrentFolderChange& operator=(const CurrentFolderChange&) = delete;

    bool entered() const { return entered_; }
    // The system's reason when the folder could not be entered.
    const std::string& reason() const { return reason_; }

private:
    int previous_ = -1;
    bool entered_ = false;
    std::string reason_;
};

}  // namespace kst
