#pragma once

#include <string>
#include <string_view>

namespace kst {

class ZipUi;

// Archives spread over removable disks: each disk carries the label
// "PKBACK# " followed by its three-digit number, counting from 1.

// The disk number a volume label names; 0 when it names none.
int diskNumberOfLabel(std::string_view label);

// The disk number of the volume holding the archive: 0 unless the file
// exists on a removable volume labelled as a disk of a set.
int diskNumberOf(const std::string& archivePath);

// Makes sure the wanted disk holds the archive, asking the user to insert it
// until it does. False when the user gives up (or there is nobody to ask).
bool insertDisk(const std::string& archivePath, int wantedDisk, ZipUi* ui);

}  // namespace kst
