#include "platform/program_files.h"

#include "core/texts.h"
#include "platform/files.h"

namespace kst {
namespace {

constexpr const char* SettingsName = "options.ini";
constexpr const char* PatchName = "patch.wnt";
constexpr const char* UnzipModuleName = "unzdll.dll";
// Beside the user's other files, where the first Apply creates it.
constexpr const char* UserOutputFolderName = "Kestrom";

// The file beside the program when it is there, else the installed one when
// that is there; else the one beside the program, whose absence the caller reports.
std::filesystem::path besideOrInstalled(const Platform& services, const std::filesystem::path& installedFolder,
                                        const char* name)
{
    const std::filesystem::path beside = services.programFolder() / name;
    if (services.fileExists(beside))
        return beside;
    const std::filesystem::path installed = installedFolder / name;
    return services.fileExists(installed) ? installed : beside;
}

// A patch of the user's own, in their data folder, comes first: putting the
// menu shell's patch there needs no write access to the program or the install.
std::filesystem::path findPatchFile(const Platform& services)
{
    const std::filesystem::path system = services.systemFolder();
    if (!system.empty() && services.fileExists(system / PatchName))
        return system / PatchName;
    return besideOrInstalled(services, services.installedDataFolder(), PatchName);
}

}  // namespace

ProgramFiles locateProgramFiles(const Platform& services)
{
    const std::filesystem::path program = services.programFolder();
    ProgramFiles files;
    files.patch = findPatchFile(services);
    files.unzipModule = besideOrInstalled(services, services.installedModuleFolder(), UnzipModuleName);

    const std::filesystem::path beside = program / SettingsName;
    const std::filesystem::path shipped = services.installedDataFolder() / SettingsName;
    const bool besideExists = services.fileExists(beside);
    if (!services.folderWritable(program) || (!besideExists && services.fileExists(shipped))) {
        // Without a home there is no place of the user's own for them: left empty.
        if (const std::filesystem::path config = services.configFolder(); !config.empty())
            files.settings = config / SettingsName;
        files.shippedSettings = besideExists ? beside : shipped;
        if (const std::filesystem::path home = services.homeFolder(); !home.empty())
            files.outputFolder = home / UserOutputFolderName;
    } else {
        files.settings = beside;
        files.outputFolder = program;
    }
    return files;
}

bool prepareSettings(Platform& services, const ProgramFiles& files)
{
    if (files.settings.empty())
        throw FileError(SettingsName, tr(texts::NoHomeFolder));
    if (services.fileExists(files.settings))
        return true;
    if (files.shippedSettings.empty() || !services.fileExists(files.shippedSettings))
        return false;
    createFolders(files.settings.parent_path());  // ~/.config itself may be missing
    services.copyFile(files.shippedSettings, files.settings);
    return true;
}

ModuleCopy installUnzipModule(Platform& services, const std::filesystem::path& own,
                              const std::filesystem::path& copy)
{
    if (!services.fileExists(copy)) {
        services.copyFile(own, copy);
        return ModuleCopy::Copied;
    }
    if (!services.fileExists(own) || readWholeFile(own) == readWholeFile(copy))
        return ModuleCopy::Kept;
    services.copyFile(own, copy);  // beside it, then renamed over it
    return ModuleCopy::Replaced;
}

}  // namespace kst
