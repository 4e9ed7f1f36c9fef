#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kst {

class PathClaims;
class TZip;

// Takes the reason an archive gives no rows, naming the archive.
using ArchiveRefusal = std::function<void(const QString& reason)>;

// One image member of an imported archive.
struct ImportedMember {
    std::string name;                    // as the archive names it
    std::optional<std::string> path;     // its unpacked copy; nothing when the name leads out of the folder
    std::optional<std::string> refusal;  // why the module left it out, to follow its name
};

// What importing one archive found, for the main window to apply.
struct ImportResult {
    // Refused: the refusal was handed on and no member is to be added.
    enum class Outcome { Refused, Extracted, Cancelled };
    Outcome outcome = Outcome::Refused;
    int extracted = 0;                    // the module's count of extracted files
    std::vector<ImportedMember> members;  // in directory order
    // Folders made for the unpacking, to remove on close as far as they are
    // empty; given whatever the outcome, since an extraction may have filled them.
    std::vector<std::string> unpackFolders;
};

// Unpacks the ".gba" members of one archive into the temporary folder through
// zip, claiming their files first. An archive that cannot be imported
// (unreadable, damaged, without images, nowhere to unpack it) is handed to
// refuse, by default shown as a message. Members named like an earlier one
// are said and left out here; adding the rows is the caller's.
ImportResult importArchive(TZip& zip, PathClaims& claims, const std::string& temporaryFolder,
                           const QString& archivePath, const ArchiveRefusal& refuse = {});

}  // namespace kst
