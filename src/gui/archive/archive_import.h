#pragma once

#include <QString>

namespace kst {

class TForm1;
enum class AddOrigin;

// Unpacks the ".gba" members of one archive into the temporary folder through
// the main window's Zip1 and adds each as a row. Returns false when the add
// or drop that called it must stop.
bool importArchive(TForm1& form, const QString& archivePath, AddOrigin origin);

}  // namespace kst
