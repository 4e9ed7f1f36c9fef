#pragma once

// The texts of the core: every text the core shows or writes comes from here.
// Each is spelled out as QT_TRANSLATE_NOOP("Kestrom", ...), the form lupdate
// finds in the source (it does not expand macros), so that it lands in the
// translations; without Qt the mark is the text itself. Code shows a text
// through tr(), which the program binds to its translator.

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

// Sizes
inline constexpr TextId KbUnit = QT_TRANSLATE_NOOP("Kestrom", " KB");

// Countries
inline constexpr TextId Germany = QT_TRANSLATE_NOOP("Kestrom", "Germany");
inline constexpr TextId Usa = QT_TRANSLATE_NOOP("Kestrom", "USA");
inline constexpr TextId France = QT_TRANSLATE_NOOP("Kestrom", "France");
inline constexpr TextId Italy = QT_TRANSLATE_NOOP("Kestrom", "Italy");
inline constexpr TextId Japan = QT_TRANSLATE_NOOP("Kestrom", "Japan");
inline constexpr TextId Europe = QT_TRANSLATE_NOOP("Kestrom", "Europe");
inline constexpr TextId Spain = QT_TRANSLATE_NOOP("Kestrom", "Spain");
inline constexpr TextId Multi = QT_TRANSLATE_NOOP("Kestrom", "Multi");
inline constexpr TextId UnknownCountry = QT_TRANSLATE_NOOP("Kestrom", "Unknown");

// Makers
inline constexpr TextId BadMaker = QT_TRANSLATE_NOOP("Kestrom", "-Bad-");
inline constexpr TextId HomeMade = QT_TRANSLATE_NOOP("Kestrom", "Home made");
inline constexpr TextId UnknownMaker = QT_TRANSLATE_NOOP("Kestrom", "Unknown");
inline constexpr TextId Nintendo = QT_TRANSLATE_NOOP("Kestrom", "Nintendo");
inline constexpr TextId Capcom = QT_TRANSLATE_NOOP("Kestrom", "Capcom");
inline constexpr TextId Starfish = QT_TRANSLATE_NOOP("Kestrom", "Starfish");
inline constexpr TextId HudsonSoftJapan = QT_TRANSLATE_NOOP("Kestrom", "Hudson Soft Japan");
inline constexpr TextId KemcoJapan = QT_TRANSLATE_NOOP("Kestrom", "Kemco Japan");
inline constexpr TextId Tam = QT_TRANSLATE_NOOP("Kestrom", "Tam");
inline constexpr TextId Jordan = QT_TRANSLATE_NOOP("Kestrom", "Jordan");
inline constexpr TextId UbiSoft = QT_TRANSLATE_NOOP("Kestrom", "Ubi Soft");
inline constexpr TextId CraveEntertainment = QT_TRANSLATE_NOOP("Kestrom", "Crave Entertainment");
inline constexpr TextId Activision = QT_TRANSLATE_NOOP("Kestrom", "Activision");
inline constexpr TextId Take2 = QT_TRANSLATE_NOOP("Kestrom", "Take 2");
inline constexpr TextId Midway = QT_TRANSLATE_NOOP("Kestrom", "Midway");
inline constexpr TextId MajescoSales = QT_TRANSLATE_NOOP("Kestrom", "Majesco Sales");
inline constexpr TextId ThreeDO = QT_TRANSLATE_NOOP("Kestrom", "3DO");
inline constexpr TextId Bam = QT_TRANSLATE_NOOP("Kestrom", "BAM!");
inline constexpr TextId Sega = QT_TRANSLATE_NOOP("Kestrom", "Sega");
inline constexpr TextId Infogrames = QT_TRANSLATE_NOOP("Kestrom", "Infogrames");
inline constexpr TextId Thq = QT_TRANSLATE_NOOP("Kestrom", "THQ");
inline constexpr TextId Kemco = QT_TRANSLATE_NOOP("Kestrom", "Kemco");
inline constexpr TextId SegaJapan = QT_TRANSLATE_NOOP("Kestrom", "Sega Japan");
inline constexpr TextId Imagineer = QT_TRANSLATE_NOOP("Kestrom", "Imagineer");
inline constexpr TextId MarvelousEntertainment = QT_TRANSLATE_NOOP("Kestrom", "Marvelous Entertainment");
inline constexpr TextId Konami = QT_TRANSLATE_NOOP("Kestrom", "Konami");
inline constexpr TextId Takara = QT_TRANSLATE_NOOP("Kestrom", "Takara");
inline constexpr TextId Namco = QT_TRANSLATE_NOOP("Kestrom", "Namco");
inline constexpr TextId Playmate = QT_TRANSLATE_NOOP("Kestrom", "Playmate");
inline constexpr TextId Mto = QT_TRANSLATE_NOOP("Kestrom", "MTO");
inline constexpr TextId GlobalA = QT_TRANSLATE_NOOP("Kestrom", "Global A");
inline constexpr TextId Koei = QT_TRANSLATE_NOOP("Kestrom", "Koei");
inline constexpr TextId Banpresto = QT_TRANSLATE_NOOP("Kestrom", "Banpresto");
inline constexpr TextId Epoch = QT_TRANSLATE_NOOP("Kestrom", "Epoch");
inline constexpr TextId Athena = QT_TRANSLATE_NOOP("Kestrom", "Athena");
inline constexpr TextId Asmik = QT_TRANSLATE_NOOP("Kestrom", "Asmik");
inline constexpr TextId Atlus = QT_TRANSLATE_NOOP("Kestrom", "Atlus");
inline constexpr TextId Spike = QT_TRANSLATE_NOOP("Kestrom", "Spike");
inline constexpr TextId KonamiJapan = QT_TRANSLATE_NOOP("Kestrom", "Konami Japan");

