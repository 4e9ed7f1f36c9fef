#include "core/kilobytes.h"

#include "core/texts.h"

namespace kst {

std::string kilobytes(std::uint64_t bytes)
{
    return std::to_string(bytes / 1024) + tr(texts::KbUnit);
}

}  // namespace kst
