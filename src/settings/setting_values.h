#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kst {

// The settings file: its one section, its keys, and the
// values that stand in for missing keys.
namespace options {

inline constexpr std::string_view FileName = "options.ini";
inline constexpr std::string_view Section = "Options";

namespace key {
inline constexpr std::string_view EmulatorPath = "vbpath";
inline constexpr std::string_view OutputFolder = "outdir";
inline constexpr std::string_view TemporaryFolder = "temp";
inline constexpr std::string_view Prefix = "prefix";
inline constexpr std::string_view Suffix = "suffix";
inline constexpr std::string_view WindowLeft = "wleft";
inline constexpr std::string_view WindowTop = "wtop";
inline constexpr std::string_view WindowWidth = "wwidth";
inline constexpr std::string_view WindowHeight = "wheight";
inline constexpr std::string_view Truncate = "t";
inline constexpr std::string_view RemoveIntro = "r";
inline constexpr std::string_view ApplyExitHack = "e";
inline constexpr std::string_view All = "a";
inline constexpr std::string_view AlwaysOnTop = "aontop";
inline constexpr std::string_view DeleteUnpacked = "deltmp";
inline constexpr std::string_view DatFile = "datfile";  // the last DAT file the list was verified with
}  // namespace key

// The output and temporary folders have defaults that depend on where the
// program runs: defaultOutputFolder and defaultTemporaryFolder below.
namespace defaults {
inline constexpr std::string_view EmulatorPath = "";
inline constexpr std::string_view Prefix = "KSZ-";
inline constexpr std::string_view Suffix = "";
inline constexpr int WindowLeft = 0;
inline constexpr int WindowTop = 0;
inline constexpr int WindowWidth = 640;
inline constexpr int WindowHeight = 480;
inline constexpr int Action = 0;                 // "t", "r", "e", "a": not chosen
inline constexpr std::string_view Switch = "1";  // "aontop", "deltmp": on
}  // namespace defaults

}  // namespace options

// Integer settings: a decimal integer, or a hexadecimal one when the text is
// longer than two characters and starts with "0x" or "0X". Anything else (an
// empty text, stray characters, a value outside int) gives fallback.
int readIntegerSetting(std::string_view text, int fallback);

// An action flag ("t", "r", "e", "a"): an integer setting that is on when not 0.
bool readFlagSetting(std::string_view text);

// A switch ("aontop", "deltmp"): on only when the text is exactly "1", so that
// "01", "2" and "true" are all off.
bool readSwitchSetting(std::string_view text);

// How flags and switches are written.
inline std::string_view settingText(bool on)
{
    return on ? "1" : "0";
}

// The output folder when the file names none (the program's folder, or the
// user's for an installed program), ending in the separator.
std::string defaultOutputFolder(const std::filesystem::path& folder);
// The temporary folder when the file names none: the user's own (Platform::temporaryFolder), ending in the separator.
std::string defaultTemporaryFolder(const std::filesystem::path& userTemporaryFolder);

}  // namespace kst
