#include "archive/archive_import.h"

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/strings.h"

namespace kst {

bool importArchive(TForm1&, const QString& archivePath, AddOrigin)
{
    // Unpacking members comes with the archive component; until then the
    // user is told, and the other files of the add or drop go on.
    dialogs().message(qformat(strings::ArchivesNotSupported, {archivePath}));
    return true;
}

}  // namespace kst
