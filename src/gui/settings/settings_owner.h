#pragma once

#include <string>

namespace kst {

struct StoredSettings;

// What the Options window pushes its settings into: the main window. The
// window sits above the Options window and implements this, so that neither
// includes the other's header both ways.
class SettingsOwner {
public:
    // Takes the stored settings at start-up.
    virtual void applySettings(const StoredSettings& stored) = 0;
    // Each takes effect at once.
    virtual void setEmulatorPath(std::string path) = 0;
    virtual void setOutputFolder(std::string folder) = 0;
    virtual void setTemporaryFolder(std::string folder) = 0;
    // The patch file Apply uses, shown in the Options window.
    virtual std::string patchFile() const = 0;

protected:
    ~SettingsOwner() = default;
};

}  // namespace kst
