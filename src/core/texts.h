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

// What adding a folder left out
KST_TEXT(SkippedEntries, "These were not added:\n%s");
KST_TEXT(SkippedWrongExtension, "%s: neither a .gba image nor a .zip archive");
KST_TEXT(SkippedNotAFile, "%s: not a file");
KST_TEXT(SkippedFolderLink, "%s: a link to a folder, not followed");
KST_TEXT(SkippedFolderUnreadable, "%s: the folder cannot be read: %s");
KST_TEXT(SkippedImageUnreadable, "%s: the rom cannot be read: %s");
KST_TEXT(SkippedMore, "... and %d more.");

// The command-line tool
KST_TEXT(CliUsage,
         "Usage:\n"
         "  kestrom-cli process [--remove-intro] [--truncate] [--exithack] [--all]\n"
         "                      [--patch FILE] [--prefix P] [--suffix S] --output DIR FILE...\n"
         "  kestrom-cli remove-eh [--prefix P] [--suffix S] --output DIR FILE...\n"
         "  kestrom-cli info FILE...\n"
         "  kestrom-cli check FILE...\n"
         "  kestrom-cli fix-header FILE...\n"
         "  kestrom-cli pad [--fill 00|FF] --output DIR FILE...\n"
         "  kestrom-cli --help\n"
         "\n"
         "process    writes a processed copy of each FILE to DIR/<P><name><S>.gba, <name>\n"
         "           being the file name without its last four characters. The chosen\n"
         "           actions run in the order intro removal, trimming, ExitHack patch;\n"
         "           --all chooses all three. Prints one log line per file. --patch\n"
         "           defaults to patch.wnt beside this program.\n"
         "remove-eh  writes a copy of each FILE without its ExitHack patch, named the same way.\n"
         "info       prints the path, size, internal name, country and maker of each FILE,\n"
         "           separated by tabs.\n"
         "check      prints one line per FILE, separated by tabs: its path, whether the\n"
         "           header complement (byte 0xBD) is correct, whether the image carries\n"
         "           an intro (an entry branch other than the standard one that does not\n"
         "           lead to an ExitHack patch), whether it carries the ExitHack patch,\n"
         "           and whether it is trimmed (its size is not a power of two).\n"
         "fix-header stores the correct header complement in each FILE whose complement\n"
         "           is wrong, replacing the file in one piece; nothing else changes.\n"
         "pad        writes a copy of each FILE to DIR under its own name, padded up to\n"
         "           the next power of two with the fill byte, the inverse of trimming:\n"
         "           trimming the copy gives FILE back. --fill defaults to the padding\n"
         "           that trimming left as the last byte (00 when it is 00, else FF).\n"
         "\n"
         "Exit status: 0 when every file succeeded, 1 when any failed or was left\n"
         "unpatched or unprocessed or (check) has a wrong complement, 2 for a usage\n"
         "error.\n");
KST_TEXT(CliFileMessage, "%s: %s");
KST_TEXT(CliUnknownCommand, "Unknown command: %s");
KST_TEXT(CliUnknownOption, "Unknown option: %s");
KST_TEXT(CliMissingValue, "The option %s needs a value.");
KST_TEXT(CliNoOutput, "No output folder given (--output DIR).");
KST_TEXT(CliNoFiles, "No file given.");
KST_TEXT(CliNoAction, "No action chosen: give --remove-intro, --truncate, --exithack or --all.");
KST_TEXT(CliSameOutput, "%s and %s would both be written to %s.");
KST_TEXT(CliNoOutputFolder, "%s: the output folder cannot be created: %s");
KST_TEXT(CliBadFill, "--fill takes 00 or FF.");
KST_TEXT(CliNoHeader, "The file is too short to hold a cartridge header.");
KST_TEXT(CliCopyOverSource, "The copy would replace the file itself.");
KST_TEXT(CheckComplementCorrect, "complement correct");
KST_TEXT(CheckComplementWrong, "complement wrong (%s, should be %s)");
KST_TEXT(CheckIntro, "intro");
KST_TEXT(CheckNoIntro, "no intro");
KST_TEXT(CheckExitHack, "ExitHack");
KST_TEXT(CheckNoExitHack, "no ExitHack");
KST_TEXT(CheckTrimmed, "trimmed");
KST_TEXT(CheckFullSize, "full size");
KST_TEXT(FixComplementFixed, "complement fixed (%s, was %s)");
KST_TEXT(FixComplementKept, "complement already correct");

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
