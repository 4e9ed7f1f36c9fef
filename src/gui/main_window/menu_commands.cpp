// The command tables of the main window: menu bar, toolbar and pop-up menu.

#include "gui/common/strings.h"
#include "gui/common/toolbar_images.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace kst {
namespace {

// A text box with the focus keeps its own keys (cut, copy, paste, select all,
// undo): Qt offers each key to it before the window's shortcuts.
QAction* item(QMenu* menu, const char* name, TextId caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(qtr(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* checkItem(QMenu* menu, const char* name, TextId caption, const QKeySequence& shortcut)
{
    QAction* action = item(menu, name, caption, shortcut);
    action->setCheckable(true);
    return action;
}

// A hint's text up to its "|": what follows is a long hint that nothing shows.
QString shortHint(TextId hint)
{
    return qtr(hint).section(QLatin1Char('|'), 0, 0);
}

}  // namespace

void TForm1::buildMenus(const ToolbarImages& images)
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(QString());
    File1->setObjectName(QStringLiteral("File1"));
    Options1 = item(File1, "Options1", strings::Options1, QKeySequence(Qt::CTRL | Qt::Key_O));
    Options1->setIcon(images[ToolbarImage::Options]);
    File1->addSeparator();
    Exit1 = item(File1, "Exit1", strings::Exit1, QKeySequence(Qt::CTRL | Qt::Key_X));
    Exit1->setIcon(images[ToolbarImage::Exit]);

    Edit1 = bar->addMenu(QString());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Addrom1 = item(Edit1, "Addrom1", strings::Addrom1, QKeySequence(Qt::CTRL | Qt::Key_A));
    Addrom1->setIcon(images[ToolbarImage::AddRoms]);
    AddFolder1 = item(Edit1, "AddFolder1", strings::AddFolder1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    Removeselection1 = item(Edit1, "Removeselection1", strings::Removeselection1);
    Removeselection1->setIcon(images[ToolbarImage::RemoveSelection]);
    Edit1->addSeparator();
    UnselectAll1 = item(Edit1, "UnselectAll1", strings::UnselectAll1, QKeySequence(Qt::Key_F10));
    UnselectAll1->setIcon(images[ToolbarImage::ClearList]);
    Edit1->addSeparator();
    EditName2 = item(Edit1, "EditName2", strings::EditName2, QKeySequence(Qt::Key_F2));
    EditName2->setIcon(images[ToolbarImage::EditName]);
    EditInternalName2 = item(Edit1, "EditInternalName2", strings::EditInternalName2, QKeySequence(Qt::SHIFT | Qt::Key_F2));
    EditInternalName2->setIcon(images[ToolbarImage::EditInternalName]);
    SizeLost1 = item(Edit1, "SizeLost1", strings::SizeLost1, QKeySequence(Qt::CTRL | Qt::Key_S));
    SizeLost1->setIcon(images[ToolbarImage::LostSize]);
    otalSizeLost1 = item(Edit1, "otalSizeLost1", strings::otalSizeLost1, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    otalSizeLost1->setIcon(images[ToolbarImage::TotalLostSize]);
    Edit1->addSeparator();
    VerifyDat1 = item(Edit1, "VerifyDat1", strings::VerifyDat1, QKeySequence(Qt::Key_F7));
    NamesFromDat1 = item(Edit1, "NamesFromDat1", strings::NamesFromDat1);

    Action1 = bar->addMenu(QString());
    Action1->setObjectName(QStringLiteral("Action1"));
    Truncate1 = checkItem(Action1, "Truncate1", strings::Truncate1, QKeySequence(Qt::CTRL | Qt::Key_1));
    Truncate1->setIcon(images[ToolbarImage::Truncate]);
    Removeintro1 = checkItem(Action1, "Removeintro1", strings::Removeintro1, QKeySequence(Qt::CTRL | Qt::Key_2));
    Removeintro1->setIcon(images[ToolbarImage::RemoveIntro]);
    ApplyExitHack1 = checkItem(Action1, "ApplyExitHack1", strings::ApplyExitHack1, QKeySequence(Qt::CTRL | Qt::Key_3));
    ApplyExitHack1->setIcon(images[ToolbarImage::ApplyExitHack]);
    Action1->addSeparator();
    All1 = checkItem(Action1, "All1", strings::All1, QKeySequence(Qt::CTRL | Qt::Key_4));
    All1->setIcon(images[ToolbarImage::All]);
    // A group of its own makes All show as a radio item; it can still be unchecked.
    auto* allGroup = new QActionGroup(this);
    allGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    allGroup->addAction(All1);

    Extra1 = bar->addMenu(QString());
    Extra1->setObjectName(QStringLiteral("Extra1"));
    RemEH = checkItem(Extra1, "RemEH", strings::RemEH, {});
    RemEH->setIcon(images[ToolbarImage::RemoveExitHack]);

    Help1 = bar->addMenu(QString());
    Help1->setObjectName(QStringLiteral("Help1"));
    Warnings1 = item(Help1, "Warnings1", strings::Warnings1);
    Warnings1->setIcon(images[ToolbarImage::Warnings]);
    Help1->addSeparator();
    Howdoesitworks1 = item(Help1, "Howdoesitworks1", strings::Howdoesitworks1);
    Howdoesitworks1->setIcon(images[ToolbarImage::HowDoesItWork]);
    BetaTesters1 = item(Help1, "BetaTesters1", strings::BetaTesters1);
    BetaTesters1->setIcon(images[ToolbarImage::BetaTesters]);
    About1 = item(Help1, "About1", strings::About1);
    About1->setIcon(images[ToolbarImage::About]);

    // Check items toggle themselves before their handler runs; the handlers
    // own the state, so the automatic toggle is undone first.
    auto bindCheck = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, [this, action, handler] {
            action->setChecked(!action->isChecked());
            (this->*handler)();
        });
    };
    connect(Options1, &QAction::triggered, this, &TForm1::Options1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Addrom1, &QAction::triggered, this, &TForm1::Addrom1Click);
    connect(AddFolder1, &QAction::triggered, this, &TForm1::AddFolder1Click);
    connect(Removeselection1, &QAction::triggered, this, &TForm1::Removeselection1Click);
    connect(UnselectAll1, &QAction::triggered, this, &TForm1::UnselectAll1Click);
    connect(EditName2, &QAction::triggered, this, &TForm1::Editname1Click);
    connect(EditInternalName2, &QAction::triggered, this, &TForm1::EditInternalname1Click);
    connect(SizeLost1, &QAction::triggered, this, &TForm1::SizeLost1Click);
    connect(otalSizeLost1, &QAction::triggered, this, &TForm1::otalSizeLost1Click);
    connect(VerifyDat1, &QAction::triggered, this, &TForm1::VerifyDat1Click);
    connect(NamesFromDat1, &QAction::triggered, this, &TForm1::NamesFromDat1Click);
    bindCheck(Truncate1, &TForm1::Truncate1Click);
    bindCheck(Removeintro1, &TForm1::Removeintro1Click);
    bindCheck(ApplyExitHack1, &TForm1::ApplyExitHack1Click);
    bindCheck(All1, &TForm1::All1Click);
    bindCheck(RemEH, &TForm1::RemEHClick);
    connect(Warnings1, &QAction::triggered, this, &TForm1::Warnings1Click);
    connect(Howdoesitworks1, &QAction::triggered, this, &TForm1::Howdoesitworks1Click);
    connect(BetaTesters1, &QAction::triggered, this, &TForm1::BetaTesters1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);

}

void TForm1::callrs()
{
    File1->setTitle(qtr(strings::File1));
    Options1->setText(qtr(strings::Options1));
    Exit1->setText(qtr(strings::Exit1));
    Edit1->setTitle(qtr(strings::Edit1));
    Addrom1->setText(qtr(strings::Addrom1));
    AddFolder1->setText(qtr(strings::AddFolder1));
    Removeselection1->setText(qtr(strings::Removeselection1));
    UnselectAll1->setText(qtr(strings::UnselectAll1));
    EditName2->setText(qtr(strings::EditName2));
    EditInternalName2->setText(qtr(strings::EditInternalName2));
    SizeLost1->setText(qtr(strings::SizeLost1));
    otalSizeLost1->setText(qtr(strings::otalSizeLost1));
    VerifyDat1->setText(qtr(strings::VerifyDat1));
    NamesFromDat1->setText(qtr(strings::NamesFromDat1));
    Action1->setTitle(qtr(strings::Action1));
    Truncate1->setText(qtr(strings::Truncate1));
    Removeintro1->setText(qtr(strings::Removeintro1));
    ApplyExitHack1->setText(qtr(strings::ApplyExitHack1));
    All1->setText(qtr(strings::All1));
    Extra1->setTitle(qtr(strings::Extra1));
    RemEH->setText(qtr(strings::RemEH));
    Help1->setTitle(qtr(strings::Help1));
    Warnings1->setText(qtr(strings::Warnings1));
    Howdoesitworks1->setText(qtr(strings::Howdoesitworks1));
    BetaTesters1->setText(qtr(strings::BetaTesters1));
    About1->setText(qtr(strings::About1));
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

    enum class Style { Push, Check };
    auto button = [&](const char* name, TextId hint, ToolbarImage image, Style style) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(shortHint(hint));
        b->setIcon(images[image]);
        b->setAutoRaise(true);
        b->setFixedSize(23, 23);
        b->setCheckable(style == Style::Check);
        // Out of the Tab order: the menus' keys reach every button's command.
        b->setFocusPolicy(Qt::NoFocus);
        ToolBar1->addWidget(b);
        return b;
    };
    auto separator = [&](const char* name) {
        QAction* s = ToolBar1->addSeparator();
        s->setObjectName(QString::fromLatin1(name));
        return s;
    };

    ToolButton1 = button("ToolButton1", strings::HintExit, ToolbarImage::Exit, Style::Push);
    ToolButton2 = button("ToolButton2", strings::HintOptions, ToolbarImage::Options, Style::Push);
    ToolButton3 = separator("ToolButton3");
    ToolButton4 = button("ToolButton4", strings::HintAddRoms, ToolbarImage::AddRoms, Style::Push);
    ToolButton5 = button("ToolButton5", strings::HintRemoveSelection, ToolbarImage::RemoveSelection, Style::Push);
    ToolButton6 = button("ToolButton6", strings::HintClearList, ToolbarImage::ClearList, Style::Push);
    ToolButton7 = button("ToolButton7", strings::HintEditOutputName, ToolbarImage::EditName, Style::Push);
    ToolButton21 = button("ToolButton21", strings::HintEditInternalName, ToolbarImage::EditInternalName, Style::Push);
    ToolButton22 = button("ToolButton22", strings::HintPlay, ToolbarImage::Play, Style::Push);
    ToolButton8 = button("ToolButton8", strings::HintLostSize, ToolbarImage::LostSize, Style::Push);
    ToolButton23 = button("ToolButton23", strings::HintTotalLostSize, ToolbarImage::TotalLostSize, Style::Push);
    ToolButton9 = separator("ToolButton9");
    ToolButton10 = button("ToolButton10", strings::HintTruncate, ToolbarImage::Truncate, Style::Check);
    ToolButton11 = button("ToolButton11", strings::HintRemoveIntro, ToolbarImage::RemoveIntro, Style::Check);
    ToolButton12 = button("ToolButton12", strings::HintApplyExitHack, ToolbarImage::ApplyExitHack, Style::Check);
    ToolButton13 = button("ToolButton13", strings::HintAll, ToolbarImage::All, Style::Check);
    ToolButton14 = separator("ToolButton14");
    ToolButton15 = button("ToolButton15", strings::HintRemoveExitHack, ToolbarImage::RemoveExitHack, Style::Check);
    ToolButton16 = separator("ToolButton16");
    ToolButton17 = button("ToolButton17", strings::HintWarnings, ToolbarImage::Warnings, Style::Push);
    ToolButton18 = button("ToolButton18", strings::HintHowDoesItWork, ToolbarImage::HowDoesItWork, Style::Push);
    ToolButton19 = button("ToolButton19", strings::HintBetaTesters, ToolbarImage::BetaTesters, Style::Push);
    ToolButton20 = button("ToolButton20", strings::HintAbout, ToolbarImage::About, Style::Push);

    connect(ToolButton1, &QToolButton::clicked, this, &TForm1::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm1::Options1Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TForm1::Addrom1Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TForm1::Removeselection1Click);
    connect(ToolButton6, &QToolButton::clicked, this, &TForm1::UnselectAll1Click);
    connect(ToolButton7, &QToolButton::clicked, this, &TForm1::Editname1Click);
    connect(ToolButton21, &QToolButton::clicked, this, &TForm1::EditInternalname1Click);
    connect(ToolButton22, &QToolButton::clicked, this, &TForm1::Play1Click);
    connect(ToolButton8, &QToolButton::clicked, this, &TForm1::SizeLost1Click);
    connect(ToolButton23, &QToolButton::clicked, this, &TForm1::ToolButton23Click);
    connect(ToolButton10, &QToolButton::clicked, this, &TForm1::Truncate1Click);
    connect(ToolButton11, &QToolButton::clicked, this, &TForm1::Removeintro1Click);
    connect(ToolButton12, &QToolButton::clicked, this, &TForm1::ApplyExitHack1Click);
    connect(ToolButton13, &QToolButton::clicked, this, &TForm1::All1Click);
    connect(ToolButton15, &QToolButton::clicked, this, &TForm1::RemEHClick);
    connect(ToolButton17, &QToolButton::clicked, this, &TForm1::Warnings1Click);
    connect(ToolButton18, &QToolButton::clicked, this, &TForm1::Howdoesitworks1Click);
    connect(ToolButton19, &QToolButton::clicked, this, &TForm1::BetaTesters1Click);
    connect(ToolButton20, &QToolButton::clicked, this, &TForm1::About1Click);
}

void TForm1::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Unselect1 = item(PopupMenu1, "Unselect1", strings::Unselect1);
    Editname1 = item(PopupMenu1, "Editname1", strings::Editname1);
    EditInternalname1 = item(PopupMenu1, "EditInternalname1", strings::EditInternalname1);
    N6 = PopupMenu1->addSeparator();
    N6->setObjectName(QStringLiteral("N6"));
    Play1 = item(PopupMenu1, "Play1", strings::Play1, QKeySequence(Qt::Key_F5));
    // Play has no item in the menu bar; on the window, its key works while the pop-up is closed.
    addAction(Play1);
    Remove1 = item(PopupMenu1, "Remove1", strings::Remove1);

    connect(Unselect1, &QAction::triggered, this, &TForm1::Liste1DblClick);
    connect(Editname1, &QAction::triggered, this, &TForm1::Editname1Click);
    connect(EditInternalname1, &QAction::triggered, this, &TForm1::EditInternalname1Click);
    connect(Play1, &QAction::triggered, this, &TForm1::Play1Click);
    connect(Remove1, &QAction::triggered, this, &TForm1::Removeselection1Click);
}

}  // namespace kst
