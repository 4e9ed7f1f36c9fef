// Keys, shortcuts and double clicks as the user gives them, through Qt's own
// event delivery rather than by calling the handlers.

#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
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

TEST_F(InputTest, WindowKeys)
{
    addRoms(3);
    form().Timer1Timer();  // Apply is enabled: the list holds ROMs
    QWidget* list = form().Liste1;
    QWidget* apply = form().BitBtn3;
    QLineEdit* prefix = form().Edit2;
    QLineEdit* suffix = form().Edit3;
    // What a key may change, read back after it.
    auto boxes = [&] { return prefix->text() + "|" + suffix->text(); };
    auto caption = [&] { return dialogs->shown().empty() ? QString() : dialogs->shown().back().caption; };
    auto said = [&] { return dialogs->shown().empty() ? QString() : dialogs->shown().back().text; };
    auto focus = [] { return QApplication::focusWidget()->objectName(); };
    auto rows = [&] { return QString("%1-%2 of %3").arg(form().selectionTop()).arg(form().selectionBottom())
                                                   .arg(form().grid().rowCount() - 1); };
    auto marks = [&] { return q(mark(1) + "." + mark(2) + "." + mark(3)) + " " + rows(); };
    auto actions = [&] {
        const std::pair<QAction*, const char*> items[] = {
            {form().Truncate1, "T"}, {form().Removeintro1, "R"}, {form().ApplyExitHack1, "E"}, {form().All1, "All"}};
        QString checked;
        for (const auto& [item, letter] : items)
            checked += item->isChecked() ? letter : "";
        return checked;
    };
    auto shown = [&] { return form().isVisible() ? "shown" : "closed"; };
    struct Case {
        const char* keys;
        QWidget* focus;
        bool highlighted;           // rows 1 and 2, or none
        std::optional<Kind> opens;  // answered with Cancel
        std::function<QString()> read;
        QString expected;
    };
    const Case cases[] = {
        // A text box keeps its editing keys: nothing quits, nothing opens.
        {"Ctrl+A, Ctrl+X", prefix, true, {}, boxes, "|-S"},
        {"Ctrl+A, Ctrl+C, End, Ctrl+V", suffix, true, {}, boxes, "KSZ-|-S-S"},
        {"Ctrl+A, Ctrl+X, Ctrl+Z", prefix, true, {}, boxes, "KSZ-|-S"},
        // The window's keys, in the list and in a box that has no use for them.
        {"Ctrl+A", list, true, Kind::OpenFile, caption, "Select File..."},
        {"F2", prefix, true, Kind::Input, caption, "Edit name"},
        {"Shift+F2", list, true, Kind::Input, caption, "Internal name"},
        {"F5", list, true, Kind::Input, caption, "Emulator path?"},
        {"F7", suffix, true, Kind::OpenFile, caption, "Verify with DAT file"},
        {"Ctrl+1", prefix, true, {}, actions, "T"},
        {"Ctrl+2", list, true, {}, actions, "R"},
        {"Ctrl+3", list, true, {}, actions, "E"},
        {"Ctrl+4", suffix, true, {}, actions, "All"},
        // The list: Space marks, Home and End go to the first and last row.
        {"Space", list, true, {}, marks, "@.@. 1-2 of 3"},
        {"End", list, true, {}, rows, "3-3 of 3"},
        {"End, Home", list, true, {}, rows, "1-1 of 3"},
        // Tab goes round the list, Apply and the boxes.
        {"Tab", list, true, {}, focus, "BitBtn3"},
        {"Tab", apply, true, {}, focus, "Edit2"},
        {"Tab", prefix, true, {}, focus, "Edit3"},
        {"Tab", suffix, true, {}, focus, "Liste1"},
        {"Shift+Tab", prefix, true, {}, focus, "BitBtn3"},
        // With no row highlighted, nothing is acted on.
        {"F2", list, false, Kind::Message, said, "The current selection is empty."},
        {"Shift+F2", list, false, Kind::Message, said, "The current selection is empty."},
        {"Delete", list, false, {}, rows, "1-1 of 3"},
        {"Space", list, false, {}, marks, ".. 1-1 of 3"},
        // Ctrl+X quits, outside the boxes.
        {"Ctrl+X", list, true, {}, shown, "closed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + " in " + c.focus->objectName().toStdString());
        prefix->setText("KSZ-");
        suffix->setText("-S");
        form().restoreActions({});
        for (int row = 1; row <= 3; ++row)
            form().grid().setCell(ColGo, row, "");
        form().selectRows(1, 2);
        if (!c.highlighted)
            form().Liste1->clearSelection();
        dialogs->clearShown();
        if (c.opens == Kind::Input)
            dialogs->expectInput(std::nullopt);
        else if (c.opens == Kind::OpenFile)
            dialogs->expectOpenFile(std::nullopt);
        else if (c.opens)
            dialogs->expect(*c.opens);
        c.focus->setFocus();
        QTest::keySequence(c.focus, QKeySequence(QString::fromLatin1(c.keys)));
        EXPECT_TRUE(dialogs->allAnswered());
        EXPECT_EQ(c.read(), c.expected);
    }
}

TEST_F(InputTest, ClicksBelowTheLastRowKeepTheHighlightAndADoubleClickToggles)
{
    addRoms(2);
    form().selectRows(1, 2);
    QWidget* area = form().Liste1->viewport();
    const QPoint below(20, area->height() - 5);
    ASSERT_FALSE(form().Liste1->indexAt(below).isValid());
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, below);
    QTest::mouseDClick(area, Qt::LeftButton, Qt::NoModifier, below);
    // The clicks below kept the highlighted rows, which the double click marked.
    EXPECT_EQ(form().selectionTop(), 1);
    EXPECT_EQ(form().selectionBottom(), 2);
    EXPECT_EQ(mark(1) + mark(2), "@@");
}

}  // namespace
}  // namespace kst::test
