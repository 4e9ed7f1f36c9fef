#pragma once

#include "romops/actions.h"
#include "settings/profile_file.h"

#include <filesystem>
#include <string>

namespace kst {

// The keys that only the Options window's OK writes.
struct OptionsKeys {
    std::string emulatorPath;
    bool alwaysOnTop = false;
    bool deleteUnpacked = false;
    std::string outputFolder;
    std::string temporaryFolder;
};

// The keys that only the main window's close writes.
struct MainWindowKeys {
    std::string prefix;
    std::string suffix;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    ops::Actions actions;
};

// Every key of the settings file, as start-up takes them, each missing or
// unreadable value already replaced by its default.
struct StoredSettings : OptionsKeys, MainWindowKeys {};

// Reads every key of the settings file. The two folders fall back on the
// given output folder (the program's own unless it is installed) and on
// the user's own temporary folder.
StoredSettings readStoredSettings(const ProfileFile& file, const std::filesystem::path& outputFolder,
                                  const std::filesystem::path& userTemporaryFolder);

// Writes "vbpath", "aontop", "deltmp", "outdir" and "temp", in that order, each
// reaching the file at once. A refused write throws FileError at that key; the
// keys before it stay written and the ones after it are not tried.
void writeOptionsKeys(ProfileFile& file, const OptionsKeys& keys);

// Writes "prefix", "suffix", "wleft", "wtop", "wheight", "wwidth", "t", "r",
// "e" and "a", in that order (height before width), the same way.
void writeMainWindowKeys(ProfileFile& file, const MainWindowKeys& keys);

}  // namespace kst
