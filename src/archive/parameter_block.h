#pragma once

#include "unzdll/unzdll.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kst {

// What one extraction asks of the unzip module.
struct ExtractRequest {
    void* caller = nullptr;
    UnzCallback callback = nullptr;
    std::string password;
    std::uint8_t options = 0;  // the component's ExtractOptions: ExtractOption bits
    std::vector<std::string> members;
    std::string archivePath;
};

// The module's parameter block with its member array and the texts it points
// to, held together so that every address stays valid while the module runs.
class ParameterBlock {
public:
    explicit ParameterBlock(ExtractRequest request);
    ParameterBlock(const ParameterBlock&) = delete;
    ParameterBlock& operator=(const ParameterBlock&) = delete;

    UnzParams* get() { return &params_; }

private:
    ExtractRequest request_;
    std::vector<UnzMember> members_;
    UnzParams params_{};
};

}  // namespace kst
