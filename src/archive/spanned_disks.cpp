#include "archive/spanned_disks.h"

#include "archive/zip_ui.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace kst {
namespace {

constexpr std::string_view LabelPrefix = "PKBACK# ";
constexpr std::size_t LabelLength = 11;  // what the disk's label field holds

}  // namespace

int diskNumberOfLabel(std::string_view label)
{
    label = label.substr(0, LabelLength);
    if (!label.starts_with(LabelPrefix) || label.size() == LabelPrefix.size())
        return 0;
    int number = 0;
    for (char c : label.substr(LabelPrefix.size())) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

int diskNumberOf(const std::string& archivePath)
{
    if (!fileExists(archivePath))
        return 0;
    std::optional<Volume> volume = platform().volumeOf(archivePath);
    if (!volume || !volume->removable)
        return 0;
    return diskNumberOfLabel(volume->label);
}

bool insertDisk(const std::string& archivePath, int wantedDisk, ZipUi* ui)
{
    while (diskNumberOf(archivePath) != wantedDisk) {
        if (!ui || !ui->insertDisk(wantedDisk))
            return false;
    }
    return true;
}

}  // namespace kst
