#include "platform/platform.h"

#include "platform/files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <dlfcn.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kst {
namespace {

class DlModule : public LoadedModule {
public:
    explicit DlModule(void* handle) : handle_(handle) {}
    ~DlModule() override { ::dlclose(handle_); }
    void* symbol(const char* name) const override { return ::dlsym(handle_, name); }

private:
    void* handle_;
};

// HOME, else the home the password database gives the user; empty when
// there is neither, never a shared folder in its place.
std::filesystem::path userHome()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir == '/')
        return user->pw_dir;
    return {};
}

// An XDG base folder: the variable when it holds an absolute path, else its
// usual place in the home folder; empty without a home.
std::filesystem::path userFolder(const char* variable, const char* inHome)
{
    if (const char* value = std::getenv(variable); value && *value == '/')
        return value;
    const std::filesystem::path home = userHome();
    return home.empty() ? home : home / inHome;
}

std::unique_ptr<Platform>& installed()
{
    static std::unique_ptr<Platform> current = std::make_unique<PosixPlatform>();
    return current;
}

}  // namespace

Platform& platform()
{
    return *installed();
}

std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> replacement)
{
    if (!replacement)
        replacement = std::make_unique<PosixPlatform>();
    std::swap(installed(), replacement);
    return replacement;
}

std::filesystem::path PosixPlatform::programFolder() const
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path();
    return exe.parent_path();
}

std::filesystem::path PosixPlatform::systemFolder() const
{
    const std::filesystem::path base = userFolder("XDG_DATA_HOME", ".local/share");
    if (base.empty())
        return base;
    std::filesystem::path folder = base / "kestrom";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

std::filesystem::path PosixPlatform::temporaryFolder() const
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        return std::filesystem::path(runtime) / "kestrom";
    std::error_code ec;
    std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    if (ec)
        system = "/tmp";
    return system / ("kestrom-" + std::to_string(::getuid()));
}

std::filesystem::path PosixPlatform::configFolder() const
{
    const std::filesystem::path base = userFolder("XDG_CONFIG_HOME", ".config");
    return base.empty() ? base : base / "kestrom";
}

std::filesystem::path PosixPlatform::homeFolder() const
{
    return userHome();
}

std::filesystem::path PosixPlatform::installedDataFolder() const
{
    return (programFolder() / KESTROM_DATA_FROM_PROGRAM).lexically_normal();
}

std::filesystem::path PosixPlatform::installedModuleFolder() const
{
    return (programFolder() / KESTROM_MODULES_FROM_PROGRAM).lexically_normal();
}

bool PosixPlatform::folderWritable(const std::filesystem::path& folder) const
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool PosixPlatform::fileExists(const std::filesystem::path& path) const
{
    return kst::fileExists(path);
}

void PosixPlatform::copyFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    copyFileAtomically(from, to);
}

std::unique_ptr<LoadedModule> PosixPlatform::loadModule(const std::filesystem::path& path, std::string* reason)
{
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (reason)
            *reason = ::dlerror();
        return nullptr;
    }
    return std::make_unique<DlModule>(handle);
}

bool PosixPlatform::launchProgram(const std::string& program, const std::string& argument, std::string* reason)
{
    auto fail = [reason](int error) {
        if (reason)
            *reason = std::strerror(error);
        return false;
    };
    // A pipe closed on exec carries the grandchild's errno when its exec
    // fails; the intermediate child exits at once so that nothing is left to
    // reap, and the program runs on in a session of its own.
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return fail(errno);
    pid_t child = ::fork();
    if (child < 0) {
        int error = errno;
        ::close(status[0]);
        ::close(status[1]);
        return fail(error);
    }
    if (child == 0) {
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild == 0) {
            const char* argv[] = {program.c_str(), argument.c_str(), nullptr};
            ::execvp(program.c_str(), const_cast<char* const*>(argv));
            int error = errno;
            [[maybe_unused]] auto n = ::write(status[1], &error, sizeof error);
            ::_exit(127);
        }
        if (grandchild < 0) {
            int error = errno;
            [[maybe_unused]] auto n = ::write(status[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(status[1]);
    int childStatus = 0;
    while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(status[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(status[0]);
    if (got == static_cast<ssize_t>(sizeof error))
        return fail(error);
    if (!WIFEXITED(childStatus) || WEXITSTATUS(childStatus) != 0)
        return fail(ECHILD);
    return true;
}

}  // namespace kst
