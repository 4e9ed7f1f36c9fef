// The About window: one window however often it is shown, its version text,
// the picture with its tooltip and double-click, and a damaged picture.

#include "gui/about/form4.h"
#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

class AboutTest : public StartedGuiTest {
protected:
    TForm4& about() { return *windows.form4; }
    bool hasPicture() { return !about().Image1->pixmap().isNull(); }
};

TEST_F(AboutTest, ShownTwiceItIsOneWindowWhosePictureAnswersHoverAndDoubleClick)
{
    form().About1Click();
    form().About1Click();
    int aboutWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        aboutWindows += qobject_cast<TForm4*>(window) != nullptr;
    EXPECT_EQ(aboutWindows, 1);
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(about().Label1->text(), "Kestrom " KESTROM_PROJECT_VERSION " Public");
    EXPECT_EQ(about().windowTitle(), "About");
    ASSERT_TRUE(hasPicture());

    const QPoint at(20, 20);
    QHelpEvent hover(QEvent::ToolTip, at, about().Image1->mapToGlobal(at));
    QApplication::sendEvent(about().Image1, &hover);
    EXPECT_EQ(QToolTip::text(), "Remember ;) The easter egg is no longer here ! Sorry guy.");
    QToolTip::hideText();

    dialogs->expect(Kind::Message);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(at), about().Image1->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(about().Image1, &doubleClick);
    EXPECT_EQ(dialogs->shown().back().text, "I assure you the easter egg is no longer here !!");
    EXPECT_TRUE(about().isVisible());

    about().BitBtn1->click();
    EXPECT_FALSE(about().isVisible());
}

TEST_F(AboutTest, ADamagedOrMissingPictureLeavesTheWindowWithout)
{
    QFile shipped(TForm4::PicturePath);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray jpeg = shipped.readAll();
    writeBytes(folder / "truncated.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2));
    Bytes garbage(4000);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 97 + 13);
    writeBytes(folder / "garbage.jpg", garbage);

    for (const char* name : {"truncated.jpg", "garbage.jpg", "missing.jpg"}) {
        about().loadPicture(TForm4::PicturePath);
        ASSERT_TRUE(hasPicture());
        about().loadPicture(q(folder / name));
        EXPECT_FALSE(hasPicture()) << name;
        EXPECT_EQ(about().Image1->size(), QSize(190, 65));  // the window keeps its layout
    }
    form().About1Click();
    EXPECT_TRUE(about().isVisible());
}

TEST_F(AboutTest, TheHighDensityPictureKeepsTheWindowsMeasures)
{
    about().loadPicture(TForm4::HighDensityPicturePath, 2);
    ASSERT_TRUE(hasPicture());
    EXPECT_EQ(about().Image1->pixmap().size(), QSize(380, 130));  // drawn at twice the size
    EXPECT_EQ(about().Image1->size(), QSize(190, 65));
    EXPECT_EQ(about().Image1->pixmap().deviceIndependentSize(), QSizeF(190, 65));
}

}  // namespace
}  // namespace kst::test
