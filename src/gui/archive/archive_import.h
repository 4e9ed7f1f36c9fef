#pragma once

#include <QString>

#include <functional>

namespace kst {

class TForm1;
enum class AddOrigin;

// Takes the reason an archive gives no rows, naming the archive.
using ArchiveRefusal = std::function<void(const QString& reason)>;

// Unpacks the ".gba" members of one archive into the temporary folder through
// the main window's Zip1 and adds each as a row. An archive that cannot be
// imported (unreadable, damaged, without images, nowhere to unpack it) is
// handed to refuse, by default shown as a message, and the add goes on with
// its next file. Returns false only when the add or drop that called it must
// stop: the user closed the window meanwhile.
bool importArchive(TForm1& form, const QString& archivePath, AddOrigin origin, const ArchiveRefusal& refuse = {});

}  // namespace kst
