#pragma once

#include "unzdll/unzdll.h"

#include <memory>
#include <string>

namespace kst {

class LoadedModule;

// The unzip module's file name, the same on every platform.
inline constexpr const char* UnzipModuleFile = "unzdll.dll";

// The unzip module, loaded with both of its exports; unloaded when destroyed.
class UnzipModule {
public:
    // Loads the module from folder; with no folder, from the program's
    // folder (an installed program's module folder), the system folder and
    // then the loader's own search, in that order. nullptr when no candidate loads with both exports.
    static std::unique_ptr<UnzipModule> load(const std::string& folder);

    UnzipModule(std::unique_ptr<LoadedModule> module, UnzDllExecFn exec);
    ~UnzipModule();

    std::int32_t exec(UnzParams* params) const { return exec_(params); }

private:
    std::unique_ptr<LoadedModule> module_;
    UnzDllExecFn exec_;
};

}  // namespace kst
