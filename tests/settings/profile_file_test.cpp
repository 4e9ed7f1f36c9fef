#include "platform/file_error.h"
#include "settings/profile_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

using test::readText;
using test::writeText;

TEST(ProfileFileParsing, FindsTheValueTheWayTheProfileServiceDoes)
{
    struct Case {
        const char* file;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"[Options]\nprefix=ABC-\n", "prefix", "ABC-"},
        {"[options]\nPREFIX=ABC-\n", "Prefix", "ABC-"},                  // names ignore case
        {"[Options]\r\nprefix=ABC-\r\nsuffix=X\r\n", "prefix", "ABC-"},  // no '\r' in the value
        {"[Options]\nprefix=ABC-", "prefix", "ABC-"},                    // no final line break
        {"  [ Options ]  \n\t prefix \t=  A B  \t\n", "prefix", "A B"},   // blanks around names and value
        {"[Options]\nprefix=\n", "prefix", ""},                          // present but empty: not the default
        {"[Options]\nprefix=\"  quoted  \"\n", "prefix", "  quoted  "},
        {"[Options]\nprefix=\"x'\n", "prefix", "\"x'"},                    // quotes that do not pair stay
        {"[Options]\nprefix=a=b;c [d] #e\n", "prefix", "a=b;c [d] #e"},
        {"[Options]\nprefix=Ümlaut/日本\n", "prefix", "Ümlaut/日本"},
        {"[Options]\n  ;prefix=commented\nprefix=real\n", "prefix", "real"},
        {"prefix=before any section\n[Options]\n", "prefix", "default"},
        {"[Other]\nprefix=other\n[Options]\nsuffix=x\n", "prefix", "default"},
        {"[Other]\nprefix=other\n[Options]\nprefix=mine\n", "prefix", "mine"},
        {"[Options]\nprefix=first\nprefix=second\n", "prefix", "first"},
        {"[Options]\nsuffix=x\n[Options]\nprefix=in the second\n", "prefix", "default"},  // only the first section counts
        {"[Options]\nprefix\n", "prefix", "default"},                    // no '=': not an entry
        {"[Options\nprefix=x\n", "prefix", "default"},                    // a header that never closes
        {"[Options] ; the settings\nprefix=x\n", "prefix", "x"},
        {"[Options]\nprefixes=x\npre=y\n", "prefix", "default"},
        {"", "prefix", "default"},
    };
    test::TempFolder folder;
    for (const Case& c : cases) {
        writeText(folder / "options.ini", c.file);
        EXPECT_EQ(ProfileFile(folder / "options.ini").readString("Options", c.key, "default"), c.expected) << c.file;
    }
}

TEST(ProfileFileParsing, MissingFileGivesTheDefault)
{
    test::TempFolder folder;
    EXPECT_EQ(ProfileFile(folder / "none.ini").readString("Options", "prefix", "KSZ-"), "KSZ-");
    EXPECT_EQ(ProfileFile(folder.path()).readString("Options", "prefix", "KSZ-"), "KSZ-");  // a folder, not a file
}

TEST(ProfileFileParsing, LongValuesAreCutTo2047BytesWithoutSplittingACharacter)
{
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    writeText(file.path(), "[Options]\nvbpath=" + std::string(3000, 'a') + "\n");
    EXPECT_EQ(file.readString("Options", "vbpath", ""), std::string(2047, 'a'));

    // "é" takes two bytes; the one that would straddle the limit is dropped whole.
    writeText(file.path(), "[Options]\nvbpath=" + std::string(2046, 'a') + "é\n");
    EXPECT_EQ(file.readString("Options", "vbpath", ""), std::string(2046, 'a'));
}

