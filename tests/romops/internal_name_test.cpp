#include "platform/file_error.h"
#include "romops/internal_name.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kst {
namespace {

using test::Bytes;

Bytes fieldBytes(std::string_view text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.resize(header::InternalNameLength, 0);
    return bytes;
}

Bytes nameOf(const Bytes& image)
{
    return Bytes(image.begin() + 0xA0, image.begin() + 0xAC);
}

// An image whose check byte is right, or deliberately off by one.
Bytes imageWithComplement(std::size_t size, bool right)
{
    Bytes image = test::makeImage(size, "OLD NAME");
    if (size > header::ComplementOffset)
        image[header::ComplementOffset] = static_cast<std::uint8_t>(test::referenceComplement(image) + (right ? 0 : 1));
    return image;
}

TEST(InternalNameFieldTest, TypedTextBecomesTwelveSingleByteCharactersOrIsRefused)
{
    struct Case {
        const char* typed;
        std::optional<Bytes> field;  // nullopt: refused, naming `refused`
        const char* refused = "";
    };
    const Case cases[] = {
        {"ABCDEFGHIJKLMNOPQRST", fieldBytes("ABCDEFGHIJKL")},  // 20 characters: the first 12
        {"abc", fieldBytes("abc")},                            // no change of case, zero-filled
        {"", fieldBytes("")},
        {" ", fieldBytes(" ")},                                // the preset of an empty name
        {"Pok\xC3\xA9mon \xC2\xA6", fieldBytes("Pok\xE9mon \xA6")},  // Latin-1 letters are one byte each
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
         Bytes(12, 0xE9)},                                     // counted in characters, not bytes
        {"ABCDEFGHIJKL\xE2\x82\xAC", fieldBytes("ABCDEFGHIJKL")},  // a wide character past the 12th is cut off
        {"AB\xE2\x82\xAC", std::nullopt, "\xE2\x82\xAC"},        // the euro sign
        {"GAME \xF0\x9F\x8E\xAE", std::nullopt, "\xF0\x9F\x8E\xAE"},  // outside the basic plane
        {"A\xFF", std::nullopt, "\xFF"},                         // not UTF-8 at all (from the command line)
    };
    for (const Case& c : cases) {
        std::string refused;
        std::optional<InternalNameField> field = internalNameField(c.typed, &refused);
        ASSERT_EQ(field.has_value(), c.field.has_value()) << c.typed;
        if (field)
            EXPECT_EQ(Bytes(field->begin(), field->end()), *c.field) << c.typed;
        else
            EXPECT_EQ(refused, c.refused);
    }
}

TEST(RenameImageTest, OnlyTheNameChangesAndTheCheckByteStaysAsValidAsItWas)
{
    const InternalNameField field = *internalNameField("NEW");
    const std::size_t sizes[] = {0xAC, 0xBD, 0xBE, 0xC0, 65536 * 3 + 17};
    for (std::size_t size : sizes) {
        for (bool right : {true, false}) {
            const Bytes before = imageWithComplement(size, right);
            Bytes after = before;
            ASSERT_TRUE(renameImage(after, field)) << size;
            ASSERT_EQ(after.size(), size);
            EXPECT_EQ(nameOf(after), fieldBytes("NEW")) << size;
            for (std::size_t i = 0; i < size; ++i) {
                if ((i >= 0xA0 && i < 0xAC) || i == header::ComplementOffset)
                    continue;
                ASSERT_EQ(after[i], before[i]) << "offset " << i << ", size " << size;
            }
            if (size <= header::ComplementOffset)
                continue;
            if (right)
                EXPECT_EQ(after[header::ComplementOffset], test::referenceComplement(after)) << size;
            else
                EXPECT_EQ(after[header::ComplementOffset], before[header::ComplementOffset]) << size;
        }
    }

    Bytes tooShort = test::makeImage(0xAB, "OLD");
    const Bytes untouched = tooShort;
    EXPECT_FALSE(renameImage(tooShort, field));
    EXPECT_EQ(tooShort, untouched);
}

TEST(RenameImageFileTest, WritesInPlaceOrChangesNothing)
{
    test::TempFolder folder;
    const InternalNameField field = *internalNameField("RENAMED");
    auto entries = [&] { return std::distance(std::filesystem::directory_iterator(folder.path()), {}); };
    auto modeOf = [](const std::filesystem::path& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    };

    // A file that is not a multiple of the 64 KiB block keeps its length and its mode.
    const auto game = folder / "game.gba";
    test::writeBytes(game, imageWithComplement(65536 * 2 + 5, true));
    ::chmod(game.c_str(), 0640);
    EXPECT_EQ(renameImageFile(game, field), RenameOutcome::Renamed);
    Bytes written = test::readBytes(game);
    EXPECT_EQ(written.size(), 65536u * 2 + 5);
    EXPECT_EQ(nameOf(written), fieldBytes("RENAMED"));
    EXPECT_EQ(written[header::ComplementOffset], test::referenceComplement(written));
    EXPECT_EQ(modeOf(game), 0640u);
    EXPECT_EQ(entries(), 1);

    struct Failure {
        const char* name;
        Bytes content;
        bool readOnly;
        std::optional<RenameOutcome> outcome;  // nullopt: a FileError
        const char* reason;
    };
    const Failure failures[] = {
        {"locked.gba", imageWithComplement(0x400, true), true, std::nullopt, "File access denied."},
        {"short.gba", test::makeImage(0xAB, "OLD"), false, RenameOutcome::TooShort, ""},
        {"missing.gba", {}, false, std::nullopt, "No such file or directory"},
    };
    for (const Failure& f : failures) {
        const auto path = folder / f.name;
        if (!f.content.empty())
            test::writeBytes(path, f.content);
        if (f.readOnly)
            test::makeReadOnly(path);
        const auto before = entries();
        try {
            RenameOutcome outcome = renameImageFile(path, field);
            EXPECT_EQ(std::optional(outcome), f.outcome) << f.name;
        } catch (const FileError& error) {
            EXPECT_FALSE(f.outcome) << f.name;
            EXPECT_EQ(error.reason(), f.reason);
        }
        if (!f.content.empty()) {
            EXPECT_EQ(test::readBytes(path), f.content) << f.name;
        }
        EXPECT_EQ(entries(), before) << f.name;
    }
}

}  // namespace
}  // namespace kst
