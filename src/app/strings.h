#pragma once

// The texts of the windows. Core texts (list captions, countries, makers, tags)
// live in core/texts.h; both tables are marked for Qt Linguist.

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
#define KST_TEXT(name, text) inline constexpr TextId name = QT_TRANSLATE_NOOP("Kestrom", text)

KST_TEXT(ApplicationTitle, "Kestrom");
KST_TEXT(CaptionFormat, "Kestrom %s");
KST_TEXT(Version, "- v1.1 Public");
KST_TEXT(InitialStatus, "Kestrom - By Dravek");

// Dialog captions
KST_TEXT(ErrorCaption, "Error");
KST_TEXT(InformationCaption, "Information");
KST_TEXT(WarningCaption, "Warnings");

// Menu bar captions
KST_TEXT(File1, "File");
KST_TEXT(Options1, "Options...");
KST_TEXT(Exit1, "Exit");
KST_TEXT(Edit1, "List");
KST_TEXT(Addrom1, "Add roms...");
KST_TEXT(AddFolder1, "Add folder...");
KST_TEXT(Removeselection1, "Remove selection");
KST_TEXT(UnselectAll1, "Clear List");
KST_TEXT(EditName2, "Edit Name...");
KST_TEXT(EditInternalName2, "Edit Internal Name...");
KST_TEXT(SizeLost1, "Lost size");
KST_TEXT(otalSizeLost1, "Total Lost Size");
KST_TEXT(Action1, "Action");
KST_TEXT(Truncate1, "Truncate");
KST_TEXT(Removeintro1, "Remove Intro");
KST_TEXT(ApplyExitHack1, "Apply ExitHack Patch");
KST_TEXT(All1, "All");
KST_TEXT(Extra1, "Extra");
KST_TEXT(RemEH, "Remove ExitHack patch");
KST_TEXT(Help1, "?");
KST_TEXT(Warnings1, "Warnings...");
KST_TEXT(Howdoesitworks1, "How does it work...");
KST_TEXT(BetaTesters1, "Beta-testers...");
KST_TEXT(About1, "About...");

// Pop-up menu of the list
KST_TEXT(Unselect1, "Select/Unselect");
KST_TEXT(Editname1, "Edit name...");
KST_TEXT(EditInternalname1, "Internal name...");
KST_TEXT(Play1, "Play");
KST_TEXT(Remove1, "Remove");

// Toolbar hints
KST_TEXT(HintExit, "Exit");
KST_TEXT(HintOptions, "Options...");
KST_TEXT(HintAddRoms, "Add roms");
KST_TEXT(HintRemoveSelection, "Remove selection");
KST_TEXT(HintClearList, "Clear list");
KST_TEXT(HintEditOutputName, "Edit output name");
KST_TEXT(HintEditInternalName, "Edit the internal name in the header of the rom");
KST_TEXT(HintPlay, "Play input/output rom");
KST_TEXT(HintLostSize, "Calculate lost size");
KST_TEXT(HintTotalLostSize, "Calculate total lost size");
KST_TEXT(HintTruncate, "Truncate|Select the 'truncate' operation");
KST_TEXT(HintRemoveIntro, "Remove Intro");
KST_TEXT(HintApplyExitHack, "Apply ExitHack patch");
KST_TEXT(HintAll, "All");
KST_TEXT(HintRemoveExitHack, "Remove ExitHack patch");
KST_TEXT(HintWarnings, "Warnings");
KST_TEXT(HintHowDoesItWork, "How does it work");
KST_TEXT(HintBetaTesters, "Beta-testers");
KST_TEXT(HintAbout, "About Kestrom");

// Main window controls
KST_TEXT(Apply, "Apply");
KST_TEXT(OutputFiles, "Output Files ");
KST_TEXT(PrefixLabel, "Prefix.");
KST_TEXT(SuffixLabel, "Suffix.");
KST_TEXT(SampleLabel, "Sample:");
KST_TEXT(SampleInitial, "Kst-RomName.Gba");
KST_TEXT(InitialPrefix, "Kst-");

// Open-file dialog of the add command
KST_TEXT(OpenDialogTitle, "Select File...");
KST_TEXT(FilterSupported, "Supported Files (*.zip;*.gba)");
KST_TEXT(FilterGba, "GBA Images (*.gba)");
KST_TEXT(FilterZip, "Zip Files (*.zip)");
// The folder dialog of the add-folder command
KST_TEXT(AddFolderTitle, "Select Folder...");

// Start-up
KST_TEXT(DllMissing, "The following DLL is missing:\n%s");
KST_TEXT(UnzipModuleName, "unzdll.dll");

// Adding ROMs
KST_TEXT(ExtensionMismatch, "%s\nFile extension does not match.");
KST_TEXT(AddReadError, "%s\nI/O Error reading this rom. Check if the file is not in read-only mode and try again.");
KST_TEXT(IoError, "I/O Error. Check if the file you entered still exists.");
KST_TEXT(ArchivesNotSupported, "%s\nZip archives cannot be imported yet.");

// List editing
KST_TEXT(SelectionEmpty, "The current selection is empty.");
KST_TEXT(EditNameCaption, "Edit name");
KST_TEXT(EditNamePrompt, "Enter new name of the rom");

// Apply
KST_TEXT(OutputDirectoryNotCreated, "Wrong output directory. Please change it in the options menu.");
KST_TEXT(DuplicateNames, "2 roms or more have the same output name. Please change it.");
KST_TEXT(NoActionSelected, "No action selected ! \nSelect an action clicking in an item on the 'Action' menu.");
KST_TEXT(NoRomSelected, "No roms have been selected. A selected rom has an '%s' in its first column.");
KST_TEXT(OperationLog, "Operation log:\n%s");

// Lost size
KST_TEXT(LostSize, "%d %s have been lost.");
KST_TEXT(NoRomsTruncated, "No roms truncated.");
KST_TEXT(NoSizeLost, "No size lost.");
KST_TEXT(TotalSizeLost, "Total size lost: %d %s\nAverage: %d %s per rom.");

// Closing
KST_TEXT(SettingsNotSaved, "%s\nThe settings could not be saved: %s");
KST_TEXT(SettingsNotRead, "%s\nThe settings cannot be read: %s");

// Options window
KST_TEXT(OptionsCaption, "Options");
KST_TEXT(OptionsGroup, "Options...");
KST_TEXT(EmulatorPathLabel, "Emulator Path :");
KST_TEXT(TemporaryDirLabel, "Temporary Dir:");
KST_TEXT(OutputDirLabel, "Output Dir :");
KST_TEXT(ChooseButton, "...");
KST_TEXT(AlwaysOnTop, "Always on top");
KST_TEXT(DeleteUnpacked, "Delete roms located in the tmp. dir. on close");
KST_TEXT(OkButton, "OK");
KST_TEXT(CancelButton, "Cancel");
KST_TEXT(FilterPrograms, "Programs (*)");
KST_TEXT(FilterWin32Executable, "Win32 Executable (*.exe)");
KST_TEXT(OptionsFileMissing, "options.ini file not found in the Kestrom path.");
KST_TEXT(CreatedDirectory, "%s\nCreated directory.");
KST_TEXT(WrongOutputDirectory, "Wrong output directory. Please change it.");

// Folder chooser
KST_TEXT(FolderListCaption, "Folder list...");
KST_TEXT(SelectDirectory, "Select Directory");
KST_TEXT(FolderNotOpened, "%s\nThis folder cannot be opened: %s");

#undef KST_TEXT
}  // namespace strings
}  // namespace kst
