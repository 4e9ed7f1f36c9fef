#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace kst {

// A shared module loaded by path; unloaded when destroyed.
class LoadedModule {
public:
    virtual ~LoadedModule() = default;
    // Address of an exported symbol, or nullptr when the module has none of that name.
    virtual void* symbol(const char* name) const = 0;
};

// The mounted file system that holds a path: what a drive is elsewhere.
struct Volume {
    bool removable = false;  // the device behind it says it can be taken out
    std::string label;       // its file-system label; empty when it has none
};

// The platform services the program uses, behind one interface so that tests
// can put a fake in their place.
class Platform {
public:
    virtual ~Platform() = default;

    // Folder of the running executable.
    virtual std::filesystem::path programFolder() const = 0;
    // The per-user folder that stands in for the Windows folder; created when
    // missing. These folders of the user are empty when the user has no home
    // ($HOME unset and none in the password database): a shared folder in
    // their place would let other users plant files the program loads.
    virtual std::filesystem::path systemFolder() const = 0;
    // The user's own folder for the program's temporary files, not created
    // here: $XDG_RUNTIME_DIR/kestrom, else kestrom-UID in the system's one.
    virtual std::filesystem::path temporaryFolder() const = 0;
    // The user's folder for this program's settings ($XDG_CONFIG_HOME/kestrom); not created here.
    virtual std::filesystem::path configFolder() const = 0;
    // The user's home folder.
    virtual std::filesystem::path homeFolder() const = 0;
    // Where an installation puts the program's data files (patch.wnt, the
    // shipped options.ini) and its modules (unzdll.dll), found from the
    // program's folder the way the install laid them out.
    virtual std::filesystem::path installedDataFolder() const = 0;
    virtual std::filesystem::path installedModuleFolder() const = 0;
    // Whether this process may create files in the folder.
    virtual bool folderWritable(const std::filesystem::path& folder) const = 0;

    virtual bool fileExists(const std::filesystem::path& path) const = 0;
    // Copies byte for byte, never leaving a half-written destination; throws FileError.
    virtual void copyFile(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

    // The volume holding the path, or its nearest existing folder when the
    // path does not exist yet; nothing when that volume cannot be queried.
    virtual std::optional<Volume> volumeOf(const std::filesystem::path& path) const = 0;

    // Loads a module by path; nullptr with a reason when it cannot be loaded.
    virtual std::unique_ptr<LoadedModule> loadModule(const std::filesystem::path& path, std::string* reason) = 0;

    // Starts a program with one argument, passed whole, and does not wait for
    // it; false with the system's reason when it could not be started.
    virtual bool launchProgram(const std::string& program, const std::string& argument, std::string* reason) = 0;
};

// The platform of this process: the real one unless a test installed another.
Platform& platform();
// Installs a platform and returns the one it replaces (nullptr for the built-in one).
std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> replacement);

// The real services of this operating system.
class PosixPlatform : public Platform {
public:
    std::filesystem::path programFolder() const override;
    std::filesystem::path systemFolder() const override;
    std::filesystem::path temporaryFolder() const override;
    std::filesystem::path configFolder() const override;
    std::filesystem::path homeFolder() const override;
    std::filesystem::path installedDataFolder() const override;
    std::filesystem::path installedModuleFolder() const override;
    bool folderWritable(const std::filesystem::path& folder) const override;
    bool fileExists(const std::filesystem::path& path) const override;
    void copyFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::optional<Volume> volumeOf(const std::filesystem::path& path) const override;
    std::unique_ptr<LoadedModule> loadModule(const std::filesystem::path& path, std::string* reason) override;
    bool launchProgram(const std::string& program, const std::string& argument, std::string* reason) override;
};

}  // namespace kst
