#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kst::test {

// The real file system, rooted in folders of the test's choosing, with the
// copy able to fail on demand, the program's folder writable or not on
// demand, and program launches only recorded.
class FakePlatform : public Platform {
public:
    explicit FakePlatform(const std::filesystem::path& root);

    std::filesystem::path programFolder() const override { return program; }
    std::filesystem::path systemFolder() const override { return system; }
    std::filesystem::path temporaryFolder() const override { return temporary; }
    std::filesystem::path configFolder() const override { return config; }
    std::filesystem::path homeFolder() const override { return home; }
    std::filesystem::path installedDataFolder() const override { return data; }
    std::filesystem::path installedModuleFolder() const override { return modules; }
    bool folderWritable(const std::filesystem::path& folder) const override;
    bool fileExists(const std::filesystem::path& path) const override;
    void copyFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::optional<Volume> volumeOf(const std::filesystem::path&) const override { return volume; }
    std::unique_ptr<LoadedModule> loadModule(const std::filesystem::path& path, std::string* reason) override;
    bool launchProgram(const std::string& program, const std::string& argument, std::string* reason) override;

    std::filesystem::path program;
    std::filesystem::path system;
    std::filesystem::path temporary;
    // Not created: an installed program makes its configuration folder itself.
    std::filesystem::path config;
    std::filesystem::path home;
    std::filesystem::path data;
    std::filesystem::path modules;
    // Tests run as any user, root included, so a read-only program folder is faked.
    bool programWritable = true;
    bool copyFails = false;
    int copies = 0;
    bool launchSucceeds = true;
    std::string launchFailure = "No such file or directory";  // the reason a failing launch gives
    // Every path lies on this volume; nothing: no volume can be queried.
    std::optional<Volume> volume = Volume{};
    std::vector<std::pair<std::string, std::string>> launches;
};

}  // namespace kst::test
