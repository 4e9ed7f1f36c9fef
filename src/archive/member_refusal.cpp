#include "archive/member_refusal.h"

#include "core/texts.h"
#include "unzdll/unzdll.h"
#include "zipformat/limits.h"

#include <system_error>

namespace kst {

std::optional<std::string> refusalText(std::int32_t reason, int systemError)
{
    switch (reason) {
    case UNZ_SKIP_KEPT:
        return std::nullopt;
    case UNZ_SKIP_NAME:
        return tr(texts::RefusedName);
    case UNZ_SKIP_BAD_DATA:
        return tr(texts::RefusedBadData);
    case UNZ_SKIP_METHOD:
        return tr(texts::RefusedMethod);
    case UNZ_SKIP_ENCRYPTED:
        return tr(texts::RefusedEncrypted);
    case UNZ_SKIP_WRITE:
        return format(tr(texts::RefusedWrite), {std::generic_category().message(systemError)});
    case UNZ_SKIP_OUTSIDE:
        return tr(texts::RefusedOutside);
    case UNZ_SKIP_TOO_LARGE:
        return format(tr(texts::RefusedTooLarge),
                      {format(tr(texts::SizeInMiB), {std::to_string(zip::kMaxImageBytes >> 20)})});
    default:  // UNZ_SKIP_DAMAGED, and whatever a later module may add
        return tr(texts::RefusedDamaged);
    }
}

}  // namespace kst
