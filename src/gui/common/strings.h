#pragma once

// The texts of the windows. Core texts (list captions, countries, makers, tags)
// live in core/texts.h; both tables are marked for Qt Linguist the same way.

#include "core/texts.h"

#include <QString>
#include <QStringList>

namespace kst {

// A text of either table, translated, as a QString.
QString qtr(TextId text);
// Formats a text of the table ("%s" and "%d" in order) into a QString.
QString qformat(TextId pattern, const QStringList& values);
QString toQt(const std::string& utf8);
std::string fromQt(const QString& text);

namespace strings {

inline constexpr TextId ApplicationTitle = QT_TRANSLATE_NOOP("Kestrom", "Kestrom");
inline constexpr TextId CaptionFormat = QT_TRANSLATE_NOOP("Kestrom", "Kestrom %s");
inline constexpr TextId Version = QT_TRANSLATE_NOOP("Kestrom", "- v%s Public");
inline constexpr TextId InitialStatus = QT_TRANSLATE_NOOP("Kestrom", "Kestrom - By Dravek");

// Dialog captions
inline constexpr TextId ErrorCaption = QT_TRANSLATE_NOOP("Kestrom", "Error");
inline constexpr TextId InformationCaption = QT_TRANSLATE_NOOP("Kestrom", "Information");
inline constexpr TextId WarningCaption = QT_TRANSLATE_NOOP("Kestrom", "Warnings");

// Menu bar captions
inline constexpr TextId File1 = QT_TRANSLATE_NOOP("Kestrom", "File");
inline constexpr TextId Options1 = QT_TRANSLATE_NOOP("Kestrom", "Options...");
inline constexpr TextId Exit1 = QT_TRANSLATE_NOOP("Kestrom", "Exit");
inline constexpr TextId Edit1 = QT_TRANSLATE_NOOP("Kestrom", "List");
inline constexpr TextId Addrom1 = QT_TRANSLATE_NOOP("Kestrom", "Add roms...");
inline constexpr TextId AddFolder1 = QT_TRANSLATE_NOOP("Kestrom", "Add folder...");
inline constexpr TextId Removeselection1 = QT_TRANSLATE_NOOP("Kestrom", "Remove selection");
inline constexpr TextId UnselectAll1 = QT_TRANSLATE_NOOP("Kestrom", "Clear List");
inline constexpr TextId EditName2 = QT_TRANSLATE_NOOP("Kestrom", "Edit Name...");
inline constexpr TextId EditInternalName2 = QT_TRANSLATE_NOOP("Kestrom", "Edit Internal Name...");
inline constexpr TextId SizeLost1 = QT_TRANSLATE_NOOP("Kestrom", "Lost size");
inline constexpr TextId otalSizeLost1 = QT_TRANSLATE_NOOP("Kestrom", "Total Lost Size");
inline constexpr TextId VerifyDat1 = QT_TRANSLATE_NOOP("Kestrom", "Verify with DAT file...");
inline constexpr TextId NamesFromDat1 = QT_TRANSLATE_NOOP("Kestrom", "Names from DAT");
inline constexpr TextId Action1 = QT_TRANSLATE_NOOP("Kestrom", "Action");
inline constexpr TextId Truncate1 = QT_TRANSLATE_NOOP("Kestrom", "Truncate");
inline constexpr TextId Removeintro1 = QT_TRANSLATE_NOOP("Kestrom", "Remove Intro");
inline constexpr TextId ApplyExitHack1 = QT_TRANSLATE_NOOP("Kestrom", "Apply ExitHack Patch");
inline constexpr TextId All1 = QT_TRANSLATE_NOOP("Kestrom", "All");
inline constexpr TextId Extra1 = QT_TRANSLATE_NOOP("Kestrom", "Extra");
inline constexpr TextId RemEH = QT_TRANSLATE_NOOP("Kestrom", "Remove ExitHack patch");
inline constexpr TextId Help1 = QT_TRANSLATE_NOOP("Kestrom", "?");
inline constexpr TextId Warnings1 = QT_TRANSLATE_NOOP("Kestrom", "Warnings...");
inline constexpr TextId Howdoesitworks1 = QT_TRANSLATE_NOOP("Kestrom", "How does it work...");
inline constexpr TextId BetaTesters1 = QT_TRANSLATE_NOOP("Kestrom", "Beta-testers...");
inline constexpr TextId About1 = QT_TRANSLATE_NOOP("Kestrom", "About...");

// Pop-up menu of the list
inline constexpr TextId Unselect1 = QT_TRANSLATE_NOOP("Kestrom", "Select/Unselect");
inline constexpr TextId Editname1 = QT_TRANSLATE_NOOP("Kestrom", "Edit name...");
inline constexpr TextId EditInternalname1 = QT_TRANSLATE_NOOP("Kestrom", "Internal name...");
inline constexpr TextId Play1 = QT_TRANSLATE_NOOP("Kestrom", "Play");
inline constexpr TextId Remove1 = QT_TRANSLATE_NOOP("Kestrom", "Remove");

// Toolbar hints
inline constexpr TextId HintExit = QT_TRANSLATE_NOOP("Kestrom", "Exit");
inline constexpr TextId HintOptions = QT_TRANSLATE_NOOP("Kestrom", "Options...");
inline constexpr TextId HintAddRoms = QT_TRANSLATE_NOOP("Kestrom", "Add roms");
inline constexpr TextId HintRemoveSelection = QT_TRANSLATE_NOOP("Kestrom", "Remove selection");
inline constexpr TextId HintClearList = QT_TRANSLATE_NOOP("Kestrom", "Clear list");
inline constexpr TextId HintEditOutputName = QT_TRANSLATE_NOOP("Kestrom", "Edit output name");
inline constexpr TextId HintEditInternalName =
    QT_TRANSLATE_NOOP("Kestrom", "Edit the internal name in the header of the rom");
inline constexpr TextId HintPlay = QT_TRANSLATE_NOOP("Kestrom", "Play input/output rom");
inline constexpr TextId HintLostSize = QT_TRANSLATE_NOOP("Kestrom", "Calculate lost size");
inline constexpr TextId HintTotalLostSize = QT_TRANSLATE_NOOP("Kestrom", "Calculate total lost size");
inline constexpr TextId HintTruncate = QT_TRANSLATE_NOOP("Kestrom", "Truncate|Select the 'truncate' operation");
inline constexpr TextId HintRemoveIntro = QT_TRANSLATE_NOOP("Kestrom", "Remove Intro");
inline constexpr TextId HintApplyExitHack = QT_TRANSLATE_NOOP("Kestrom", "Apply ExitHack patch");
inline constexpr TextId HintAll = QT_TRANSLATE_NOOP("Kestrom", "All");
inline constexpr TextId HintRemoveExitHack = QT_TRANSLATE_NOOP("Kestrom", "Remove ExitHack patch");
inline constexpr TextId HintWarnings = QT_TRANSLATE_NOOP("Kestrom", "Warnings");
inline constexpr TextId HintHowDoesItWork = QT_TRANSLATE_NOOP("Kestrom", "How does it work");
inline constexpr TextId HintBetaTesters = QT_TRANSLATE_NOOP("Kestrom", "Beta-testers");
inline constexpr TextId HintAbout = QT_TRANSLATE_NOOP("Kestrom", "About Kestrom");

// Main window controls
inline constexpr TextId Apply = QT_TRANSLATE_NOOP("Kestrom", "Apply");
inline constexpr TextId OutputFiles = QT_TRANSLATE_NOOP("Kestrom", "Output Files ");
inline constexpr TextId PrefixLabel = QT_TRANSLATE_NOOP("Kestrom", "Prefix.");
inline constexpr TextId SuffixLabel = QT_TRANSLATE_NOOP("Kestrom", "Suffix.");
inline constexpr TextId SampleLabel = QT_TRANSLATE_NOOP("Kestrom", "Sample:");
inline constexpr TextId SampleInitial = QT_TRANSLATE_NOOP("Kestrom", "Kst-RomName.Gba");
inline constexpr TextId InitialPrefix = QT_TRANSLATE_NOOP("Kestrom", "Kst-");

// Open-file dialog of the add command
inline constexpr TextId OpenDialogTitle = QT_TRANSLATE_NOOP("Kestrom", "Select File...");
inline constexpr TextId FilterSupported = QT_TRANSLATE_NOOP("Kestrom", "Supported Files (*.zip;*.gba)");
inline constexpr TextId FilterGba = QT_TRANSLATE_NOOP("Kestrom", "GBA Images (*.gba)");
inline constexpr TextId FilterZip = QT_TRANSLATE_NOOP("Kestrom", "Zip Files (*.zip)");
// The folder dialog of the add-folder command
inline constexpr TextId AddFolderTitle = QT_TRANSLATE_NOOP("Kestrom", "Select Folder...");

// Start-up
inline constexpr TextId DllMissing = QT_TRANSLATE_NOOP("Kestrom", "The following DLL is missing:\n%s");
inline constexpr TextId UnzipModuleName = QT_TRANSLATE_NOOP("Kestrom", "unzdll.dll");
inline constexpr TextId ModuleNotReplaced =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nThe unzip module could not be replaced: %s");

// Adding ROMs
inline constexpr TextId ExtensionMismatch = QT_TRANSLATE_NOOP("Kestrom", "%s\nFile extension does not match.");
inline constexpr TextId AddReadError =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nI/O Error reading this rom. Check if the file is not in read-only mode and try again.");
inline constexpr TextId IoError =
    QT_TRANSLATE_NOOP("Kestrom", "I/O Error. Check if the file you entered still exists.");

// Archives
inline constexpr TextId ProgressCancel = QT_TRANSLATE_NOOP("Kestrom", "&Cancel");
inline constexpr TextId TemporaryFolderNotCreated =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nThe temporary folder cannot be created: %s");
inline constexpr TextId TemporaryFolderUnusable =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nThe temporary folder cannot be used: %s");
// A member the unzip module left out: archive, member and the module's reason.
inline constexpr TextId MemberLeftOut = QT_TRANSLATE_NOOP("Kestrom", "%s:%s\n%s");
inline constexpr TextId ExtractionCancelled =
    QT_TRANSLATE_NOOP("Kestrom", "The extraction of the %s Zip Archive was cancelled.");
inline constexpr TextId MemberNameRepeated = QT_TRANSLATE_NOOP(
    "Kestrom", "%s\n%s names the same file as an earlier member of this archive and was left out.");

// List editing
inline constexpr TextId SelectionEmpty = QT_TRANSLATE_NOOP("Kestrom", "The current selection is empty.");
inline constexpr TextId EditNameCaption = QT_TRANSLATE_NOOP("Kestrom", "Edit name");
inline constexpr TextId EditNamePrompt = QT_TRANSLATE_NOOP("Kestrom", "Enter new name of the rom");
inline constexpr TextId NameCharacterRefused = QT_TRANSLATE_NOOP("Kestrom",
         "The name cannot hold the character \"%s\": no file name can. The name was not changed.");
inline constexpr TextId NulCharacter = QT_TRANSLATE_NOOP("Kestrom", "NUL");

// Internal name
inline constexpr TextId InternalNameCaption = QT_TRANSLATE_NOOP("Kestrom", "Internal name");
inline constexpr TextId InternalNamePrompt = QT_TRANSLATE_NOOP("Kestrom", "Type the new internal name (12 char.)");
inline constexpr TextId SavingModifications = QT_TRANSLATE_NOOP("Kestrom", "Saving modifications...");
inline constexpr TextId ImageModified = QT_TRANSLATE_NOOP("Kestrom", "Image %s modified and saved.");

// Emulator launch
inline constexpr TextId EmulatorPathCaption = QT_TRANSLATE_NOOP("Kestrom", "Emulator path?");
inline constexpr TextId EmulatorPathPrompt = QT_TRANSLATE_NOOP("Kestrom", "Type the path of a GBA emulator:");
inline constexpr TextId EmulatorNotStarted = QT_TRANSLATE_NOOP("Kestrom", "The emulator %s could not be started:\n%s");

// Information dialogs
inline constexpr TextId WarningsText = QT_TRANSLATE_NOOP("Kestrom",
         "Warning: a rom to which the ExitHack patch %s has been applied cannot be played in an "
         "emulator; it only runs from the flash cart's menu shell.\n");
inline constexpr TextId WarningsFragment = QT_TRANSLATE_NOOP("Kestrom", "(removable with EH. remover)");
inline constexpr TextId WarningsClosing = QT_TRANSLATE_NOOP("Kestrom",
         "This comes from the patch data itself, and nothing can be done about it in this tool.\n Dravek.");
inline constexpr TextId HowItWorksFirst = QT_TRANSLATE_NOOP("Kestrom",
         "Considerating that all is checked, there are 2 different stages:\nFirst, the program removes the intro "
         "and trims the rom (at the same time).");
inline constexpr TextId HowItWorksSecond = QT_TRANSLATE_NOOP("Kestrom",
         "\nThen it does apply the ExitHack patch, putting bytes at the end of the file.\n\nAll codes have been made "
         "again, not copied from original NorvikShell tools.\nThat's why it might not work as usual.");
inline constexpr TextId BetaTestersText = QT_TRANSLATE_NOOP("Kestrom",
         "Many thanks to the beta-testers team:\n"
         "¦- Brassfinch (sharp eyes for broken headers)\n"
         "¦- Nullwick\n"
         "¦- Tamarok (tried every flash cart twice)\n"
         "¦- Quillby\n"
         "\n"
         "You can reach them all on the Cartridge Workbench forum.\n"
         "Dravek.");

// Apply
inline constexpr TextId OutputDirectoryNotCreated =
    QT_TRANSLATE_NOOP("Kestrom", "Wrong output directory. Please change it in the options menu.");
inline constexpr TextId DuplicateNames =
    QT_TRANSLATE_NOOP("Kestrom", "2 roms or more have the same output name. Please change it.");
inline constexpr TextId SharedOutputFile = QT_TRANSLATE_NOOP("Kestrom",
         "The roms %s and %s would both be written to\n%s\nNothing has been written. Please change one of their "
         "names.");
inline constexpr TextId OutputOntoSource = QT_TRANSLATE_NOOP("Kestrom",
         "The output of the rom %s,\n%s,\nwould replace the source file\n%s\nNothing has been written. Please change "
         "the output folder, the prefix or the suffix.");
inline constexpr TextId NoActionSelected =
    QT_TRANSLATE_NOOP("Kestrom", "No action selected ! \nSelect an action clicking in an item on the 'Action' menu.");
inline constexpr TextId NoRomSelected =
    QT_TRANSLATE_NOOP("Kestrom", "No roms have been selected. A selected rom has an '%s' in its first column.");
inline constexpr TextId OperationLog = QT_TRANSLATE_NOOP("Kestrom", "Operation log:\n%s");
// After a Remove ExitHack run, which keeps no log: written images, of the rows.
inline constexpr TextId PatchRemovedCount =
    QT_TRANSLATE_NOOP("Kestrom", "%d of %d images written without the ExitHack patch.");

// Lost size
inline constexpr TextId LostSize = QT_TRANSLATE_NOOP("Kestrom", "%d %s have been lost.");
inline constexpr TextId NoRomsTruncated = QT_TRANSLATE_NOOP("Kestrom", "No roms truncated.");
inline constexpr TextId NoSizeLost = QT_TRANSLATE_NOOP("Kestrom", "No size lost.");
inline constexpr TextId TotalSizeLost = QT_TRANSLATE_NOOP("Kestrom", "Total size lost: %d %s\nAverage: %d %s per rom.");

// Closing
inline constexpr TextId SettingsNotSaved = QT_TRANSLATE_NOOP("Kestrom", "%s\nThe settings could not be saved: %s");
inline constexpr TextId SettingsNotRead = QT_TRANSLATE_NOOP("Kestrom", "%s\nThe settings cannot be read: %s");
inline constexpr TextId SettingsNotCreated =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nThe settings could not be made from %s: %s");

// Options window
inline constexpr TextId OptionsCaption = QT_TRANSLATE_NOOP("Kestrom", "Options");
inline constexpr TextId OptionsGroup = QT_TRANSLATE_NOOP("Kestrom", "Options...");
inline constexpr TextId EmulatorPathLabel = QT_TRANSLATE_NOOP("Kestrom", "Emulator Path :");
inline constexpr TextId TemporaryDirLabel = QT_TRANSLATE_NOOP("Kestrom", "Temporary Dir:");
inline constexpr TextId OutputDirLabel = QT_TRANSLATE_NOOP("Kestrom", "Output Dir :");
inline constexpr TextId ChooseButton = QT_TRANSLATE_NOOP("Kestrom", "...");
inline constexpr TextId AlwaysOnTop = QT_TRANSLATE_NOOP("Kestrom", "Always on top");
inline constexpr TextId DeleteUnpacked = QT_TRANSLATE_NOOP("Kestrom", "Delete roms located in the tmp. dir. on close");
inline constexpr TextId OkButton = QT_TRANSLATE_NOOP("Kestrom", "OK");
inline constexpr TextId CancelButton = QT_TRANSLATE_NOOP("Kestrom", "Cancel");
inline constexpr TextId FilterPrograms = QT_TRANSLATE_NOOP("Kestrom", "Programs (*)");
inline constexpr TextId FilterWin32Executable = QT_TRANSLATE_NOOP("Kestrom", "Win32 Executable (*.exe)");
// The patch file Apply ExitHack reads, below the buttons: its path, and in the
// hint where the user's own one goes.
inline constexpr TextId PatchFileLabel = QT_TRANSLATE_NOOP("Kestrom", "Patch file :");
inline constexpr TextId PatchFileNotThere = QT_TRANSLATE_NOOP("Kestrom", "%s (missing)");
inline constexpr TextId PatchFileHint =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nA patch.wnt in %s is taken before the one that comes with Kestrom.");
inline constexpr TextId OptionsFileMissing =
    QT_TRANSLATE_NOOP("Kestrom", "options.ini file not found in the Kestrom path.");
inline constexpr TextId CreatedDirectory = QT_TRANSLATE_NOOP("Kestrom", "%s\nCreated directory.");
inline constexpr TextId WrongOutputDirectory =
    QT_TRANSLATE_NOOP("Kestrom", "Wrong output directory. Please change it.");

// About window
inline constexpr TextId AboutCaption = QT_TRANSLATE_NOOP("Kestrom", "About");
inline constexpr TextId AboutProduct = QT_TRANSLATE_NOOP("Kestrom", "Kestrom ");
inline constexpr TextId AboutVersion = QT_TRANSLATE_NOOP("Kestrom", "%s Public");
inline constexpr TextId AboutAuthor = QT_TRANSLATE_NOOP("Kestrom", "By Dravek");
inline constexpr TextId AboutOrigin = QT_TRANSLATE_NOOP("Kestrom", "From original NorvikShell tools");
inline constexpr TextId AboutException = QT_TRANSLATE_NOOP("Kestrom", "* Except ExitHack remover");
inline constexpr TextId AboutThanks = QT_TRANSLATE_NOOP("Kestrom", "Thanks:");
inline constexpr TextId AboutThanksFirst = QT_TRANSLATE_NOOP("Kestrom", "Orrin - Vesk - Pollux - Dimsum");
inline constexpr TextId AboutThanksSecond = QT_TRANSLATE_NOOP("Kestrom", "Kaddo - Ferrule - Yanto");
inline constexpr TextId AboutCommunity = QT_TRANSLATE_NOOP("Kestrom", "THANKS TO ALL CARTBENCH !");
inline constexpr TextId AboutPictureHint =
    QT_TRANSLATE_NOOP("Kestrom", "Remember ;) The easter egg is no longer here ! Sorry guy.");
inline constexpr TextId EasterEgg = QT_TRANSLATE_NOOP("Kestrom", "I assure you the easter egg is no longer here !!");

// Folder chooser
inline constexpr TextId FolderListCaption = QT_TRANSLATE_NOOP("Kestrom", "Folder list...");
inline constexpr TextId SelectDirectory = QT_TRANSLATE_NOOP("Kestrom", "Select Directory");
inline constexpr TextId FolderNotOpened = QT_TRANSLATE_NOOP("Kestrom", "%s\nThis folder cannot be opened: %s");

// Verifying the list against a DAT file
inline constexpr TextId VerifyDatTitle = QT_TRANSLATE_NOOP("Kestrom", "Verify with DAT file");
inline constexpr TextId DatFilter = QT_TRANSLATE_NOOP("Kestrom", "DAT files (*.dat, *.xml)");
inline constexpr TextId AllFilesFilter = QT_TRANSLATE_NOOP("Kestrom", "All files (*.*)");
inline constexpr TextId VerifyCounts = QT_TRANSLATE_NOOP("Kestrom",
    "%d images checked against %s:\n%d verified\n%d verified when padded\n%d verified when restored\n"
    "%d unknown\n%d unreadable\nThe list holds %d of the DAT's %d games.");
inline constexpr TextId NoDatPicked =
    QT_TRANSLATE_NOOP("Kestrom", "No DAT file has been picked yet: verify the list with one first.");
inline constexpr TextId NamedFromDat = QT_TRANSLATE_NOOP("Kestrom", "%d of %d images named from %s.");

}  // namespace strings
}  // namespace kst
