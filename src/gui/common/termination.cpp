#include "gui/common/termination.h"

namespace kst {
namespace {
bool terminating = false;
}

void requestTermination()
{
    terminating = true;
}

bool terminationRequested()
{
    return terminating;
}

void clearTerminationRequest()
{
    terminating = false;
}

}  // namespace kst
