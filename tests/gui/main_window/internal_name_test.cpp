// Edit Internal Name: the input box, the bytes written, the row built again,
// and the failures that leave the file as it was.

#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"
#include "romops/internal_name.h"
#include "support/synthetic_image.h"
#include "support/zip_writer.h"

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

class InternalNameTest : public StartedGuiTest {
protected:
    // Adds images named name.gba whose header check byte is right.
    std::vector<std::string> addRoms(const std::vector<std::string>& stems, std::size_t size = 0x400)
    {
        std::vector<std::string> paths;
        QStringList picked;
        for (const std::string& name : stems) {
            Bytes bytes = makeImage(size, "OLD" + name);
            bytes[0xBD] = test::referenceComplement(bytes);
            const auto path = folder / (name + ".gba");
            writeBytes(path, bytes);
            paths.push_back(path.string());
            picked << q(path);
        }
        add(picked);
        return paths;
    }

    // Runs the command on rows top..bottom, typing the given name, and
    // expects the saved message; returns the status text seen while it was up.
    QString rename(int top, int bottom, const QString& typed)
    {
        form().selectRows(top, bottom);
        dialogs->expectInput(typed);
        dialogs->expect(Kind::Message);
        QString statusWhileSaved;
        dialogs->onShown = [&](const ShownDialog& shown) {
            if (shown.kind == Kind::Message)
                statusWhileSaved = form().statusText();
        };
        form().EditInternalname1Click();
        dialogs->onShown = nullptr;
        return statusWhileSaved;
    }
};

TEST_F(InternalNameTest, TheTypedNameIsStoredAndTheRowComesBackInRowOne)
{
    struct Case {
        QString typed;
        Bytes field;
        std::string shown;  // the Internal name cell afterwards
    };
    auto field = [](std::string text) {
        text.resize(12, '\0');
        return Bytes(text.begin(), text.end());
    };
    const Case cases[] = {
        {"TWELVE CHARS", field("TWELVE CHARS"), "TWELVE CHARS"},
        {"TWENTY CHARACTERS!!!", field("TWENTY CHARA"), "TWENTY CHARA"},
        {"abc", field("abc"), "abc"},
        {"", field(""), " "},
        {" ", field(" "), " "},  // the preset of an empty name, accepted as it is
        {QString::fromUtf8("Caf\xC3\xA9"), field("Caf\xE9"), "Caf\xC3\xA9"},
    };
    // Not a multiple of the 64 KiB block.
    const std::string path = addRoms({"game"}, 65536 * 2 + 123).front();
    form().grid().setCell(ColNewSize, 1, "100 KB");
    for (const Case& c : cases) {
        const Bytes before = readBytes(path);
        const std::string preset = cell(ColInternalName, 1);
        dialogs->clearShown();
        EXPECT_EQ(rename(1, 1, c.typed), "Saving modifications...");
        EXPECT_EQ(dialogs->lastInputInitial.toStdString(), preset);
        EXPECT_EQ(dialogs->lastInputMaxLength, 12);
        EXPECT_EQ(dialogs->shown()[0].caption, "Internal name");
        EXPECT_EQ(dialogs->shown()[0].text, "Type the new internal name (12 char.)");
        EXPECT_EQ(dialogs->shown()[1].text, "Image " + q(path) + " modified and saved.");

        const Bytes after = readBytes(path);
        ASSERT_EQ(after.size(), before.size());
        EXPECT_EQ(Bytes(after.begin() + 0xA0, after.begin() + 0xAC), c.field) << c.typed.toStdString();
        for (std::size_t i = 0; i < after.size(); ++i) {
            if ((i < 0xA0 || i >= 0xAC) && i != 0xBD) {
                ASSERT_EQ(after[i], before[i]) << "offset " << i;
            }
        }
        EXPECT_EQ(after[0xBD], test::referenceComplement(after));  // a valid header stays valid

        ASSERT_EQ(form().grid().rowCount(), 2);
        EXPECT_EQ(cell(ColName, 1), "game");
        EXPECT_EQ(cell(ColInternalName, 1), c.shown);
        EXPECT_EQ(cell(ColNewSize, 1), "");
        EXPECT_EQ(cell(ColInput, 1), path);
    }
}

