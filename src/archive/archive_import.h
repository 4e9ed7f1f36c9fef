#pragma once

#include <QString>

namespace kst {

class TForm1;
enum class AddOrigin;

// Imports the ".gba" members of one archive as rows. Returns false when the
// add or drop that called it must stop.
bool importArchive(TForm1& form, const QString& archivePath, AddOrigin origin);

}  // namespace kst