// Column captions of the ROM list
inline constexpr TextId ColGo = QT_TRANSLATE_NOOP("Kestrom", "Go");
inline constexpr TextId ColName = QT_TRANSLATE_NOOP("Kestrom", "Name");
inline constexpr TextId ColSize = QT_TRANSLATE_NOOP("Kestrom", "Size");
inline constexpr TextId ColDir = QT_TRANSLATE_NOOP("Kestrom", "Dir");
inline constexpr TextId ColNewSize = QT_TRANSLATE_NOOP("Kestrom", "New size");
inline constexpr TextId ColInternalName = QT_TRANSLATE_NOOP("Kestrom", "Internal name");
inline constexpr TextId ColCountry = QT_TRANSLATE_NOOP("Kestrom", "Country");
inline constexpr TextId ColMaker = QT_TRANSLATE_NOOP("Kestrom", "Maker");
inline constexpr TextId ColInput = QT_TRANSLATE_NOOP("Kestrom", "Input");
inline constexpr TextId ColSave = QT_TRANSLATE_NOOP("Kestrom", "Save");
inline constexpr TextId ColVerified = QT_TRANSLATE_NOOP("Kestrom", "Verified");

// Save types, in the Save column
inline constexpr TextId SaveEeprom = QT_TRANSLATE_NOOP("Kestrom", "EEPROM");
inline constexpr TextId SaveSram = QT_TRANSLATE_NOOP("Kestrom", "SRAM 32 KB");
inline constexpr TextId SaveFlash64 = QT_TRANSLATE_NOOP("Kestrom", "Flash 64 KB");
inline constexpr TextId SaveFlash128 = QT_TRANSLATE_NOOP("Kestrom", "Flash 128 KB");
inline constexpr TextId SaveNone = QT_TRANSLATE_NOOP("Kestrom", "none");

// Verdicts against a DAT file, in the Verified column
inline constexpr TextId VerdictVerified = QT_TRANSLATE_NOOP("Kestrom", "Verified: %s");
inline constexpr TextId VerdictPadded = QT_TRANSLATE_NOOP("Kestrom", "Verified when padded: %s");
inline constexpr TextId VerdictRestored = QT_TRANSLATE_NOOP("Kestrom", "Verified when restored: %s");
inline constexpr TextId VerdictUnknown = QT_TRANSLATE_NOOP("Kestrom", "Unknown");
inline constexpr TextId VerdictUnreadable = QT_TRANSLATE_NOOP("Kestrom", "Unreadable");

