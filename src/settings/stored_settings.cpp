#include "settings/stored_settings.h"

#include "settings/setting_values.h"

namespace kst {

StoredSettings readStoredSettings(const ProfileFile& file, const std::filesystem::path& outputFolder,
                                  const std::filesystem::path& userTemporaryFolder)
{
    namespace key = options::key;
    namespace defaults = options::defaults;
    auto text = [&](std::string_view name, std::string_view fallback) {
        return file.readString(options::Section, name, fallback);
    };
    // A missing key reads as "", which the integer rule turns into the default.
    auto integer = [&](std::string_view name, int fallback) { return readIntegerSetting(text(name, ""), fallback); };
    auto flag = [&](std::string_view name) { return readFlagSetting(text(name, "")); };
    auto onOff = [&](std::string_view name) { return readSwitchSetting(text(name, defaults::Switch)); };

    StoredSettings s;
    s.emulatorPath = text(key::EmulatorPath, defaults::EmulatorPath);
    s.outputFolder = text(key::OutputFolder, defaultOutputFolder(outputFolder));
    s.temporaryFolder = text(key::TemporaryFolder, defaultTemporaryFolder(userTemporaryFolder));
    s.prefix = text(key::Prefix, defaults::Prefix);
    s.suffix = text(key::Suffix, defaults::Suffix);
    s.left = integer(key::WindowLeft, defaults::WindowLeft);
    s.top = integer(key::WindowTop, defaults::WindowTop);
    s.width = integer(key::WindowWidth, defaults::WindowWidth);
    s.height = integer(key::WindowHeight, defaults::WindowHeight);
    s.actions.truncate = flag(key::Truncate);
    s.actions.removeIntro = flag(key::RemoveIntro);
    s.actions.applyExitHack = flag(key::ApplyExitHack);
    s.actions.all = flag(key::All);
    s.alwaysOnTop = onOff(key::AlwaysOnTop);
    s.deleteUnpacked = onOff(key::DeleteUnpacked);
    return s;
}

void writeOptionsKeys(ProfileFile& file, const OptionsKeys& keys)
{
    namespace key = options::key;
    file.writeString(options::Section, key::EmulatorPath, keys.emulatorPath);
    file.writeString(options::Section, key::AlwaysOnTop, settingText(keys.alwaysOnTop));
    file.writeString(options::Section, key::DeleteUnpacked, settingText(keys.deleteUnpacked));
    file.writeString(options::Section, key::OutputFolder, keys.outputFolder);
    file.writeString(options::Section, key::TemporaryFolder, keys.temporaryFolder);
}

void writeMainWindowKeys(ProfileFile& file, const MainWindowKeys& keys)
{
    namespace key = options::key;
    auto number = [](int value) { return std::to_string(value); };
    file.writeString(options::Section, key::Prefix, keys.prefix);
    file.writeString(options::Section, key::Suffix, keys.suffix);
    file.writeString(options::Section, key::WindowLeft, number(keys.left));
    file.writeString(options::Section, key::WindowTop, number(keys.top));
    file.writeString(options::Section, key::WindowHeight, number(keys.height));
    file.writeString(options::Section, key::WindowWidth, number(keys.width));
    file.writeString(options::Section, key::Truncate, settingText(keys.actions.truncate));
    file.writeString(options::Section, key::RemoveIntro, settingText(keys.actions.removeIntro));
    file.writeString(options::Section, key::ApplyExitHack, settingText(keys.actions.applyExitHack));
    file.writeString(options::Section, key::All, settingText(keys.actions.all));
}

}  // namespace kst
