#pragma once

// The texts of the core: every text the core shows or writes comes from here,
// marked for Qt Linguist (lupdate reads QT_TRANSLATE_NOOP without needing Qt).
// Code shows a text through tr(), which the program binds to its translator.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace kst {

using TextId = const char*;

// The translation of a text of this table (itself when no translator is bound).
std::string tr(TextId text);
// Binds the translator; the program installs one that asks Qt.
void setTranslator(std::string (*translator)(TextId));

// Fills "%s" and "%d" in order with the given texts; "%%" gives "%".
std::string format(std::string_view pattern, std::span<const std::string_view> values);
inline std::string format(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    return format(pattern, std::span<const std::string_view>(values.begin(), values.size()));
}

namespace texts {
#define KST_TEXT(name, text) inline constexpr TextId name = QT_TRANSLATE_NOOP("Kestrom", text)

// Sizes
KST_TEXT(KbUnit, " KB");

// Countries
KST_TEXT(Germany, "Germany");
KST_TEXT(Usa, "USA");
KST_TEXT(France, "France");
KST_TEXT(Italy, "Italy");
KST_TEXT(Japan, "Japan");
KST_TEXT(Europe, "Europe");
KST_TEXT(Spain, "Spain");
KST_TEXT(Multi, "Multi");
KST_TEXT(UnknownCountry, "Unknown");

// Makers
KST_TEXT(BadMaker, "-Bad-");
KST_TEXT(HomeMade, "Home made");
KST_TEXT(UnknownMaker, "Unknown");
KST_TEXT(Nintendo, "Nintendo");
KST_TEXT(Capcom, "Capcom");
KST_TEXT(Starfish, "Starfish");
KST_TEXT(HudsonSoftJapan, "Hudson Soft Japan");
KST_TEXT(KemcoJapan, "Kemco Japan");
KST_TEXT(Tam, "Tam");
KST_TEXT(Jordan, "Jordan");
KST_TEXT(UbiSoft, "Ubi Soft");
KST_TEXT(CraveEntertainment, "Crave Entertainment");
KST_TEXT(Activision, "Activision");
KST_TEXT(Take2, "Take 2");
KST_TEXT(Midway, "Midway");
KST_TEXT(MajescoSales, "Majesco Sales");
KST_TEXT(ThreeDO, "3DO");
KST_TEXT(Bam, "BAM!");
KST_TEXT(Sega, "Sega");
KST_TEXT(Infogrames, "Infogrames");
KST_TEXT(Thq, "THQ");
KST_TEXT(Kemco, "Kemco");
KST_TEXT(SegaJapan, "Sega Japan");
KST_TEXT(Imagineer, "Imagineer");
KST_TEXT(MarvelousEntertainment, "Marvelous Entertainment");
KST_TEXT(Konami, "Konami");
KST_TEXT(Takara, "Takara");
KST_TEXT(Namco, "Namco");
KST_TEXT(Playmate, "Playmate");
KST_TEXT(Mto, "MTO");
KST_TEXT(GlobalA, "Global A");
KST_TEXT(Koei, "Koei");
KST_TEXT(Banpresto, "Banpresto");
KST_TEXT(Epoch, "Epoch");
KST_TEXT(Athena, "Athena");
KST_TEXT(Asmik, "Asmik");
KST_TEXT(Atlus, "Atlus");
KST_TEXT(Spike, "Spike");
KST_TEXT(KonamiJapan, "Konami Japan");

// Column captions of the ROM list
KST_TEXT(ColGo, "Go");
KST_TEXT(ColName, "Name");
KST_TEXT(ColSize, "Size");
KST_TEXT(ColDir, "Dir");
KST_TEXT(ColNewSize, "New size");
KST_TEXT(ColInternalName, "Internal name");
KST_TEXT(ColCountry, "Country");
KST_TEXT(ColMaker, "Maker");
KST_TEXT(ColInput, "Input");

// The selection mark of the Go column
KST_TEXT(SelectionMark, "@");
// The middle of the sample output name
KST_TEXT(SampleRomName, "romname");

// Status line
KST_TEXT(ActionTextFormat, "[Actions: %s %s %s]");
KST_TEXT(ActionLetterTruncate, "T");
KST_TEXT(ActionLetterIntro, "R");
KST_TEXT(ActionLetterExitHack, "E");
KST_TEXT(StatusFormat, "[%d roms in list] [rom %d selected] %s");
KST_TEXT(NoRomsInList, "{No Roms in List}");

// Lost size
KST_TEXT(NotANumber, "'%s' is not a valid integer value.");

// Tags of the operation log, in the order the steps run
KST_TEXT(TagNoIntroRemoved, " [No intro removed]");
KST_TEXT(TagIntroRemoved, " [Intro removed]");
KST_TEXT(TagAlreadyTrimmed, " [Already trimmed]");
KST_TEXT(TagTrimmed, " [Trimmed]");
KST_TEXT(TagNotPatched, " [Not patched]");
KST_TEXT(TagEhApplied, " [EH Applied]");

// Files that cannot be used
KST_TEXT(NotARegularFile, "Not a regular file.");
KST_TEXT(FileAccessDenied, "File access denied.");
KST_TEXT(FileLargerThan, "The file is larger than %s.");
KST_TEXT(SizeInMiB, "%d MiB");
KST_TEXT(SizeInBytes, "%d bytes");

// The ExitHack patch and its removal
KST_TEXT(PatchFileMissing, "The file 'patch.wnt' is missing.");
KST_TEXT(FileNotPatched, "%s\nThis file is not patched.");
KST_TEXT(EhEntryNotFound, "%s\nCannot find entry of EH patch data.");
KST_TEXT(FileIsEmpty, "The file is empty.");

// The internal name
KST_TEXT(NameFieldMissing, "%s\nThis file is too short to hold an internal name; it was not changed.");
KST_TEXT(NameNotSingleByte,
         "The internal name cannot hold the character \"%s\": only characters of one byte each "
         "(Latin-1) fit in the header.");

// What the archive component asks and tells while it reads or extracts
KST_TEXT(ZipInsertDisk, "Insert [ Disk %d ] of the Zip file into the floppy drive\nbefore pressing [ OK ] to continue ...");
KST_TEXT(ZipLastDisk, "This is [ Disk %d ] of a multiple disk Zip file.\nInsert the last disk of the Zip file before "
                      "pressing [ OK ] to continue ...");
KST_TEXT(ZipPassword, "A new password is required for \"%s\"");
KST_TEXT(ZipCrcError, "\"%s\" may be corrupted (CRC error).\nExtract this file anyway? ...");
KST_TEXT(ZipOverwriteOlder, "\"%s\" is older than the zipped file.\nOverwrite this file? ...");
KST_TEXT(ZipOverwriteNewer,
         "\"%s\" is the same age or newer than the zipped file.\nDo you really want to overwrite this file? ...");
KST_TEXT(ZipMultiDisk, "Cannot Add, Delete or Extract from a multiple disk Zip file...\nMerge this Zip file onto the "
                       "hard disk before retrying.");
KST_TEXT(ZipMissingFolder, "Unable to extract files to:\n\"%s\"\nThis folder does not exist.");
KST_TEXT(ZipProgressWaiting, "wait ...");

// Importing the images of an archive
KST_TEXT(NoGbaImages, "No gba images found in the %s Zip Archive.");
KST_TEXT(GbaImagesFound, "%s gba images found in the %s Zip Archive.");

// The command-line tool
KST_TEXT(CliUsage,
         "Usage: kestrom-cli process ACTION... [--patch FILE] [--prefix P] [--suffix S] --output DIR FILE...\n"
         "  or:  kestrom-cli remove-eh [--prefix P] [--suffix S] --output DIR FILE...\n"
         "  or:  kestrom-cli info FILE...\n"
         "  or:  kestrom-cli rename --name TEXT FILE...\n"
         "  or:  kestrom-cli --help\n"
         "Runs Kestrom's image operations without windows, on many files at once.\n"
         "\n"
         "Commands:\n"
         "  process         writes a processed copy of each FILE to DIR/<P><name><S>.gba,\n"
         "                  <name> being the file name without its last four characters,\n"
         "                  and prints one log line per file.\n"
         "  remove-eh       writes a copy of each FILE without its ExitHack patch, named\n"
         "                  the same way.\n"
         "  info            prints the path, size, internal name, country and maker of\n"
         "                  each FILE, separated by tabs.\n"
         "  rename          writes TEXT into the internal name of each FILE, in place:\n"
         "                  its first 12 characters, filled up with zero bytes. The\n"
         "                  header's check byte is corrected when it was right before.\n"
         "\n"
         "A FILE ending in .zip stands for the .gba images it holds: they are unpacked\n"
         "into a private temporary folder, removed afterwards, and named ARCHIVE:MEMBER.\n"
         "\n"
         "Actions of process:\n"
         "  --remove-intro  points the entry branch back at the game\n"
         "  --truncate      cuts the padding at the end of the image\n"
         "  --exithack      appends the ExitHack patch\n"
         "  --all           all three; the actions always run in the order intro\n"
         "                  removal, trimming, ExitHack patch\n"
         "\n"
         "Options:\n"
         "  --patch FILE    the ExitHack patch; by default the patch.wnt that comes\n"
         "                  with this program\n"
         "  --prefix P      put before each output name\n"
         "  --suffix S      put after each output name, before .gba\n"
         "  --output DIR    the folder for the copies, created when missing\n"
         "\n"
         "Exit status:\n"
         "  0               every file succeeded\n"
         "  1               a file failed, or was left unpatched or unprocessed\n"
         "  2               a usage error\n");
KST_TEXT(CliFileMessage, "%s: %s");
KST_TEXT(CliUnknownCommand, "Unknown command: %s");
KST_TEXT(CliUnknownOption, "Unknown option: %s");
KST_TEXT(CliMissingValue, "The option %s needs a value.");
KST_TEXT(CliNoOutput, "No output folder given (--output DIR).");
KST_TEXT(CliNoFiles, "No file given.");
KST_TEXT(CliNoName, "No internal name given (--name TEXT).");
KST_TEXT(CliNoAction, "No action chosen: give --remove-intro, --truncate, --exithack or --all.");
KST_TEXT(CliSameOutput, "%s and %s would both be written to %s.");
KST_TEXT(CliNoOutputFolder, "%s: the output folder cannot be created: %s");
KST_TEXT(MemberOutsideFolder, "not unpacked: its name leads out of the folder it is unpacked into");

// The archive component
KST_TEXT(ZipDriveUnreadable, "Unable to access the selected drive!");
KST_TEXT(ZipCannotCreate, "Unable to create \n\"%s\"");
KST_TEXT(ZipCannotOpen, "Unable to open \n\"%s\"");
KST_TEXT(ZipNotValid, "\"%s\"\nis not a valid Zip file.");
KST_TEXT(ZipDirectoryUnreadable, "Error reading 'CentralFileHeader'!");
KST_TEXT(ZipIndexRange, "Index range error");
KST_TEXT(ZipCannotLoad, "Unable to load %s");
KST_TEXT(ZipModuleArgument, "\"UnzDll.dll\".");
KST_TEXT(ZipCannotEnterFolder, "Unable to extract files to:\n\"%s\"\n%s");
KST_TEXT(ZipBusy, "The archive is being extracted; wait until that has finished.");

#undef KST_TEXT
}  // namespace texts

}  // namespace kst