// DAT files
inline constexpr TextId DatNotDatafile =
    QT_TRANSLATE_NOOP("Kestrom", "%s is not a DAT file: it has no <datafile> element.");
inline constexpr TextId DatProblem = QT_TRANSLATE_NOOP("Kestrom", "%s, line %d: %s");
inline constexpr TextId DatBadValue = QT_TRANSLATE_NOOP("Kestrom", "bad %s \"%s\"");
inline constexpr TextId DatNameTooLong = QT_TRANSLATE_NOOP("Kestrom", "a name longer than %d bytes");
inline constexpr TextId DatValueTooLong = QT_TRANSLATE_NOOP("Kestrom", "a value longer than %d bytes");
inline constexpr TextId DatTooManyEntries = QT_TRANSLATE_NOOP("Kestrom", "more than %d entries");
inline constexpr TextId DatUnclosedQuote = QT_TRANSLATE_NOOP("Kestrom", "a quote that is not closed");
inline constexpr TextId DatUnclosedBlock = QT_TRANSLATE_NOOP("Kestrom", "the block from line %d is not closed");
inline constexpr TextId DatExpectedOpen = QT_TRANSLATE_NOOP("Kestrom", "\"(\" expected after %s");
inline constexpr TextId DatUnexpected = QT_TRANSLATE_NOOP("Kestrom", "unexpected \"%s\"");
inline constexpr TextId DatNoMemory = QT_TRANSLATE_NOOP("Kestrom", "%s: not enough memory to read this DAT file.");

// The selection mark of the Go column
inline constexpr TextId SelectionMark = QT_TRANSLATE_NOOP("Kestrom", "@");
// The middle of the sample output name
inline constexpr TextId SampleRomName = QT_TRANSLATE_NOOP("Kestrom", "romname");

// Status line
inline constexpr TextId ActionTextFormat = QT_TRANSLATE_NOOP("Kestrom", "[Actions: %s %s %s]");
inline constexpr TextId ActionLetterTruncate = QT_TRANSLATE_NOOP("Kestrom", "T");
inline constexpr TextId ActionLetterIntro = QT_TRANSLATE_NOOP("Kestrom", "R");
inline constexpr TextId ActionLetterExitHack = QT_TRANSLATE_NOOP("Kestrom", "E");
// In Remove ExitHack mode Apply does this, whatever actions are chosen.
inline constexpr TextId ActionTextRemoveExitHack = QT_TRANSLATE_NOOP("Kestrom", "[Actions: Remove ExitHack patch]");
inline constexpr TextId StatusFormat = QT_TRANSLATE_NOOP("Kestrom", "[%d roms in list] [rom %d selected] %s");
inline constexpr TextId NoRomsInList = QT_TRANSLATE_NOOP("Kestrom", "{No Roms in List}");

// Lost size
inline constexpr TextId NotANumber = QT_TRANSLATE_NOOP("Kestrom", "'%s' is not a valid integer value.");

// Tags of the operation log, in the order the steps run
inline constexpr TextId TagNoIntroRemoved = QT_TRANSLATE_NOOP("Kestrom", " [No intro removed]");
inline constexpr TextId TagIntroRemoved = QT_TRANSLATE_NOOP("Kestrom", " [Intro removed]");
inline constexpr TextId TagAlreadyTrimmed = QT_TRANSLATE_NOOP("Kestrom", " [Already trimmed]");
inline constexpr TextId TagTrimmed = QT_TRANSLATE_NOOP("Kestrom", " [Trimmed]");
inline constexpr TextId TagNotPatched = QT_TRANSLATE_NOOP("Kestrom", " [Not patched]");
inline constexpr TextId TagEhApplied = QT_TRANSLATE_NOOP("Kestrom", " [EH Applied]");

