#include "platform/path_claims.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

// A second process holds a claim while it runs; once it has ended (without
// withdrawing anything, as a killed program would), its claim counts for
// nothing and its file goes.
TEST(PathClaimsTest, AClaimHoldsWhileItsProgramRuns)
{
    test::TempFolder folder;
    const fs::path claims = folder / "claims";
    fs::create_directories(folder / "real");
    fs::create_directory_symlink(folder / "real", folder / "link");
    int ready[2], quit[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(quit), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(quit[1]);  // so that the parent's close ends the read
        PathClaims other(claims);
        other.claim(folder / "link/./x.gba");
        char c = 0;
        if (::write(ready[1], &c, 1) == 1)
            [[maybe_unused]] auto n = ::read(quit[0], &c, 1);
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(quit[0]);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);

    PathClaims here(claims);
    {
        PathClaims::Lock lock = here.lock();
        EXPECT_EQ(here.claimedElsewhere(),
                  std::unordered_set<std::string>({(fs::canonical(folder / "real") / "x.gba").string()}));
    }
    ::close(quit[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    PathClaims::Lock lock = here.lock();
    EXPECT_TRUE(here.claimedElsewhere().empty());
    std::size_t claimFiles = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(claims))
        claimFiles += entry.path().extension() == ".claim";
    EXPECT_EQ(claimFiles, 1u);  // this one's own
}

}  // namespace
}  // namespace kst
