#include "gui/support/gui_fixture.h"

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "gui/main_window/save_scan.h"
#include "support/synthetic_image.h"

#include <QApplication>

namespace kst::test {

GuiTest::GuiTest()
{
    auto fakePlatform = std::make_unique<FakePlatform>(folder.path());
    platform = fakePlatform.get();
    installPlatform(std::move(fakePlatform));
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    installDialogs(std::move(scripted));
    clearTerminationRequest();

    writeBytes(platform->program / "options.ini", {});
    std::string ini = "[Options]\nprefix=KSZ-\n";
    writeBytes(platform->program / "options.ini", Bytes(ini.begin(), ini.end()));
    writeBytes(platform->program / "patch.wnt", Bytes{0x08, 0x40, 0x4F, 0xE2, 0x02, 0x44, 0x44, 0xE2, 0x1C, 0xE0, 0x8F,
                                                      0xE2, 0xA4, 0x10, 0x9F, 0xE5, 0x04, 0x00, 0x11, 0x22});
    writeBytes(platform->program / "unzdll.dll", Bytes{0x7F, 'E', 'L', 'F'});
}

GuiTest::~GuiTest()
{
    destroyWindows(windows);
    EXPECT_TRUE(dialogs->allAnswered()) << "a dialog the test expected was never shown";
    installDialogs(nullptr);
    installPlatform(nullptr);
    clearTerminationRequest();
}

void GuiTest::start()
{
    windows = createWindows();
}

std::string GuiTest::image(const std::string& name, std::size_t size, const std::string& internalName)
{
    std::filesystem::path path = folder / name;
    std::filesystem::create_directories(path.parent_path());
    writeBytes(path, makeImage(size, internalName));
    return path.string();
}

void GuiTest::add(const QStringList& paths, std::initializer_list<ShownDialog::Kind> then)
{
    dialogs->expectOpenFile(paths);
    for (ShownDialog::Kind kind : then)
        dialogs->expect(kind);
    form().Addrom1Click();
}

std::string GuiTest::cell(int col, int row)
{
    if (col == ColSave)
        form().saveScan().finish();
    return form().grid().cell(col, row);
}

QStringList GuiTest::names()
{
    QStringList all;
    for (int row = 1; row < form().grid().rowCount(); ++row)
        all << q(cell(ColName, row));
    return all;
}

}  // namespace kst::test
