#pragma once

#include "archive/tzip.h"
#include "gui/archive/archive_import.h"
#include "gui/common/dialogs.h"
#include "gui/settings/settings_owner.h"
#include "romlist/apply_files.h"
#include "romlist/rom_grid.h"
#include "romops/actions.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolBar;
class QToolButton;

namespace kst {

class PathClaims;
class QtZipUi;
class RomListModel;
class SaveScan;
struct SkippedEntry;
class RomListView;
struct StoredSettings;
class ToolbarImages;

// The open-file dialog of the add command: what it shows, and the file name
// and picked files it holds afterwards (the internal-name edit sets them too).
struct OpenFileDialog {
    OpenFileRequest request;
    QString fileName;      // the first picked file, or the one set by the program
    QStringList files;     // every picked file, in the dialog's order

    // Shows the dialog through the dialog seam; false when cancelled.
    bool execute();
};

// Where an image being added comes from; decides how a read error is reported.
enum class AddOrigin { Picked, Dropped };

// Says that an image could not be read, as the add command or the drop says it.
void reportUnreadableImage(AddOrigin origin, const QString& pickedPath);

// The main window: the ROM list, its commands and the state shared with the
// other windows. Member definitions are spread over the subsystem folders.
class TForm1 : public QMainWindow, public SettingsOwner {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    // Shared state (read and written by the other windows and commands).
    std::string emulatorPath;
    std::string patchFilePath;
    std::string operationLog;
    std::string temporaryFolder;   // ends with the separator
    std::string windowsFolder;     // the system folder, without a trailing separator
    std::string outputFolder;      // ends with the separator
    std::array<std::uint8_t, 3> newEntryOffset{};  // high, middle, low
    bool dialogFreeAddMode = false;
    // Set when a command asked the program to quit once the running Apply ends.
    bool quitRequested = false;

    // Takes the stored settings at start-up: the three strings above, the
    // prefix and suffix boxes, the window's bounds and the chosen actions.
    void applySettings(const StoredSettings& stored) override;
    // What the Options window decides; each takes effect here at once.
    void setEmulatorPath(std::string path) override { emulatorPath = std::move(path); }
    void setOutputFolder(std::string folder) override { outputFolder = std::move(folder); }
    void setTemporaryFolder(std::string folder) override { temporaryFolder = std::move(folder); }
    std::string patchFile() const override { return patchFilePath; }

    RomGrid& grid() { return grid_; }
    const RomGrid& grid() const { return grid_; }
    // Top and bottom grid rows of the list's selection (row 1 when nothing is selected).
    int selectionTop() const;
    int selectionBottom() const;
    void selectRows(int top, int bottom);
    // Whether the list shows any row highlighted: the commands that act on the
    // selection act on nothing without one.
    bool rowHighlighted() const;
    // The top highlighted row when it holds a ROM; otherwise says that the
    // selection is empty.
    std::optional<int> selectedRom();

    // The chosen actions: the marks of the Action menu's items.
    ops::Actions chosenActions() const;
    // What Apply runs: the chosen actions, or the patch removal of the Extra menu.
    ApplyMode applyMode() const;
    // Chooses exactly the given actions, in the state their clicks leave
    // from the start-up state (All disables the three single items).
    void restoreActions(const ops::Actions& actions);

    // The status panel's text.
    QString statusText() const;
    void setStatusText(const QString& text);

    // Adds one image as a row from its header; throws FileError when that
    // cannot be read. The Save cell follows from the background scan. The
    // path of an unpacked archive member is also appended to TempFiles.
    void addImage(const std::string& path, bool unpackedMember);
    // Imports one archive and adds a row for each image member unpacked, in
    // directory order; false when the add must stop (the user closed the
    // window meanwhile). refuse takes the reason an archive gives no rows.
    bool addArchive(const QString& archivePath, AddOrigin origin, const ArchiveRefusal& refuse = {});
    SaveScan& saveScan() { return *saveScan_; }
    // What this window holds against other running programs: every file its
    // rows list or its close deletes.
    PathClaims& claims() { return *claims_; }

    // While an add or a drop is handled, its extraction lets events through:
    // commands that would start a second one, or work on a list about to
    // change, are refused with a message (true when refused).
    bool refuseWhileAdding();
    bool addRunning() const { return addRunning_; }
    // The user closed the window during an add; it closes once the add ends.
    bool closePending() const { return closePending_; }

    // Processing one ROM and removing the patch from one ROM, with the gauge and
    // dialogs; the removal says whether it wrote the output.
    void Process(const std::string& source, const std::string& output);
    bool RemoveEH(const std::string& input, const std::string& output);

    // Controls, named as the commands and settings refer to them.
    QToolBar* ToolBar1 = nullptr;
    RomListView* Liste1 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QProgressBar* Bar1 = nullptr;
    QLabel* StatusBar1 = nullptr;  // the status bar's single panel
    QMenu* PopupMenu1 = nullptr;
    QTimer* Timer1 = nullptr;
    OpenFileDialog OpenDialog1;
    QStringList TempFiles;
    // Folders made to unpack one archive each, beside files that rows list;
    // removed at close as far as they are empty.
    std::vector<std::string> unpackFolders;
    QStringList temp;
    TZip Zip1;

