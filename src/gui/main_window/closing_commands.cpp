// Closing the main window: the unpacked archive members go, the main
// window's settings are saved.

#include "archive/unpack_plan.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "gui/main_window/save_scan.h"
#include "gui/settings/form3.h"
#include "platform/file_error.h"
#include "platform/path_claims.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "settings/profile_file.h"
#include "settings/setting_values.h"
#include "settings/stored_settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>

#include <filesystem>
#include <vector>

namespace kst {

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing in the middle of an add (its extraction lets the click through)
    // stops the extraction and closes once the add has unwound.
    if (addRunning_) {
        closePending_ = true;
        Zip1.cancel();
        event->ignore();
        return;
    }
    // No image is read any more once the unpacked ones go.
    saveScan_->cancelAll();
    FormCloseQuery();
    FormClose();
    event->accept();
    QApplication::quit();
}

void TForm1::FormCloseQuery()
{
    // A file that another running program lists or will delete is left to
    // it; files left so by others before are deleted once nobody lists them.
    std::vector<std::filesystem::path> files;
    if (Form3 && Form3->deleteUnpacked)
        for (const QString& path : TempFiles)
            files.push_back(fromQt(path));
    {
        PathClaims::Lock lock = claims_->lock();
        claims_->deleteUnclaimed(files);
    }
    for (const std::string& folder : unpackFolders)
        removeUnpackFolder(folder);
}

void TForm1::FormClose()
{
    ProfileFile settings(locateProgramFiles(platform()).settings);
    try {
        writeMainWindowKeys(settings, {fromQt(Edit2->text()), fromQt(Edit3->text()), x(), y(), width(), height(),
                                       chosenActions()});
    } catch (const FileError& error) {
        // A refused write must not keep the user in the program: say so and close.
        dialogs().error(qformat(strings::SettingsNotSaved, {toQt(error.path().string()), toQt(error.reason())}));
    }
}

}  // namespace kst
