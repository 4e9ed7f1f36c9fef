#include "platform/path_claims.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

// A second process holds a claim while it runs; once it is killed, its
// claim counts for nothing and its file goes.
TEST(PathClaimsTest, AClaimHoldsWhileItsProgramRuns)
{
    test::TempFolder folder;
    const fs::path claims = folder / "claims";
    fs::create_directories(folder / "real");
    fs::create_directory_symlink(folder / "real", folder / "link");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        PathClaims other(claims);
        other.claim(folder / "link/./x.gba");
        if (::write(ready[1], "r", 1) == 1)
            ::pause();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    PathClaims here(claims);
    PathClaims::Lock lock = here.lock();
    EXPECT_EQ(here.claimedElsewhere(),
              std::unordered_set<std::string>({(fs::canonical(folder / "real") / "x.gba").string()}));
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    EXPECT_TRUE(here.claimedElsewhere().empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(claims), {}), 2);  // the lock and this one's own claim
}

}  // namespace
}  // namespace kst
