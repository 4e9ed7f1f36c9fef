#include "archive/unpack_plan.h"
#include "platform/path_claims.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

TEST(UnpackPlan, NoHeldFileIsUnpackedOverAndEveryMemberIsClaimed)
{
    struct Row {
        const char* name;
        std::vector<std::string> names;
        const char* heldByAnother;  // a file in the temporary folder another window lists; "" for none
        bool claimsShown;           // false: the claims folder cannot be used
        bool ownFolder;
        std::vector<std::string> members, leftOut;
    };
    const Row rows[] = {
        {"nothing held: the temporary folder", {"a.gba", "d/b.gba"}, "", true, false, {"a.gba", "d/b.gba"}, {}},
        {"names of one file: the first", {"x.gba", "./x.gba"}, "", true, false, {"x.gba"}, {"./x.gba"}},
        {"a file another window lists", {"a.gba", "b.gba"}, "b.gba", true, true, {"a.gba", "b.gba"}, {}},
        {"claims the others cannot see", {"a.gba"}, "", false, true, {"a.gba"}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder folder;
        const fs::path claimsFolder = folder / "claims";
        if (!row.claimsShown)
            test::writeText(claimsFolder, "");
        fs::create_directory(folder / "tmp");
        const std::string temporary = (folder / "tmp").string() + "/";
        PathClaims claims(claimsFolder), another(claimsFolder);
        if (*row.heldByAnother)
            another.claim(temporary + row.heldByAnother);

        const UnpackPlan plan = planUnpacking(claims, temporary, row.names);
        EXPECT_EQ(plan.ownFolder, row.ownFolder);
        EXPECT_EQ(plan.folder != temporary, row.ownFolder);
        EXPECT_EQ(plan.members, row.members);
        EXPECT_EQ(plan.leftOut, row.leftOut);
        const std::unordered_set<std::string> seen = another.claimedElsewhere();
        for (const std::string& member : row.members) {
            const std::string key = PathClaims::key(plan.folder + member);
            EXPECT_TRUE(claims.heldHere(key)) << member;
            EXPECT_EQ(seen.contains(key), row.claimsShown) << member;
        }
        // Held now: the same archive again goes into a folder of its own.
        EXPECT_TRUE(planUnpacking(claims, temporary, row.names).ownFolder);
    }
}

}  // namespace
}  // namespace kst