TEST(ProfileFileLineEnds, CrLfCrAndLfAllEndALineAndEachKeepsItsKind)
{
    struct Read {
        const char* file;
        const char* key;
        const char* expected;
    };
    const Read reads[] = {
        {"[Options]\rprefix=ABC-\rsuffix=X\r", "suffix", "X"},
        {"[Options]\rprefix=ABC-", "prefix", "ABC-"},
        {"[Options]\nwwidth=800\r", "wwidth", "800"},  // a lone CR ends the last line too
        {"[Options]\r\nprefix=A\rsuffix=B\n", "suffix", "B"},
        {"[Options]\r\r\nprefix=A\r\r", "prefix", "A"},
    };
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    for (const Read& r : reads) {
        writeText(file.path(), r.file);
        EXPECT_EQ(file.readString("Options", r.key, "default"), r.expected) << r.file;
    }

    struct Write {
        const char* before;
        const char* key;
        const char* after;
    };
    const Write writes[] = {
        {"[Options]\rt=0\ra=0\r", "t", "[Options]\rt=1\ra=0\r"},
        {"[Options]\rt=0\r", "r", "[Options]\rt=0\rr=1\r"},
        {"[Options]\nt=0\r", "t", "[Options]\nt=1\r"},
        {"[Options]\r\nt=0\ra=0\n", "a", "[Options]\r\nt=0\ra=1\n"},
        {"[Options]\r\nt=0\r", "r", "[Options]\r\nt=0\rr=1\r\n"},  // a new line follows the first line's habit
        {"[Other]\rx=1\r", "r", "[Other]\rx=1\r\r[Options]\rr=1\r"},
    };
    for (const Write& w : writes) {
        writeText(file.path(), w.before);
        file.writeString("Options", w.key, "1");
        EXPECT_EQ(readText(file.path()), w.after) << w.before;
    }
}

// Aborts a test that would hang instead of failing.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
};

TEST(ProfileFileRefusal, OnlyARegularFileOfAtMost1MiBIsUsed)
{
    enum Kind { Fifo, LinkToDevZero, OneByteTooLarge, Largest };
    const Kind kinds[] = {Fifo, LinkToDevZero, OneByteTooLarge, Largest};
    const std::string entry = "[Options]\nprefix=X\n";
    for (Kind kind : kinds) {
        test::TempFolder folder;
        const std::filesystem::path path = folder / "options.ini";
        if (kind == Fifo) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        }
        if (kind == LinkToDevZero)
            std::filesystem::create_symlink("/dev/zero", path);
        if (kind == OneByteTooLarge || kind == Largest)
            writeText(path, entry + std::string((1 << 20) - entry.size() + (kind == Largest ? 0 : 1), ';'));

        Watchdog watchdog(20);
        ProfileFile file(path);
        EXPECT_EQ(file.readString("Options", "prefix", "default"), kind == Largest ? "X" : "default") << kind;
        try {
            // One byte more would make the largest file one that is refused.
            file.writeString("Options", "prefix", "YZ");
            ADD_FAILURE() << "no error for " << kind;
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), path);
        }
        EXPECT_EQ(std::filesystem::symlink_status(path).type(),
                  kind == Fifo ? std::filesystem::file_type::fifo
                  : kind == LinkToDevZero ? std::filesystem::file_type::symlink
                                          : std::filesystem::file_type::regular) << kind;
        if (kind == OneByteTooLarge || kind == Largest) {
            EXPECT_EQ(std::filesystem::file_size(path), (1u << 20) + (kind == Largest ? 0 : 1));
        }
    }
}

TEST(ProfileFileWriting, ChangesOnlyTheLineItIsAbout)
{
    struct Case {
        const char* before;
        const char* key;
        const char* value;
        const char* after;
    };
    const Case cases[] = {
        // Replacing keeps comments, other keys and sections, blanks and the key's spelling.
        {"; shipped\n[Options]\nWLeft = 5   \nfoo=bar\n\n[Other]\nwleft=7\n", "wleft", "100",
         "; shipped\n[Options]\nWLeft = 100\nfoo=bar\n\n[Other]\nwleft=7\n"},
        {"[Options]\r\nt=0\r\na=0\r\n", "t", "1", "[Options]\r\nt=1\r\na=0\r\n"},
        {"[Options]\nt=0", "t", "1", "[Options]\nt=1"},
        {"[Options]\nt=", "t", "1", "[Options]\nt=1"},
        {"[OPTIONS]\nT=0\nt=0\n", "t", "1", "[OPTIONS]\nT=1\nt=0\n"},
        {"[Options]\nt=0\n[options]\nt=0\n", "t", "1", "[Options]\nt=1\n[options]\nt=0\n"},
        // Adding goes after the section's last entry, before the blank lines and
        // comments that lead into the next section.
        {"[Options]\nt=0\n\n; window\n[Other]\n", "r", "1", "[Options]\nt=0\nr=1\n\n; window\n[Other]\n"},
        {"[Options]\r\nt=0\r\n", "r", "1", "[Options]\r\nt=0\r\nr=1\r\n"},
        {"[Options]\nt=0", "r", "1", "[Options]\nt=0\nr=1"},
        {"[Options]", "r", "1", "[Options]\nr=1"},
        {"[Options]\n; t=1\n", "t", "0", "[Options]\nt=0\n; t=1\n"},
        {"[Options]\nt=0\n[Options]\nr=0\n", "r", "1", "[Options]\nt=0\nr=1\n[Options]\nr=0\n"},
        {"[Other]\nr=0\n[Options]\n", "r", "1", "[Other]\nr=0\n[Options]\nr=1\n"},
        // Adding the section at the end of the file.
        {"", "r", "1", "[Options]\nr=1\n"},
        {"[Other]\nx=1\n", "r", "1", "[Other]\nx=1\n\n[Options]\nr=1\n"},
        {"[Other]\r\nx=1\r\n\r\n", "r", "1", "[Other]\r\nx=1\r\n\r\n[Options]\r\nr=1\r\n"},
        {"[Other]\nx=1", "r", "1", "[Other]\nx=1\n\n[Options]\nr=1"},
    };
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    for (const Case& c : cases) {
        writeText(file.path(), c.before);
        file.writeString("Options", c.key, c.value);
        EXPECT_EQ(readText(file.path()), c.after) << c.before;
    }
}

