#include "archive/unzip_module.h"

#include "platform/platform.h"
#include "platform/program_files.h"

#include <filesystem>
#include <vector>

namespace kst {

std::unique_ptr<UnzipModule> UnzipModule::load(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> candidates;
    if (!folder.empty()) {
        candidates.push_back(fs::path(folder) / UnzipModuleFile);
    } else {
        // Beside the program, or where an install put it.
        candidates.push_back(locateProgramFiles(platform()).unzipModule);
        if (const fs::path system = platform().systemFolder(); !system.empty())
            candidates.push_back(system / UnzipModuleFile);
        candidates.push_back(UnzipModuleFile);  // no folder: the loader searches its own path
    }
    for (const fs::path& candidate : candidates) {
        std::unique_ptr<LoadedModule> module = platform().loadModule(candidate, nullptr);
        if (!module)
            continue;
        // A module without both exports is not the unzip module; it is unloaded again.
        auto exec = reinterpret_cast<UnzDllExecFn>(module->symbol(UNZ_EXEC_SYMBOL));
        if (exec && module->symbol(UNZ_VERSION_SYMBOL))
            return std::make_unique<UnzipModule>(std::move(module), exec);
    }
    return nullptr;
}

UnzipModule::UnzipModule(std::unique_ptr<LoadedModule> module, UnzDllExecFn exec)
    : module_(std::move(module)), exec_(exec)
{
}

UnzipModule::~UnzipModule() = default;

}  // namespace kst