TEST_F(InternalNameTest, TheEditedRomMovesToTheEndAndOtherSelectedRowsStay)
{
    const auto paths = addRoms({"a", "b", "c", "d"});
    form().grid().setCell(ColGo, 2, "@");
    rename(2, 2, "NEWB");
    EXPECT_EQ(names(), QStringList({"a", "c", "d", "b"}));
    EXPECT_EQ(cell(ColInternalName, 4), "NEWB");
    EXPECT_EQ(cell(ColGo, 4), "");  // comes back unmarked

    // Rows 1 and 2 selected ("a" and "c"): only "a" is edited and moves; "c" stays.
    const Bytes cBefore = readBytes(paths[2]);
    rename(1, 2, "NEWA");
    EXPECT_EQ(names(), QStringList({"c", "d", "b", "a"}));
    EXPECT_EQ(cell(ColInternalName, 4), "NEWA");
    EXPECT_EQ(readBytes(paths[2]), cBefore);
}

TEST_F(InternalNameTest, FailuresLeaveTheFileAndTheListAsTheyWere)
{
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> prepare;
        std::optional<QString> typed;       // nullopt: Cancel
        std::optional<Kind> then;           // the dialog after the input box
        std::function<QString(const std::string& path)> text;
    };
    const Case cases[] = {
        {"Cancel", [](const std::string&) {}, std::nullopt, std::nullopt, nullptr},
        {"read-only file", [](const std::string& path) { makeReadOnly(path); }, QString("NEW"), Kind::Error,
         [](const std::string&) { return QString("File access denied."); }},
        {"shorter than the name field since it was listed",
         [](const std::string& path) { writeBytes(path, makeImage(0xAB, "OLD")); }, QString("NEW"), Kind::Error,
         [](const std::string& path) {
             return q(path) + "\nThis file is too short to hold an internal name; it was not changed.";
         }},
        {"a character of more than one byte", [](const std::string&) {}, QString::fromUtf8("GAME \xE2\x82\xAC"),
         Kind::Error,
         [](const std::string&) {
             return QString::fromUtf8("The internal name cannot hold the character \"\xE2\x82\xAC\": only characters "
                                      "of one byte each (Latin-1) fit in the header.");
         }},
        {"file gone", [](const std::string& path) { std::filesystem::remove(path); }, QString("NEW"), Kind::Error,
         [](const std::string&) { return QString("No such file or directory"); }},
    };
    int round = 0;
    for (const Case& c : cases) {
        form().UnselectAll1Click();
        const std::string x = "x" + std::to_string(++round);
        const std::string path = addRoms({x, "y"}).front();
        c.prepare(path);
        const bool exists = std::filesystem::exists(path);
        const Bytes before = exists ? readBytes(path) : Bytes{};
        const auto entries = [&] { return std::distance(std::filesystem::directory_iterator(folder.path()), {}); };
        const auto entriesBefore = entries();
        dialogs->clearShown();
        form().selectRows(1, 1);
        dialogs->expectInput(c.typed);
        if (c.then)
            dialogs->expect(*c.then);
        form().EditInternalname1Click();

        if (c.text) {
            EXPECT_EQ(dialogs->shown().back().text, c.text(path)) << c.what;
        }
        if (exists) {
            EXPECT_EQ(readBytes(path), before) << c.what;
        }
        EXPECT_EQ(names(), QStringList({q(x), "y"})) << c.what;
        EXPECT_EQ(entries(), entriesBefore) << c.what;  // no temporary file left behind
    }

    // An empty selection asks nothing.
    form().UnselectAll1Click();
    dialogs->expect(Kind::Message);
    form().EditInternalname1Click();
    EXPECT_EQ(dialogs->shown().back().text, "The current selection is empty.");
}

TEST_F(InternalNameTest, AnUnpackedMemberIsEditedAndItsArchiveIsNot)
{
    // The archive and the copy of its member in the temporary folder, added
    // as the archive import adds each unpacked member.
    const Bytes image = makeImage(0x400, "MEMBER");
    const auto archive = folder / "games.zip";
    writeBytes(archive, zipArchive({storedEntry("Member.gba", image)}));
    const Bytes archiveBefore = readBytes(archive);
    const std::filesystem::path unpacked = platform->temporary / "kestrom";
    std::filesystem::create_directories(unpacked);
    const std::string member = (unpacked / "Member.gba").string();
    writeBytes(member, image);
    form().addImage(member, true);

    rename(1, 1, "EDITED");
    EXPECT_EQ(cell(ColInternalName, 1), "EDITED");
    EXPECT_EQ(cell(ColInput, 1), member);
    EXPECT_EQ(readBytes(member)[0xA0], 'E');
    EXPECT_EQ(readBytes(archive), archiveBefore);
    EXPECT_TRUE(form().TempFiles.contains(q(member)));  // still deleted on close
}

}  // namespace
}  // namespace kst::test