    // Menu bar
    QMenu* File1 = nullptr;
    QAction* Options1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Addrom1 = nullptr;
    QAction* AddFolder1 = nullptr;
    QAction* Removeselection1 = nullptr;
    QAction* UnselectAll1 = nullptr;
    QAction* EditName2 = nullptr;
    QAction* EditInternalName2 = nullptr;
    QAction* SizeLost1 = nullptr;
    QAction* otalSizeLost1 = nullptr;
    QAction* VerifyDat1 = nullptr;
    QAction* NamesFromDat1 = nullptr;
    QMenu* Action1 = nullptr;
    QAction* Truncate1 = nullptr;
    QAction* Removeintro1 = nullptr;
    QAction* ApplyExitHack1 = nullptr;
    QAction* All1 = nullptr;
    QMenu* Extra1 = nullptr;
    QAction* RemEH = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Warnings1 = nullptr;
    QAction* Howdoesitworks1 = nullptr;
    QAction* BetaTesters1 = nullptr;
    QAction* About1 = nullptr;

    // Pop-up menu of the list
    QAction* Unselect1 = nullptr;
    QAction* Editname1 = nullptr;
    QAction* EditInternalname1 = nullptr;
    QAction* N6 = nullptr;
    QAction* Play1 = nullptr;
    QAction* Remove1 = nullptr;

    // Toolbar buttons (the separators are actions)
    QToolButton* ToolButton1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QAction* ToolButton3 = nullptr;
    QToolButton* ToolButton4 = nullptr;
    QToolButton* ToolButton5 = nullptr;
    QToolButton* ToolButton6 = nullptr;
    QToolButton* ToolButton7 = nullptr;
    QToolButton* ToolButton21 = nullptr;
    QToolButton* ToolButton22 = nullptr;
    QToolButton* ToolButton8 = nullptr;
    QToolButton* ToolButton23 = nullptr;
    QAction* ToolButton9 = nullptr;
    QToolButton* ToolButton10 = nullptr;
    QToolButton* ToolButton11 = nullptr;
    QToolButton* ToolButton12 = nullptr;
    QToolButton* ToolButton13 = nullptr;
    QAction* ToolButton14 = nullptr;
    QToolButton* ToolButton15 = nullptr;
    QAction* ToolButton16 = nullptr;
    QToolButton* ToolButton17 = nullptr;
    QToolButton* ToolButton18 = nullptr;
    QToolButton* ToolButton19 = nullptr;
    QToolButton* ToolButton20 = nullptr;

public slots:
    void callrs();
    void Options1Click();
    void Exit1Click();
    void ToolButton1Click();
    void About1Click();

    void Addrom1Click();
    void AddFolder1Click();
    void WMDropFiles(const QStringList& paths);

    void Liste1DblClick();
    void Liste1KeyDown(int key, Qt::KeyboardModifiers shift);
    void Liste1MouseDown(Qt::MouseButton button);
    void Removeselection1Click();
    void UnselectAll1Click();
    void Editname1Click();
    void Edit2Change();
    void Edit3Change();

    void Truncate1Click();
    void Removeintro1Click();
    void ApplyExitHack1Click();
    void All1Click();
    void RemEHClick();
    void BitBtn1Click();

    void SizeLost1Click();
    void otalSizeLost1Click();
    void ToolButton23Click();
    void VerifyDat1Click();
    void NamesFromDat1Click();

    void EditInternalname1Click();
    void Play1Click();
    void Warnings1Click();
    void Howdoesitworks1Click();
    void BetaTesters1Click();

    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void FormClose();
    void buildControls();
    // The menus and the toolbar, built from the command tables that callrs() re-translates.
    void buildMenus(const ToolbarImages& images);
    void buildToolBar(const ToolbarImages& images);
    void buildPopupMenu(const ToolbarImages& images);
    // Adds picked or dropped paths in order, folders with everything in them;
    // one message at the end lists what the folders held that was not added.
    // False when a path stopped the add.
    bool addPaths(const QStringList& paths, AddOrigin origin);
    // Adds an unpacked member's copy as a row, saying as the archive's add does when it cannot be read.
    void addMember(const std::string& path, AddOrigin origin, const QString& archivePath);
    // Adds one picked or dropped path (image or archive); false when the add must stop.
    bool addPath(const QString& path, AddOrigin origin);
    // Starts the emulator on one file; an error dialog says why when it cannot start.
    void launchEmulator(const std::string& rom);
    // Marks an add or a drop as running, and closes the window after it when asked meanwhile.
    class AddScope;
    // Adds the images and archives of a folder, noting what it leaves out.
    bool addFolder(const std::string& folder, AddOrigin origin, std::vector<SkippedEntry>& skipped);

    RomGrid grid_;
    RomListModel* model_ = nullptr;
    std::unique_ptr<QtZipUi> zipUi_;
    std::unique_ptr<PathClaims> claims_;
    std::unique_ptr<SaveScan> saveScan_;
    bool addRunning_ = false;
    bool closePending_ = false;
};

// The local files of a drop, in order, each path cut to 253 bytes.
QStringList droppedPaths(const QMimeData& data);

// The four windows, created once at start-up in this order.
extern TForm1* Form1;

}  // namespace kst
