#pragma once

#include "gui/common/dialogs.h"
#include "gui/settings/settings_owner.h"

#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kst {

// The Options window: the emulator program, the temporary and output folders
// and the two switches. Creating it loads the settings file and pushes the
// settings into its owner, the main window; OK applies and saves, Cancel only hides.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    TForm3(SettingsOwner& owner, QWidget* ownerWindow);
    ~TForm3() override;

    // Delete the unpacked archive members when the main window closes. Follows
    // CheckBox2, but only at load and at OK.
    bool deleteUnpacked = false;
    // The folder box the folder chooser fills on its OK: set by the "..."
    // buttons, cleared by folderChosen. The temporary folder wins when both are set.
    bool chooseTemporaryFolder = false;
    bool chooseOutputFolder = false;

    // The folder chooser's answer. A folder fills the box asked for and ends
    // that request; false when no box asked for one. No folder (Cancel) ends
    // both requests.
    bool folderChosen(const std::optional<QString>& folder);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;       // emulator program
    QPushButton* BitBtn1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;   // always on top
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;       // temporary folder
    QPushButton* BitBtn4 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;       // output folder
    QPushButton* BitBtn5 = nullptr;
    QCheckBox* CheckBox2 = nullptr;   // delete unpacked archive members on close
    QPushButton* BitBtn2 = nullptr;   // OK
    QPushButton* BitBtn3 = nullptr;   // Cancel
    QLabel* Label4 = nullptr;
    QLineEdit* Edit4 = nullptr;       // the patch file in use, only shown
    OpenFileRequest OpenDialog1;

    // A path typed elsewhere (the first Play) goes into the emulator box and
    // is applied and saved with the rest of the window, as OK does.
    void acceptEmulatorPath(const QString& path);

    // The main window, which takes the stay-on-top style with this one.
    QWidget* ownerWindow() const { return ownerWindow_; }

public slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void Edit3Change();

private:
    void buildControls();
    void fitCaptions();
    void showPatchFile(const std::string& path);
    void FormCreate();

    SettingsOwner& owner_;
    QWidget* ownerWindow_;
};

// Gives the main window, the folder chooser and the Options window the
// stay-on-top style, or takes it from them; a window on screen stays on screen.
void setWindowsStayOnTop(bool onTop);

extern TForm3* Form3;

}  // namespace kst
