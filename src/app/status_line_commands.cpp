// The timer's housekeeping (status line, list tail, enabled commands) and closing.

#include "app/form1.h"
#include "app/status_text.h"
#include "app/strings.h"
#include "platform/file_error.h"
#include "platform/platform.h"
#include "romlist/list_editing.h"
#include "settings/form3.h"
#include "settings/profile_file.h"
#include "settings/setting_values.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <filesystem>

namespace kst {

void TForm1::Timer1Timer()
{
    setAcceptDrops(true);
    tidyList(grid_);

    ChosenActions actions;
    actions.truncate = Truncate1->isChecked();
    actions.removeIntro = Removeintro1->isChecked();
    actions.applyExitHack = ApplyExitHack1->isChecked();
    actions.all = All1->isChecked();
    bool hasRoms = !grid_.isEmptyRow(1);
    QString status = toQt(statusLine(hasRoms, grid_.rowCount(), selectionTop(), actions));
    if (statusText() != status)
        setStatusText(status);
    BitBtn3->setEnabled(hasRoms);

    int selected = std::min(selectionTop(), grid_.rowCount() - 1);
    bool processed = !grid_.cell(ColNewSize, selected).empty();
    SizeLost1->setEnabled(processed);
    otalSizeLost1->setEnabled(processed);
    ToolButton8->setEnabled(processed);
    ToolButton23->setEnabled(processed);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    FormClose();
    event->accept();
    QApplication::quit();
}

void TForm1::FormCloseQuery()
{
    if (!Form3 || !Form3->deleteUnpacked)
        return;
    for (const QString& path : TempFiles) {
        std::error_code ec;
        std::filesystem::path file = fromQt(path);
        if (std::filesystem::is_regular_file(file, ec))
            std::filesystem::remove(file, ec);
    }
}

void TForm1::FormClose()
{
    ProfileFile settings(platform().programFolder() / options::FileName);
    auto number = [](int value) { return std::to_string(value); };
    try {
        settings.writeString(options::Section, options::key::Prefix, fromQt(Edit2->text()));
        settings.writeString(options::Section, options::key::Suffix, fromQt(Edit3->text()));
        settings.writeString(options::Section, options::key::WindowLeft, number(x()));
        settings.writeString(options::Section, options::key::WindowTop, number(y()));
        settings.writeString(options::Section, options::key::WindowHeight, number(height()));
        settings.writeString(options::Section, options::key::WindowWidth, number(width()));
        settings.writeString(options::Section, options::key::Truncate, settingText(ToolButton10->isChecked()));
        settings.writeString(options::Section, options::key::RemoveIntro, settingText(ToolButton11->isChecked()));
        settings.writeString(options::Section, options::key::ApplyExitHack, settingText(ToolButton12->isChecked()));
        settings.writeString(options::Section, options::key::All, settingText(ToolButton13->isChecked()));
    } catch (const FileError& error) {
        // A refused write must not keep the user in the program: say so and close.
        dialogs().error(qformat(strings::SettingsNotSaved, {toQt(error.path().string()), toQt(error.reason())}));
    }
}

}  // namespace kst