TEST(ProfileFileWriting, CreatesAMissingFileAndLeavesNoTemporaryFileBehind)
{
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    file.writeString("Options", "prefix", "A-");
    file.writeString("Options", "suffix", "-B");
    EXPECT_EQ(readText(file.path()), "[Options]\nprefix=A-\nsuffix=-B\n");
    EXPECT_EQ(test::entriesIn(folder.path()), 1u);
}

TEST(ProfileFileWriting, RefusedWritesNameTheFileAndChangeNothing)
{
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "locked");
    const std::filesystem::path readOnlyFile = folder / "ro.ini";
    const std::filesystem::path inLockedFolder = folder / "locked/options.ini";
    const std::filesystem::path inMissingFolder = folder / "missing/options.ini";
    writeText(readOnlyFile, "[Options]\nt=0\n");
    writeText(inLockedFolder, "[Options]\nt=0\n");
    test::makeReadOnly(readOnlyFile);
    test::makeReadOnly(folder / "locked");

    for (const auto& path : {readOnlyFile, inLockedFolder, inMissingFolder}) {
        try {
            ProfileFile(path).writeString("Options", "t", "1");
            ADD_FAILURE() << "no error for " << path;
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
        }
    }
    EXPECT_EQ(readText(readOnlyFile), "[Options]\nt=0\n");
    EXPECT_EQ(readText(inLockedFolder), "[Options]\nt=0\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(ProfileFileWriting, ValuesAndNamesThatWouldBreakTheFormatAreRefused)
{
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    writeText(file.path(), "[Options]\nvbpath=old\n");
    EXPECT_THROW(file.writeString("Options", "vbpath", "a\nprefix=injected"), FileError);
    EXPECT_THROW(file.writeString("Options", "a=b", "x"), std::invalid_argument);
    EXPECT_THROW(file.writeString("Options", ";t", "x"), std::invalid_argument);
    EXPECT_EQ(readText(file.path()), "[Options]\nvbpath=old\n");
}

TEST(ProfileFileRoundTrip, WhatIsWrittenReadsBack)
{
    const std::string values[] = {
        "",
        "KSZ-",
        "/home/user/My Games/vba-m",
        "a=b;c#d [e] \\f",
        "C:\\temp\\",
        "say \"hi\"",
        "Ünïcödé 日本",
        std::string(2047, 'x'),
    };
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    writeText(file.path(), "; kept\r\n[Options]\r\nunknown=keep me\r\n");
    for (const std::string& value : values) {
        file.writeString("Options", "vbpath", value);
        file.writeString("other", "vbpath", "elsewhere");
        EXPECT_EQ(file.readString("OPTIONS", "VBPath", "default"), value);
        EXPECT_EQ(file.readString("Other", "vbpath", "default"), "elsewhere");
    }
    EXPECT_EQ(file.readString("Options", "unknown", ""), "keep me");
    std::string text = readText(file.path());
    EXPECT_TRUE(text.starts_with("; kept\r\n[Options]\r\nunknown=keep me\r\nvbpath="));
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        EXPECT_EQ(text[i - 1], '\r') << "a bare line feed at " << i;
}

}  // namespace
}  // namespace kst
