#include "platform/files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

using test::Bytes;
using test::entriesIn;

TEST(AtomicWriteTest, ReplacesTheTargetAndKeepsItsPermissions)
{
    test::TempFolder folder;
    auto target = folder / "out.gba";
    test::writeBytes(target, Bytes(10, 1));
    ::chmod(target.c_str(), 0640);
    writeFileAtomically(target, Bytes{1, 2, 3});
    EXPECT_EQ(test::readBytes(target), (Bytes{1, 2, 3}));
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(AtomicWriteTest, MissingFolderThrowsAndCreatesNothing)
{
    test::TempFolder folder;
    EXPECT_THROW(writeFileAtomically(folder / "nope/out.gba", Bytes{1}), FileError);
    EXPECT_EQ(entriesIn(folder.path()), 0u);
}

// A write that fails half-way (here: the file-size limit) leaves the old file whole.
TEST(AtomicWriteTest, FailedWriteLeavesTheOldFileAndNoTemporary)
{
    test::TempFolder folder;
    auto target = folder / "out.gba";
    Bytes old(3000, 7);
    test::writeBytes(target, old);

    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(writeFileAtomically(target, Bytes(100000, 9)), FileError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(test::readBytes(target), old);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(AtomicWriteTest, CopyIsByteForByte)
{
    test::TempFolder folder;
    Bytes data(200000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 31);
    test::writeBytes(folder / "a", data);
    copyFileAtomically(folder / "a", folder / "b");
    EXPECT_EQ(test::readBytes(folder / "b"), data);
    EXPECT_THROW(copyFileAtomically(folder / "missing", folder / "c"), FileError);
    EXPECT_FALSE(std::filesystem::exists(folder / "c"));
}

TEST(FilesTest, CreatesOneFolderLevelOnly)
{
    test::TempFolder folder;
    test::writeBytes(folder / "file", {1});
    EXPECT_EQ(createFolder(folder.path()), FolderCreation::Existed);
    EXPECT_EQ(createFolder((folder / "new").string() + "/"), FolderCreation::Created);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "new"));
    EXPECT_EQ(createFolder(folder / "new"), FolderCreation::Existed);
    EXPECT_EQ(createFolder(folder / "missing/deeper"), FolderCreation::Failed);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_EQ(createFolder(folder / "file"), FolderCreation::Failed);
}

// A folder on another file system when the machine has one at hand (a rename
// from the link's folder into it would then fail), else beside the link.
class OtherFolder {
public:
    explicit OtherFolder(const test::TempFolder& local)
    {
        struct stat here {}, shm {};
        std::string pattern = "/dev/shm/kestrom-test-XXXXXX";
        if (::stat(local.path().c_str(), &here) == 0 && ::stat("/dev/shm", &shm) == 0 &&
            here.st_dev != shm.st_dev && ::mkdtemp(pattern.data())) {
            path_ = pattern;
            own_ = true;
        } else {
            path_ = local / "elsewhere";
            std::filesystem::create_directory(path_);
        }
    }
    ~OtherFolder()
    {
        std::error_code ec;
        if (own_)
            std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    bool besideTheLink() const { return !own_; }

private:
    std::filesystem::path path_;
    bool own_ = false;
};

TEST(AtomicWriteTargets, ReadOnlyTargetsFailAndLinksAreFollowed)
{
    enum Target { ReadOnlyFile, LinkToReadOnlyFile, LinkToFile, DanglingLink, RelativeLinkToFile };
    struct Case {
        Target target;
        bool fails;
    };
    const Case cases[] = {{ReadOnlyFile, true}, {LinkToReadOnlyFile, true}, {LinkToFile, false}, {DanglingLink, false},
                          {RelativeLinkToFile, false}};  // resolved from the link's folder, not the current one
    for (const Case& c : cases) {
        test::TempFolder folder;
        const OtherFolder other(folder);
        const std::filesystem::path& elsewhere = other.path();
        const std::filesystem::path output = folder / "out.gba";
        const std::filesystem::path real = c.target == ReadOnlyFile ? output : elsewhere / "real.gba";
        const Bytes old(100, 7);
        if (c.target != DanglingLink)
            test::writeBytes(real, old);
        if (c.target == ReadOnlyFile || c.target == LinkToReadOnlyFile)
            test::makeReadOnly(real);
        if (c.target == RelativeLinkToFile)
            std::filesystem::create_symlink(std::filesystem::relative(real, folder.path()), output);
        else if (c.target != ReadOnlyFile)
            std::filesystem::create_symlink(real, output);

        if (c.fails) {
            EXPECT_THROW(writeFileAtomically(output, Bytes{1, 2, 3}), FileError) << c.target;
            EXPECT_EQ(test::readBytes(real), old) << c.target;
        } else {
            EXPECT_NO_THROW(writeFileAtomically(output, Bytes{1, 2, 3})) << c.target;
            EXPECT_TRUE(std::filesystem::exists(real) && test::readBytes(real) == (Bytes{1, 2, 3})) << c.target;
        }
        if (c.target != ReadOnlyFile) {
            EXPECT_TRUE(std::filesystem::is_symlink(output)) << c.target;
            EXPECT_EQ(entriesIn(elsewhere), 1u) << c.target;
        }
        EXPECT_EQ(entriesIn(folder.path()), other.besideTheLink() ? 2u : 1u) << c.target;
    }
}

volatile std::sig_atomic_t interruption = 0;

// Ends the process in the middle of a write: the file-size limit stops the
// write after 64 KiB, and its signal either ends the process itself or raises
// the interruption under test.
[[noreturn]] void writeUntilInterrupted(const std::filesystem::path& target, int signal, bool named)
{
    allowUnnamedTemporaryFiles(!named);
    interruption = signal;
    if (signal != SIGXFSZ)
        std::signal(SIGXFSZ, [](int) { ::raise(interruption); });
    const rlimit noCore {};
    ::setrlimit(RLIMIT_CORE, &noCore);
    rlimit small {};
    ::getrlimit(RLIMIT_FSIZE, &small);
    small.rlim_cur = 64 * 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    try {
        writeFileAtomically(target, Bytes(1 << 20, 9));
    } catch (...) {
    }
    std::_Exit(0);
}

TEST(AtomicWriteInterruptionDeathTest, NoNamedTemporaryFileOutlivesTheProcess)
{
    // Forked, not re-run: the child must write into this test's folder.
    GTEST_FLAG_SET(death_test_style, "fast");
    struct Case {
        int signal;
        bool named;  // the fallback for file systems without unnamed files
    };
    const Case cases[] = {{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGXFSZ, false}, {SIGKILL, false},
                          {SIGINT, true},  {SIGTERM, true},  {SIGHUP, true},  {SIGXFSZ, true},  {SIGQUIT, true},
                          {SIGUSR1, true}, {SIGALRM, true}};
    for (const Case& c : cases) {
        test::TempFolder folder;
        const std::filesystem::path target = folder / "out.gba";
        test::writeBytes(target, Bytes(10, 1));
        const std::string row = std::string(strsignal(c.signal)) + (c.named ? ", named" : ", unnamed");
        EXPECT_EXIT(writeUntilInterrupted(target, c.signal, c.named), testing::KilledBySignal(c.signal), "") << row;
        EXPECT_EQ(test::readBytes(target), Bytes(10, 1)) << row;
        EXPECT_EQ(entriesIn(folder.path()), 1u) << row;
    }
}

}  // namespace
}  // namespace kst