// Files that cannot be used
inline constexpr TextId NotARegularFile = QT_TRANSLATE_NOOP("Kestrom", "Not a regular file.");
inline constexpr TextId FileAccessDenied = QT_TRANSLATE_NOOP("Kestrom", "File access denied.");
inline constexpr TextId FileLargerThan = QT_TRANSLATE_NOOP("Kestrom", "The file is larger than %s.");
inline constexpr TextId FileIsLink = QT_TRANSLATE_NOOP("Kestrom", "The file is a symbolic link, which is not followed here.");
inline constexpr TextId ReadBeyondEnd = QT_TRANSLATE_NOOP("Kestrom", "Read beyond end of file.");
inline constexpr TextId SettingHoldsLineBreak = QT_TRANSLATE_NOOP("Kestrom", "A setting cannot hold a line break.");
inline constexpr TextId SizeInMiB = QT_TRANSLATE_NOOP("Kestrom", "%d MiB");
inline constexpr TextId SizeInBytes = QT_TRANSLATE_NOOP("Kestrom", "%d bytes");

// Folders that hold the user's files where other users could reach them
inline constexpr TextId NotAFolder = QT_TRANSLATE_NOOP("Kestrom", "It is not a folder.");
inline constexpr TextId FolderIsLink = QT_TRANSLATE_NOOP("Kestrom", "It is a symbolic link.");
inline constexpr TextId FolderOfOtherUser = QT_TRANSLATE_NOOP("Kestrom", "It belongs to another user.");
inline constexpr TextId FolderWritableByOthers = QT_TRANSLATE_NOOP("Kestrom", "Other users can write in it.");
inline constexpr TextId NoHomeFolder =
    QT_TRANSLATE_NOOP("Kestrom", "There is no home folder: HOME is not set and the user has none.");

// The ExitHack patch and its removal
inline constexpr TextId PatchFileMissing = QT_TRANSLATE_NOOP("Kestrom", "The file 'patch.wnt' is missing.");
inline constexpr TextId FileNotPatched = QT_TRANSLATE_NOOP("Kestrom", "%s\nThis file is not patched.");
inline constexpr TextId EhEntryNotFound = QT_TRANSLATE_NOOP("Kestrom", "%s\nCannot find entry of EH patch data.");
inline constexpr TextId FileIsEmpty = QT_TRANSLATE_NOOP("Kestrom", "The file is empty.");

// The internal name
inline constexpr TextId NameFieldMissing =
    QT_TRANSLATE_NOOP("Kestrom", "%s\nThis file is too short to hold an internal name; it was not changed.");
inline constexpr TextId NameNotSingleByte = QT_TRANSLATE_NOOP("Kestrom",
         "The internal name cannot hold the character \"%s\": only characters of one byte each "
         "(Latin-1) fit in the header.");

// What the archive component asks and tells while it reads or extracts
inline constexpr TextId ZipInsertDisk =
    QT_TRANSLATE_NOOP("Kestrom", "Insert [ Disk %d ] of the Zip file into the floppy drive\nbefore pressing [ OK ] to continue ...");
inline constexpr TextId ZipLastDisk =
    QT_TRANSLATE_NOOP("Kestrom", "This is [ Disk %d ] of a multiple disk Zip file.\nInsert the last disk of the Zip file before "
                      "pressing [ OK ] to continue ...");
inline constexpr TextId ZipPassword = QT_TRANSLATE_NOOP("Kestrom", "A new password is required for \"%s\"");
inline constexpr TextId ZipCrcError =
    QT_TRANSLATE_NOOP("Kestrom", "\"%s\" may be corrupted (CRC error).\nExtract this file anyway? ...");
inline constexpr TextId ZipOverwriteOlder =
    QT_TRANSLATE_NOOP("Kestrom", "\"%s\" is older than the zipped file.\nOverwrite this file? ...");
inline constexpr TextId ZipOverwriteNewer = QT_TRANSLATE_NOOP("Kestrom",
         "\"%s\" is the same age or newer than the zipped file.\nDo you really want to overwrite this file? ...");
