#include "gui/fake_platform.h"

#include "platform/files.h"

namespace kst::test {

FakePlatform::FakePlatform(const std::filesystem::path& root)
    : program(root / "program"), system(root / "system"), temporary(root / "tmp")
{
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(system);
    std::filesystem::create_directories(temporary);
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
