#include "archive/image_members.h"

#include "archive/tzip.h"
#include "core/paths.h"

namespace kst {

std::vector<int> imageMembers(const TZip& zip)
{
    std::vector<int> indexes;
    for (int i = 0; i < zip.Count(); ++i)
        if (hasExtension(zip.GetEntry(i).name, GbaExtension))
            indexes.push_back(i);
    return indexes;
}

}  // namespace kst