inline constexpr TextId ZipMultiDisk =
    QT_TRANSLATE_NOOP("Kestrom", "Cannot Add, Delete or Extract from a multiple disk Zip file...\nMerge this Zip file onto the "
                       "hard disk before retrying.");
inline constexpr TextId ZipMissingFolder =
    QT_TRANSLATE_NOOP("Kestrom", "Unable to extract files to:\n\"%s\"\nThis folder does not exist.");
inline constexpr TextId ZipProgressWaiting = QT_TRANSLATE_NOOP("Kestrom", "wait ...");

// Importing the images of an archive
inline constexpr TextId NoGbaImages = QT_TRANSLATE_NOOP("Kestrom", "No gba images found in the %s Zip Archive.");
inline constexpr TextId GbaImagesFound = QT_TRANSLATE_NOOP("Kestrom", "%s gba images found in the %s Zip Archive.");

// What adding a folder left out
inline constexpr TextId SkippedEntries = QT_TRANSLATE_NOOP("Kestrom", "These were not added:\n%s");
inline constexpr TextId SkippedWrongExtension =
    QT_TRANSLATE_NOOP("Kestrom", "%s: neither a .gba image nor a .zip archive");
inline constexpr TextId SkippedNotAFile = QT_TRANSLATE_NOOP("Kestrom", "%s: not a file");
inline constexpr TextId SkippedFolderLink = QT_TRANSLATE_NOOP("Kestrom", "%s: a link to a folder, not followed");
inline constexpr TextId SkippedFolderUnreadable = QT_TRANSLATE_NOOP("Kestrom", "%s: the folder cannot be read: %s");
inline constexpr TextId SkippedImageUnreadable = QT_TRANSLATE_NOOP("Kestrom", "%s: the rom cannot be read: %s");
inline constexpr TextId SkippedArchiveRefused =
    QT_TRANSLATE_NOOP("Kestrom", "%s: the archive cannot be imported: %s");
inline constexpr TextId SkippedMore = QT_TRANSLATE_NOOP("Kestrom", "... and %d more.");

// The command-line tool
// --help: a usage line per command (each after "kestrom-cli "), then what they do.
inline constexpr TextId CliUsageFirst = QT_TRANSLATE_NOOP("Kestrom", "Usage: kestrom-cli %s\n");
inline constexpr TextId CliUsageMore = QT_TRANSLATE_NOOP("Kestrom", "  or:  kestrom-cli %s\n");
inline constexpr TextId CliUsageProcess =
    QT_TRANSLATE_NOOP("Kestrom", "process ACTION... [--patch FILE] [--prefix P] [--suffix S] [--dat FILE.dat --dat-names]\n"
                      "                          --output DIR FILE...");
inline constexpr TextId CliUsageRemoveEH =
    QT_TRANSLATE_NOOP("Kestrom", "remove-eh [--prefix P] [--suffix S] --output DIR FILE...");
