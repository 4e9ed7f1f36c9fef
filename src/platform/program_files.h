#pragma once

#include "platform/platform.h"

#include <filesystem>

namespace kst {

// The files the program comes with and the settings file it keeps. Run from
// a folder the user can write that holds them (the build folder), all lie
// beside the program, as they always have. An installed program (its folder
// cannot be written, or holds no options.ini while the install's data folder
// does) reads patch.wnt and unzdll.dll where the install put them and keeps
// its settings in the user's configuration folder, made from the shipped copy.
// A patch.wnt in the user's data folder is taken before either. A user without
// a home gets no settings path (and no output folder) there, never a shared one.
struct ProgramFiles {
    // The options.ini that start-up reads and Options and closing write.
    std::filesystem::path settings;
    // The shipped options.ini that a missing user copy is made from; empty
    // when the settings live beside the program.
    std::filesystem::path shippedSettings;
    std::filesystem::path patch;        // patch.wnt: the user's own, else the one beside the program or installed
    std::filesystem::path unzipModule;  // unzdll.dll, put into the system folder at start
    // The output folder when the settings name none: the program's folder,
    // or for an installed program a folder in the user's home.
    std::filesystem::path outputFolder;
};

ProgramFiles locateProgramFiles(const Platform& services);

// Makes sure the settings file exists: an installed program's user copy (and
// its folder) is made from the shipped one when missing; an existing copy is
// never replaced. False when there is no settings file and nothing to make
// one from; FileError when making it fails or there is no place for it.
bool prepareSettings(Platform& services, const ProgramFiles& files);

enum class ModuleCopy {
    Copied,    // there was none; the program's own module was copied
    Kept,      // it holds the program's module already (or the program has none to compare with)
    Replaced,  // it held another module, which the program's own replaced
};

// Makes the user's copy of the unzip module the one the program came with:
// copied when missing, replaced in one piece when its bytes differ (an
// upgrade must not keep loading the old module), left alone when equal.
// Throws FileError naming the file that could not be read or written; a
// copy that could not be replaced is then left as it was.
ModuleCopy installUnzipModule(Platform& services, const std::filesystem::path& own,
                              const std::filesystem::path& copy);

}  // namespace kst
