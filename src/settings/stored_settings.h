#pragma once

#include "settings/profile_file.h"

#include <filesystem>
#include <string>

namespace kst {

// What start-up takes from the settings file, every missing or unreadable
// value already replaced by its default.
struct StoredSettings {
    std::string emulatorPath;
    std::string outputFolder;
    std::string temporaryFolder;
    std::string prefix;
    std::string suffix;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // The chosen actions, in the order start-up replays them.
    bool truncate = false;
    bool removeIntro = false;
    bool applyExitHack = false;
    bool all = false;
    bool alwaysOnTop = false;
    bool deleteUnpacked = false;
};

// Reads every key of the settings file. The two folders fall back on the
// program's folder and on "kestrom/" in the system's temporary folder.
StoredSettings readStoredSettings(const ProfileFile& file, const std::filesystem::path& programFolder,
                                  const std::filesystem::path& systemTemporaryFolder);

// The keys that only the Options window's OK writes.
struct OptionsKeys {
    std::string emulatorPath;
    bool alwaysOnTop = false;
    bool deleteUnpacked = false;
    std::string outputFolder;
    std::string temporaryFolder;
};

// Writes "vbpath", "aontop", "deltmp", "outdir" and "temp", in that order, each
// reaching the file at once. A refused write throws FileError at that key; the
// keys before it stay written and the ones after it are not tried.
void writeOptionsKeys(ProfileFile& file, const OptionsKeys& keys);

}  // namespace kst