inline constexpr TextId CliUsageInfo = QT_TRANSLATE_NOOP("Kestrom", "info FILE...");
inline constexpr TextId CliUsageRename = QT_TRANSLATE_NOOP("Kestrom", "rename --name TEXT FILE...");
inline constexpr TextId CliUsageCheck = QT_TRANSLATE_NOOP("Kestrom", "check FILE...");
inline constexpr TextId CliUsageFixHeader = QT_TRANSLATE_NOOP("Kestrom", "fix-header FILE...");
inline constexpr TextId CliUsagePad = QT_TRANSLATE_NOOP("Kestrom", "pad [--fill 00|FF] --output DIR FILE...");
inline constexpr TextId CliUsageVerify = QT_TRANSLATE_NOOP("Kestrom", "verify --dat FILE.dat [--missing] FILE...");
inline constexpr TextId CliHelp = QT_TRANSLATE_NOOP("Kestrom",
         "Runs Kestrom's image operations without windows, on many files at once.\n"
         "\n"
         "Commands:\n"
         "  process         writes a processed copy of each FILE to DIR/<P><name><S>.gba,\n"
         "                  <name> being the file name without its last four characters,\n"
         "                  and prints one log line per file. With --dat-names, <name>\n"
         "                  is the DAT's rom name of each FILE the DAT knows (without\n"
         "                  .gba, a / made _, control characters left out).\n"
         "  remove-eh       writes a copy of each FILE without its ExitHack patch, named\n"
         "                  the same way.\n"
         "  info            prints one line per FILE, separated by tabs: its path, size,\n"
         "                  internal name, country, maker, and the identifier of the save\n"
         "                  library it links (e.g. FLASH1M_V103, EEPROM_V124) or none.\n"
         "  rename          writes TEXT into the internal name of each FILE, in place:\n"
         "                  its first 12 characters, filled up with zero bytes. The\n"
         "                  header's check byte is corrected when it was right before.\n"
         "  check           prints one line per FILE, separated by tabs: its path,\n"
         "                  whether the header complement (byte 0xBD) is correct, whether\n"
         "                  the image carries an intro (an entry branch other than the\n"
         "                  standard one that does not lead to an ExitHack patch), whether\n"
         "                  it carries the ExitHack patch, and whether it is trimmed (its\n"
         "                  size is not a power of two).\n"
         "  fix-header      stores the correct header complement in each FILE whose\n"
         "                  complement is wrong, replacing the file in one piece; nothing\n"
         "                  else changes.\n"
         "  pad             writes a copy of each FILE to DIR under its own name, padded\n"
         "                  up to the next power of two with the fill byte, the inverse of\n"
         "                  trimming: trimming the copy gives FILE back.\n"
         "  verify          checks each FILE against a Logiqx XML DAT of good dumps and\n"
         "                  prints one line per FILE, separated by tabs: its path, the\n"
         "                  verdict, and the DAT's game name when one matches, in the\n"
         "                  order of the FILEs (checked on every core). verified: an\n"
         "                  entry matches the image as it is (size, CRC-32 and the\n"
         "                  strongest digest the entry gives: SHA-1, else MD5);\n"
         "                  verified-padded: the image matches an entry\n"
         "                  once padded up to its size with FF or 00 (a trimmed good\n"
         "                  dump); verified-restored: it matches, as it is or padded,\n"
         "                  once its ExitHack patch is taken off as remove-eh does\n"
         "                  (nothing is written); unknown: no entry matches. With\n"
         "                  --missing, then one line per game of the DAT that no FILE\n"
         "                  matched (missing, a tab, its name), and a last line with\n"
         "                  the counts (have N of M).\n"
         "\n"
         "A FILE ending in .zip stands for the .gba images it holds (except for rename\n"
         "and fix-header, which change only .gba files): they are read from the archive\n"
         "into memory, never unpacked to disk, and named ARCHIVE:MEMBER. An image or\n"
         "member larger than 64 MiB is refused.\n"
         "\n"
         "Actions of process:\n"
         "  --remove-intro  points the entry branch back at the game\n"
         "  --truncate      cuts the padding at the end of the image\n"
         "  --exithack      appends the ExitHack patch\n"
         "  --all           all three; the actions always run in the order intro\n"
         "                  removal, trimming, ExitHack patch\n"
         "\n"
         "Options:\n"
         "  --patch FILE    the ExitHack patch; by default the patch.wnt in\n"
         "                  ~/.local/share/kestrom/ ($XDG_DATA_HOME/kestrom/) when there\n"
         "                  is one, else the one that comes with this program. That one\n"
         "                  is a stand-in that only starts the game: it has no way back\n"
         "                  to the menu shell. Put the shell's own patch.wnt in the\n"
         "                  data folder for the real exit.\n"
         "  --prefix P      put before each output name\n"
         "  --suffix S      put after each output name, before .gba\n"
         "  --output DIR    the folder for the copies, created when missing\n"
         "  --fill 00|FF    the padding byte of pad; by default the one trimming would\n"
         "                  cut (00 when the last byte is 00, else FF)\n"
         "  --dat FILE.dat  the DAT file verify checks against, or that --dat-names\n"
         "                  takes names from\n"
         "\n"
         "Exit status:\n"
         "  0               every file succeeded\n"
         "  1               a file failed, or was left unpatched or unprocessed, or\n"
         "                  (check) has a wrong complement, or (verify) is unknown\n"
         "  2               a usage error, (verify) a DAT that cannot be read, or an\n"
         "                  unexpected error that stopped the run\n");
