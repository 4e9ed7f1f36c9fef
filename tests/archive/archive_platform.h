#pragma once

#include "platform/platform.h"
#include "unzdll/unzdll.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kst::test {

// The real platform, but with the volume of every path chosen by the test
// and, when the test asks for it, a scripted unzip module in place of modules
// loaded from disk.
class ArchivePlatform : public PosixPlatform {
public:
    std::filesystem::path systemFolder() const override { return system; }
    std::optional<Volume> volumeOf(const std::filesystem::path&) const override { return volume; }
    std::unique_ptr<LoadedModule> loadModule(const std::filesystem::path& path, std::string* reason) override;

    std::optional<Volume> volume = Volume{};
    std::filesystem::path system = "/nonexistent/system";
    // Set: every load gives a module with these exports. Every load is recorded.
    std::optional<std::map<std::string, void*>> fakeModule;
    bool modulesMissing = false;
    std::vector<std::filesystem::path> loads;
};

// Installs an ArchivePlatform for as long as it lives.
class InstalledArchivePlatform {
public:
    InstalledArchivePlatform();
    ~InstalledArchivePlatform();
    ArchivePlatform* operator->() const { return platform_; }

private:
    ArchivePlatform* platform_;
    std::unique_ptr<Platform> previous_;
};

// One report the scripted module sends, and what came back.
struct Report {
    std::int32_t action = 0;
    std::int32_t flag = 0;
    std::int32_t number = 0;
    std::string text;
};
struct Reply {
    std::int32_t flag = 0;
    std::int32_t number = 0;
    std::string text;
    std::int32_t returned = 0;
    bool operator==(const Reply&) const = default;
};

// The scripted unzip module: UnzDllExec keeps a copy of the parameter block
// and of what it points to, then sends its reports, stopping when told to.
struct ScriptedUnzip {
    ScriptedUnzip();
    ~ScriptedUnzip();

    std::vector<Report> reports;
    std::int32_t result = 0;
    std::function<void()> whileRunning;
    bool stopWhenTold = true;  // false: sends every report, as a careless module would

    std::vector<std::uint8_t> block;  // the parameter block as handed over
    std::vector<std::vector<std::uint8_t>> memberItems;  // each UnzMember of the member array, as bytes
    std::vector<std::string> members;
    std::string password;
    std::string archivePath;
    std::filesystem::path currentFolder;
    std::vector<Reply> replies;
    int runs = 0;

    static std::int32_t UNZDLL_CALL exec(UnzParams* params);
    static std::int32_t UNZDLL_CALL version();
    // The exports for ArchivePlatform::fakeModule.
    static std::map<std::string, void*> exports();
};

}  // namespace kst::test
