// The command tables of the main window: menu bar, pop-up menu and toolbar.
// Each command is one row; building, connecting and re-translating walk the rows.

#include "gui/common/strings.h"
#include "gui/common/toolbar_images.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <optional>
#include <span>
#include <vector>

namespace kst {
namespace {

using Handler = void (TForm1::*)();

enum class Kind { Push, Check, Separator };

// One item of a menu: the window's member, its object name, text, key, icon
// and handler. A separator of the menu bar has neither member nor name.
struct MenuCommand {
    Kind kind;
    QAction* TForm1::*member = nullptr;
    const char* name = nullptr;
    TextId text = nullptr;
    QKeySequence key = {};
    std::optional<ToolbarImage> icon = {};
    Handler handler = nullptr;
};

MenuCommand separator(QAction* TForm1::*member = nullptr, const char* name = nullptr)
{
    return {Kind::Separator, member, name};
}

struct MenuTable {
    QMenu* TForm1::*member;
    const char* name;
    TextId title;
    std::vector<MenuCommand> commands;
};

// The menu bar, menu by menu, in the order it shows them.
const std::vector<MenuTable>& menuBarTable()
{
    using I = ToolbarImage;
    using T = TForm1;
    static const std::vector<MenuTable> table = {
        {&T::File1, "File1", strings::File1,
         {{Kind::Push, &T::Options1, "Options1", strings::Options1, Qt::CTRL | Qt::Key_O, I::Options, &T::Options1Click},
          separator(),
          {Kind::Push, &T::Exit1, "Exit1", strings::Exit1, Qt::CTRL | Qt::Key_X, I::Exit, &T::Exit1Click}}},
        {&T::Edit1, "Edit1", strings::Edit1,
         {{Kind::Push, &T::Addrom1, "Addrom1", strings::Addrom1, Qt::CTRL | Qt::Key_A, I::AddRoms, &T::Addrom1Click},
          {Kind::Push, &T::AddFolder1, "AddFolder1", strings::AddFolder1, Qt::CTRL | Qt::SHIFT | Qt::Key_A, {},
           &T::AddFolder1Click},
          {Kind::Push, &T::Removeselection1, "Removeselection1", strings::Removeselection1, {}, I::RemoveSelection,
           &T::Removeselection1Click},
          separator(),
          {Kind::Push, &T::UnselectAll1, "UnselectAll1", strings::UnselectAll1, Qt::Key_F10, I::ClearList,
           &T::UnselectAll1Click},
          separator(),
          {Kind::Push, &T::EditName2, "EditName2", strings::EditName2, Qt::Key_F2, I::EditName, &T::Editname1Click},
          {Kind::Push, &T::EditInternalName2, "EditInternalName2", strings::EditInternalName2, Qt::SHIFT | Qt::Key_F2,
           I::EditInternalName, &T::EditInternalname1Click},
          {Kind::Push, &T::SizeLost1, "SizeLost1", strings::SizeLost1, Qt::CTRL | Qt::Key_S, I::LostSize,
           &T::SizeLost1Click},
          {Kind::Push, &T::otalSizeLost1, "otalSizeLost1", strings::otalSizeLost1, Qt::CTRL | Qt::ALT | Qt::Key_S,
           I::TotalLostSize, &T::otalSizeLost1Click},
          separator(),
          {Kind::Push, &T::VerifyDat1, "VerifyDat1", strings::VerifyDat1, Qt::Key_F7, {}, &T::VerifyDat1Click},
          {Kind::Push, &T::NamesFromDat1, "NamesFromDat1", strings::NamesFromDat1, {}, {}, &T::NamesFromDat1Click}}},
        {&T::Action1, "Action1", strings::Action1,
         {{Kind::Check, &T::Truncate1, "Truncate1", strings::Truncate1, Qt::CTRL | Qt::Key_1, I::Truncate,
           &T::Truncate1Click},
          {Kind::Check, &T::Removeintro1, "Removeintro1", strings::Removeintro1, Qt::CTRL | Qt::Key_2, I::RemoveIntro,
           &T::Removeintro1Click},
          {Kind::Check, &T::ApplyExitHack1, "ApplyExitHack1", strings::ApplyExitHack1, Qt::CTRL | Qt::Key_3,
           I::ApplyExitHack, &T::ApplyExitHack1Click},
          separator(),
          {Kind::Check, &T::All1, "All1", strings::All1, Qt::CTRL | Qt::Key_4, I::All, &T::All1Click}}},
        {&T::Extra1, "Extra1", strings::Extra1,
         {{Kind::Check, &T::RemEH, "RemEH", strings::RemEH, {}, I::RemoveExitHack, &T::RemEHClick}}},
        {&T::Help1, "Help1", strings::Help1,
         {{Kind::Push, &T::Warnings1, "Warnings1", strings::Warnings1, {}, I::Warnings, &T::Warnings1Click},
          separator(),
          {Kind::Push, &T::Howdoesitworks1, "Howdoesitworks1", strings::Howdoesitworks1, {}, I::HowDoesItWork,
           &T::Howdoesitworks1Click},
          {Kind::Push, &T::BetaTesters1, "BetaTesters1", strings::BetaTesters1, {}, I::BetaTesters,
           &T::BetaTesters1Click},
          {Kind::Push, &T::About1, "About1", strings::About1, {}, I::About, &T::About1Click}}},
    };
    return table;
}

// The list's pop-up menu. It shows no icons; Play's is for its toolbar twin.
const MenuTable& popupTable()
{
    using T = TForm1;
    static const MenuTable table = {
        &T::PopupMenu1, "PopupMenu1", nullptr,
        {{Kind::Push, &T::Unselect1, "Unselect1", strings::Unselect1, {}, {}, &T::Liste1DblClick},
         {Kind::Push, &T::Editname1, "Editname1", strings::Editname1, {}, {}, &T::Editname1Click},
         {Kind::Push, &T::EditInternalname1, "EditInternalname1", strings::EditInternalname1, {}, {},
          &T::EditInternalname1Click},
         separator(&T::N6, "N6"),
         {Kind::Push, &T::Play1, "Play1", strings::Play1, Qt::Key_F5, ToolbarImage::Play, &T::Play1Click},
         {Kind::Push, &T::Remove1, "Remove1", strings::Remove1, {}, {}, &T::Removeselection1Click}}};
    return table;
}

// A toolbar button is the twin of a menu command: it shows that command's
// icon, is checkable when the command is, and runs its handler (or one of
// its own), but keeps its own enabled and checked state. A row without a
// button is a separator, kept as an action.
struct ToolbarTwin {
    QToolButton* TForm1::*button;
    QAction* TForm1::*separator;
    const char* name;
    TextId hint;
    QAction* TForm1::*command;
    Handler handler = nullptr;
};

ToolbarTwin toolbarSeparator(QAction* TForm1::*member, const char* name)
{
    return {nullptr, member, name, nullptr, nullptr};
}

const std::vector<ToolbarTwin>& toolbarTable()
{
    using T = TForm1;
    static const std::vector<ToolbarTwin> table = {
        {&T::ToolButton1, nullptr, "ToolButton1", strings::HintExit, &T::Exit1, &T::ToolButton1Click},
        {&T::ToolButton2, nullptr, "ToolButton2", strings::HintOptions, &T::Options1},
        toolbarSeparator(&T::ToolButton3, "ToolButton3"),
        {&T::ToolButton4, nullptr, "ToolButton4", strings::HintAddRoms, &T::Addrom1},
        {&T::ToolButton5, nullptr, "ToolButton5", strings::HintRemoveSelection, &T::Removeselection1},
        {&T::ToolButton6, nullptr, "ToolButton6", strings::HintClearList, &T::UnselectAll1},
        {&T::ToolButton7, nullptr, "ToolButton7", strings::HintEditOutputName, &T::EditName2},
        {&T::ToolButton21, nullptr, "ToolButton21", strings::HintEditInternalName, &T::EditInternalName2},
        {&T::ToolButton22, nullptr, "ToolButton22", strings::HintPlay, &T::Play1},
        {&T::ToolButton8, nullptr, "ToolButton8", strings::HintLostSize, &T::SizeLost1},
        {&T::ToolButton23, nullptr, "ToolButton23", strings::HintTotalLostSize, &T::otalSizeLost1,
         &T::ToolButton23Click},
        toolbarSeparator(&T::ToolButton9, "ToolButton9"),
        {&T::ToolButton10, nullptr, "ToolButton10", strings::HintTruncate, &T::Truncate1},
        {&T::ToolButton11, nullptr, "ToolButton11", strings::HintRemoveIntro, &T::Removeintro1},
        {&T::ToolButton12, nullptr, "ToolButton12", strings::HintApplyExitHack, &T::ApplyExitHack1},
        {&T::ToolButton13, nullptr, "ToolButton13", strings::HintAll, &T::All1},
        toolbarSeparator(&T::ToolButton14, "ToolButton14"),
        {&T::ToolButton15, nullptr, "ToolButton15", strings::HintRemoveExitHack, &T::RemEH},
        toolbarSeparator(&T::ToolButton16, "ToolButton16"),
        {&T::ToolButton17, nullptr, "ToolButton17", strings::HintWarnings, &T::Warnings1},
        {&T::ToolButton18, nullptr, "ToolButton18", strings::HintHowDoesItWork, &T::Howdoesitworks1},
        {&T::ToolButton19, nullptr, "ToolButton19", strings::HintBetaTesters, &T::BetaTesters1},
        {&T::ToolButton20, nullptr, "ToolButton20", strings::HintAbout, &T::About1},
    };
    return table;
}

// The row of a menu command, wherever it is.
const MenuCommand& commandRow(QAction* TForm1::*member)
{
    for (const MenuTable& menu : menuBarTable())
        for (const MenuCommand& command : menu.commands)
            if (command.member == member)
                return command;
    for (const MenuCommand& command : popupTable().commands)
        if (command.member == member)
                return command;
    Q_UNREACHABLE();
}

// A hint's text up to its "|": what follows is a long hint that nothing shows.
QString shortHint(TextId hint)
{
    return qtr(hint).section(QLatin1Char('|'), 0, 0);
}

// A text box with the focus keeps its own keys (cut, copy, paste, select all,
// undo): Qt offers each key to it before the window's shortcuts.
void fillMenu(TForm1& window, QMenu* menu, const std::vector<MenuCommand>& commands, const ToolbarImages& images)
{
    for (const MenuCommand& row : commands) {
        if (row.kind == Kind::Separator) {
            QAction* separator = menu->addSeparator();
            if (row.member) {
                separator->setObjectName(QString::fromLatin1(row.name));
                window.*row.member = separator;
            }
            continue;
        }
        QAction* action = menu->addAction(qtr(row.text));
        action->setObjectName(QString::fromLatin1(row.name));
        action->setShortcut(row.key);
        action->setShortcutContext(Qt::WindowShortcut);
        if (row.icon)
            action->setIcon(images[*row.icon]);
        window.*row.member = action;
        const Handler handler = row.handler;
        if (row.kind == Kind::Push) {
            QObject::connect(action, &QAction::triggered, &window, handler);
            continue;
        }
        // Check items toggle themselves before their handler runs; the handlers
        // own the state, so the automatic toggle is undone first.
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, &window, [&window, action, handler] {
            action->setChecked(!action->isChecked());
            (window.*handler)();
        });
    }
}

void retranslate(TForm1& window, const std::vector<MenuCommand>& commands)
{
    for (const MenuCommand& row : commands)
        if (row.kind != Kind::Separator)
            (window.*row.member)->setText(qtr(row.text));
}

}  // namespace