inline constexpr TextId CliFileMessage = QT_TRANSLATE_NOOP("Kestrom", "%s: %s");
inline constexpr TextId CliUnknownCommand = QT_TRANSLATE_NOOP("Kestrom", "Unknown command: %s");
inline constexpr TextId CliUnknownOption = QT_TRANSLATE_NOOP("Kestrom", "Unknown option: %s");
inline constexpr TextId CliMissingValue = QT_TRANSLATE_NOOP("Kestrom", "The option %s needs a value.");
inline constexpr TextId CliNoOutput = QT_TRANSLATE_NOOP("Kestrom", "No output folder given (--output DIR).");
inline constexpr TextId CliNoFiles = QT_TRANSLATE_NOOP("Kestrom", "No file given.");
inline constexpr TextId CliNoDat = QT_TRANSLATE_NOOP("Kestrom", "verify needs --dat FILE.dat.");
inline constexpr TextId CliDatNamesNeedDat =
    QT_TRANSLATE_NOOP("Kestrom", "--dat-names and --dat FILE.dat go together.");
inline constexpr TextId CliNoName = QT_TRANSLATE_NOOP("Kestrom", "No internal name given (--name TEXT).");
inline constexpr TextId CliNoAction =
    QT_TRANSLATE_NOOP("Kestrom", "No action chosen: give --remove-intro, --truncate, --exithack or --all.");
inline constexpr TextId CliSameOutput = QT_TRANSLATE_NOOP("Kestrom", "%s and %s would both be written to %s.");
inline constexpr TextId CliSeparatorInAffix =
    QT_TRANSLATE_NOOP("Kestrom", "--prefix and --suffix cannot hold \"/\": every output goes into the --output folder.");
inline constexpr TextId CliUnexpectedError = QT_TRANSLATE_NOOP("Kestrom", "kestrom-cli: stopped by an unexpected error: %s");
inline constexpr TextId CliUnknownReason = QT_TRANSLATE_NOOP("Kestrom", "no reason given");
inline constexpr TextId CliStandardOutputFailed =
    QT_TRANSLATE_NOOP("Kestrom", "kestrom-cli: what it printed could not all be written to standard output.");
inline constexpr TextId CliNoOutputFolder = QT_TRANSLATE_NOOP("Kestrom", "%s: the output folder cannot be created: %s");
inline constexpr TextId MemberOutsideFolder =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: its name leads out of the folder it is unpacked into");
inline constexpr TextId CliTryHelp = QT_TRANSLATE_NOOP("Kestrom", "Try 'kestrom-cli --help'.");
inline constexpr TextId CliOutputNameControls =
    QT_TRANSLATE_NOOP("Kestrom", "its output name would hold a control character; nothing was written for it.");
inline constexpr TextId CliBadFill = QT_TRANSLATE_NOOP("Kestrom", "--fill takes 00 or FF.");
inline constexpr TextId CliNoHeader = QT_TRANSLATE_NOOP("Kestrom", "The file is too short to hold a cartridge header.");
inline constexpr TextId CliOutputOntoSource =
    QT_TRANSLATE_NOOP("Kestrom", "%s would replace the source file %s; nothing was written.");
inline constexpr TextId PatchOutOfReach = QT_TRANSLATE_NOOP(
    "Kestrom", "not patched: the entry branch cannot reach a patch appended beyond 32 MiB.");
inline constexpr TextId MemberMoved =
    QT_TRANSLATE_NOOP("Kestrom", "the archive no longer holds this member where it was listed.");
inline constexpr TextId CliOnlyImagesInPlace =
    QT_TRANSLATE_NOOP("Kestrom", "only .gba images are changed in place; the file was left as it is.");
