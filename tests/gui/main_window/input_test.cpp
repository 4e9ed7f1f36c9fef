// Keys, shortcuts and double clicks as the user gives them, through Qt's own
// event delivery rather than by calling the handlers.

#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"

#include <QLineEdit>
#include <QTest>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

class InputTest : public GuiTest {
protected:
    void SetUp() override
    {
        start();
        form().show();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }

    void addRoms(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << QString::fromStdString(image("rom" + std::to_string(i) + ".gba"));
        add(paths);
    }
    std::string mark(int row) { return form().grid().cell(ColGo, row); }
};

TEST_F(InputTest, OnlyTheDeleteKeyRemovesRows)
{
    addRoms(3);
    struct Case {
        const char* label;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int rowsLeft;
    };
    const Case cases[] = {
        {"period", Qt::Key_Period, Qt::NoModifier, 3},
        {"keypad period", Qt::Key_Period, Qt::KeypadModifier, 3},
        {"keypad comma", Qt::Key_Comma, Qt::KeypadModifier, 3},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        form().selectRows(2, 2);
        QTest::keyClick(form().Liste1, c.key, c.modifiers);
        EXPECT_EQ(form().grid().rowCount() - 1, c.rowsLeft);
    }
}

TEST_F(InputTest, AddRomsAndExitShortcutsWinInThePrefixAndSuffixBoxes)
{
    for (QLineEdit* box : {form().Edit2, form().Edit3}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setText("A-");
        box->setFocus();
        dialogs->expectOpenFile(std::nullopt);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        EXPECT_TRUE(dialogs->allAnswered());
        ASSERT_FALSE(dialogs->shown().empty());
        EXPECT_EQ(dialogs->shown().back().kind, Kind::OpenFile);
        EXPECT_EQ(box->text(), "A-");
        dialogs->clearShown();
    }
    form().Edit3->setFocus();
    QTest::keyClick(form().Edit3, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().Edit3->text(), "A-");
}

TEST_F(InputTest, DoubleClickBelowTheLastRowToggles)
{
    addRoms(2);
    form().selectRows(1, 2);
    QWidget* area = form().Liste1->viewport();
    const QPoint below(20, area->height() - 5);
    ASSERT_FALSE(form().Liste1->indexAt(below).isValid());
    QTest::mouseDClick(area, Qt::LeftButton, Qt::NoModifier, below);
    const int top = form().selectionTop();
    const int bottom = form().selectionBottom();
    for (int row = 1; row <= 2; ++row)
        EXPECT_EQ(mark(row), row >= top && row <= bottom ? "@" : "") << row;
    EXPECT_EQ(mark(top), "@");
}

}  // namespace
}  // namespace kst::test