void TForm1::buildMenus(const ToolbarImages& images)
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuTable& table : menuBarTable()) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(table.name));
        this->*table.member = menu;
        fillMenu(*this, menu, table.commands, images);
    }
    // A group of its own makes All show as a radio item; it can still be unchecked.
    auto* allGroup = new QActionGroup(this);
    allGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    allGroup->addAction(All1);
}

void TForm1::buildPopupMenu(const ToolbarImages& images)
{
    const MenuTable& table = popupTable();
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QString::fromLatin1(table.name));
    fillMenu(*this, PopupMenu1, table.commands, images);
    for (QAction* action : PopupMenu1->actions())
        action->setIconVisibleInMenu(false);
    // Play has no item in the menu bar; on the window, its key works while the pop-up is closed.
    addAction(Play1);
}

void TForm1::buildToolBar(const ToolbarImages& images)
{
    ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setFixedHeight(29);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);

    for (const ToolbarTwin& row : toolbarTable()) {
        if (!row.button) {
            this->*row.separator = ToolBar1->addSeparator();
            (this->*row.separator)->setObjectName(QString::fromLatin1(row.name));
            continue;
        }
        const MenuCommand& twin = commandRow(row.command);
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QString::fromLatin1(row.name));
        if (twin.icon)
            button->setIcon(images[*twin.icon]);
        button->setAutoRaise(true);
        button->setFixedSize(23, 23);
        button->setCheckable(twin.kind == Kind::Check);
        // Out of the Tab order: the menus' keys reach every button's command.
        button->setFocusPolicy(Qt::NoFocus);
        ToolBar1->addWidget(button);
        this->*row.button = button;
        connect(button, &QToolButton::clicked, this, row.handler ? row.handler : twin.handler);
    }
}

void TForm1::callrs()
{
    for (const MenuTable& table : menuBarTable()) {
        (this->*table.member)->setTitle(qtr(table.title));
        retranslate(*this, table.commands);
    }
    retranslate(*this, popupTable().commands);
    for (const ToolbarTwin& row : toolbarTable())
        if (row.button)
            (this->*row.button)->setToolTip(shortHint(row.hint));
}

}  // namespace kst