inline constexpr TextId CheckComplementCorrect = QT_TRANSLATE_NOOP("Kestrom", "complement correct");
inline constexpr TextId CheckComplementWrong = QT_TRANSLATE_NOOP("Kestrom", "complement wrong (%s, should be %s)");
inline constexpr TextId CheckIntro = QT_TRANSLATE_NOOP("Kestrom", "intro");
inline constexpr TextId CheckNoIntro = QT_TRANSLATE_NOOP("Kestrom", "no intro");
inline constexpr TextId CheckExitHack = QT_TRANSLATE_NOOP("Kestrom", "ExitHack");
inline constexpr TextId CheckNoExitHack = QT_TRANSLATE_NOOP("Kestrom", "no ExitHack");
inline constexpr TextId CheckTrimmed = QT_TRANSLATE_NOOP("Kestrom", "trimmed");
inline constexpr TextId CheckFullSize = QT_TRANSLATE_NOOP("Kestrom", "full size");
inline constexpr TextId FixComplementFixed = QT_TRANSLATE_NOOP("Kestrom", "complement fixed (%s, was %s)");
inline constexpr TextId FixComplementKept = QT_TRANSLATE_NOOP("Kestrom", "complement already correct");


// The archive component
inline constexpr TextId ZipDriveUnreadable = QT_TRANSLATE_NOOP("Kestrom", "Unable to access the selected drive!");
inline constexpr TextId ZipCannotCreate = QT_TRANSLATE_NOOP("Kestrom", "Unable to create \n\"%s\"");
inline constexpr TextId ZipCannotOpen = QT_TRANSLATE_NOOP("Kestrom", "Unable to open \n\"%s\"");
inline constexpr TextId ZipNotValid = QT_TRANSLATE_NOOP("Kestrom", "\"%s\"\nis not a valid Zip file.");
inline constexpr TextId ZipIsFolder = QT_TRANSLATE_NOOP("Kestrom", "\"%s\"\nis a folder, not a Zip file.");
inline constexpr TextId ZipNotAFile = QT_TRANSLATE_NOOP("Kestrom", "\"%s\"\nis not a regular file.");
inline constexpr TextId ZipMembersOverlap =
    QT_TRANSLATE_NOOP("Kestrom", "\"%s\"\nis damaged: the data of its members overlap.");
inline constexpr TextId ZipDirectoryUnreadable = QT_TRANSLATE_NOOP("Kestrom", "Error reading 'CentralFileHeader'!");
inline constexpr TextId ZipIndexRange = QT_TRANSLATE_NOOP("Kestrom", "Index range error");
inline constexpr TextId ZipCannotLoad = QT_TRANSLATE_NOOP("Kestrom", "Unable to load %s");
inline constexpr TextId ZipModuleArgument = QT_TRANSLATE_NOOP("Kestrom", "\"UnzDll.dll\".");
inline constexpr TextId ZipCannotEnterFolder = QT_TRANSLATE_NOOP("Kestrom", "Unable to extract files to:\n\"%s\"\n%s");
// Why a member was not unpacked; each follows the member's name.
inline constexpr TextId RefusedName =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: its name leads out of the folder or is too long for the file system");
inline constexpr TextId RefusedDamaged =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: the archive cannot be read or is damaged");
inline constexpr TextId RefusedBadData =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: its data are damaged (CRC error or wrong size)");
inline constexpr TextId RefusedMethod =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: it is compressed by a method that cannot be unpacked");
inline constexpr TextId RefusedEncrypted =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: it is encrypted, and no password that fits was given");
inline constexpr TextId RefusedWrite = QT_TRANSLATE_NOOP("Kestrom", "not unpacked: its file cannot be written: %s");
inline constexpr TextId RefusedOutside =
    QT_TRANSLATE_NOOP("Kestrom", "not unpacked: its data lie outside the archive file");
inline constexpr TextId RefusedTooLarge = QT_TRANSLATE_NOOP("Kestrom", "not unpacked: it is larger than %s");
inline constexpr TextId ZipBusy =
    QT_TRANSLATE_NOOP("Kestrom", "The archive is being extracted; wait until that has finished.");

}  // namespace texts

}  // namespace kst
