// The chosen actions: Action menu check marks mirrored by their toolbar twins.

#include "gui/main_window/form1.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <tuple>

namespace kst {
namespace {

void toggle(QAction* item, QToolButton* twin)
{
    item->setChecked(!item->isChecked());
    twin->setChecked(item->isChecked());
}

}  // namespace

ops::Actions TForm1::chosenActions() const
{
    return {.all = All1->isChecked(),
            .removeIntro = Removeintro1->isChecked(),
            .truncate = Truncate1->isChecked(),
            .applyExitHack = ApplyExitHack1->isChecked()};
}

ApplyMode TForm1::applyMode() const
{
    return RemEH->isChecked() ? ApplyMode::RemoveEH : ApplyMode::Process;
}

void TForm1::restoreActions(const ops::Actions& actions)
{
    const std::tuple<QAction*, QToolButton*, bool> singles[] = {{Truncate1, ToolButton10, actions.truncate},
                                                                {Removeintro1, ToolButton11, actions.removeIntro},
                                                                {ApplyExitHack1, ToolButton12, actions.applyExitHack}};
    for (const auto& [item, twin, chosen] : singles) {
        item->setChecked(chosen);
        twin->setChecked(chosen);
        item->setEnabled(!actions.all);
        twin->setEnabled(!actions.all);
    }
    All1->setChecked(actions.all);
    ToolButton13->setChecked(actions.all);
}

void TForm1::Truncate1Click()
{
    toggle(Truncate1, ToolButton10);
}

void TForm1::Removeintro1Click()
{
    toggle(Removeintro1, ToolButton11);
}

void TForm1::ApplyExitHack1Click()
{
    toggle(ApplyExitHack1, ToolButton12);
}

void TForm1::All1Click()
{
    // Each item's enabled state flips on its own; their marks stay, to come
    // back into force when All is switched off.
    for (QAction* item : {Truncate1, Removeintro1, ApplyExitHack1})
        item->setEnabled(!item->isEnabled());
    All1->setChecked(!All1->isChecked());
    bool all = All1->isChecked();
    ToolButton13->setChecked(all);
    for (QToolButton* twin : {ToolButton10, ToolButton11, ToolButton12})
        twin->setEnabled(!all);
}

void TForm1::RemEHClick()
{
    RemEH->setChecked(!RemEH->isChecked());
    bool removing = RemEH->isChecked();
    Action1->setEnabled(!removing);
    Action1->menuAction()->setEnabled(!removing);
    for (QToolButton* twin : {ToolButton10, ToolButton11, ToolButton12, ToolButton13})
        twin->setEnabled(!removing);
    ToolButton15->setChecked(removing);
}

}  // namespace kst
