#include "support/fake_platform.h"

#include "platform/files.h"

namespace kst::test {

FakePlatform::FakePlatform(const std::filesystem::path& root)
    : program(root / "program"), system(root / "system"), temporary(root / "tmp"), config(root / "config" / "kestrom"),
      home(root / "home"), data(root / "share" / "kestrom"), modules(root / "lib" / "kestrom")
{
    for (const std::filesystem::path& folder : {program, system, temporary, home, data, modules})
        std::filesystem::create_directories(folder);
}

bool FakePlatform::folderWritable(const std::filesystem::path& folder) const
{
    return (folder != program || programWritable) && PosixPlatform().folderWritable(folder);
}

bool FakePlatform::fileExists(const std::filesystem::path& path) const
{
    return kst::fileExists(path);
}

void FakePlatform::copyFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    ++copies;
    if (copyFails)
        throw FileError(to, "Access is denied.");
    PosixPlatform().copyFile(from, to);
}

std::unique_ptr<LoadedModule> FakePlatform::loadModule(const std::filesystem::path& path, std::string* reason)
{
    return PosixPlatform().loadModule(path, reason);
}

bool FakePlatform::launchProgram(const std::string& programPath, const std::string& argument, std::string* reason)
{
    launches.emplace_back(programPath, argument);
    if (!launchSucceeds && reason)
        *reason = launchFailure;
    return launchSucceeds;
}

}  // namespace kst::test
