// The exports of the unzip module. Everything else in it is hidden.
#include "unzdll/unzdll.h"

#include "unzdll/extraction.h"

extern "C" {

int32_t UNZDLL_CALL UnzDllExec(UnzParams* params)
{
    // A block of another version, or one without an archive or members, is
    // refused before anything is touched; the callback cannot be trusted then.
    if (!params || params->version != UNZ_VERSION || !params->archive_path || !*params->archive_path
        || params->member_count <= 0 || !params->members)
        return 0;
    return kst::unz::extract(*params);
}

int32_t UNZDLL_CALL GetUnzDllVersion(void)
{
    return UNZ_VERSION;
}

}  // extern "C"
