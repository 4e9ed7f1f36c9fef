#include "platform/path_claims.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
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

// A claims folder that could show or hide claims of others is not used: the
// claims are then held here only, and the caller is told so.
TEST(PathClaimsTest, AClaimsFolderOthersCouldChangeIsRefused)
{
    const std::pair<const char*, void (*)(const fs::path&)> rows[] = {
        {"a link", [](const fs::path& f) { fs::create_directory(f / "real"), fs::create_directory_symlink(f / "real", f / "claims"); }},
        {"writable by others", [](const fs::path& f) { fs::create_directory(f / "claims"), fs::permissions(f / "claims", fs::perms::all); }},
        {"a file", [](const fs::path& f) { test::writeText(f / "claims", ""); }},
    };
    for (const auto& [name, make] : rows) {
        SCOPED_TRACE(name);
        test::TempFolder folder;
        make(folder.path());
        PathClaims here(folder / "claims"), other(folder / "claims");
        EXPECT_FALSE(here.claim(folder / "x.gba"));
        EXPECT_TRUE(here.heldHere(PathClaims::key(folder / "x.gba")));
        EXPECT_TRUE(other.claimedElsewhere().empty());
        EXPECT_FALSE(fs::exists(folder / "real/lock"));
    }
    test::TempFolder folder;
    PathClaims usable(folder / "claims");
    EXPECT_TRUE(usable.claim(folder / "x.gba"));
}

// An unpacked file another window lists stays when its own window closes,
// and goes when the last window that lists it closes.
TEST(PathClaimsTest, AFileLeftBehindGoesWithItsLastHolder)
{
    test::TempFolder folder;
    const fs::path file = folder / "x.gba", kept = folder / "kept.gba";
    test::writeText(file, "x"), test::writeText(kept, "k");
    auto unpacking = std::make_unique<PathClaims>(folder / "claims");
    auto listing = std::make_unique<PathClaims>(folder / "claims");
    PathClaims unrelated(folder / "claims");
    unpacking->claim(file);
    listing->claim(file);
    unrelated.claim(kept);
    unpacking->deleteUnclaimed({file});
    unpacking.reset();
    EXPECT_TRUE(fs::exists(file));
    unrelated.deleteUnclaimed({});
    EXPECT_TRUE(fs::exists(file)) << "still listed";
    listing->deleteUnclaimed({});
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(kept));
}

// Claim files are read up to a cap: a huge one costs no more than the cap.
TEST(PathClaimsTest, ClaimFilesAreReadUpToACap)
{
    test::TempFolder folder;
    PathClaims other(folder / "claims");
    other.claim("/a.gba");
    other.claim("/" + std::string(17 << 20, 'b'));
    other.claim("/c.gba");
    PathClaims here(folder / "claims");
    EXPECT_TRUE(here.claimedElsewhere() == std::unordered_set<std::string>{"/a.gba"});
}

}  // namespace
}  // namespace kst
