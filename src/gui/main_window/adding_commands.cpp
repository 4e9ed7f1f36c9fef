// Adding ROMs to the list: the add command, file drops and the image add they share.

#include "core/paths.h"
#include "gui/archive/archive_import.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/path_claims.h"
#include "romheader/header.h"
#include "romlist/folder_scan.h"
#include "romlist/image_row.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <filesystem>

namespace kst {
namespace {

// The longest dropped path the handler takes, in bytes; longer ones are cut.
constexpr int MaxDroppedPathBytes = 253;

// Restarts the timer however the handling ends.
class TimerPause {
public:
    explicit TimerPause(QTimer* timer) : timer_(timer) { timer_->stop(); }
    ~TimerPause() { timer_->start(); }

private:
    QTimer* timer_;
};

// A completed add command starts the New size column afresh; the timer
// restores its caption.
void clearNewSizes(RomGrid& grid)
{
    for (int row = 0; row < grid.rowCount(); ++row)
        grid.setCell(ColNewSize, row, {});
}

}  // namespace

class TForm1::AddScope {
public:
    explicit AddScope(TForm1& form) : form_(form), pause_(form.Timer1) { form_.addRunning_ = true; }
    ~AddScope()
    {
        form_.addRunning_ = false;
        // Queued, so that the add returns to the event loop before the window goes.
        if (form_.closePending_)
            QTimer::singleShot(0, &form_, [form = &form_] { form->close(); });
    }

private:
    TForm1& form_;
    TimerPause pause_;
};

void reportUnreadableImage(AddOrigin origin, const QString& pickedPath)
{
    // A drop names no file; the add command names what the user picked.
    if (origin == AddOrigin::Dropped)
        dialogs().error(qtr(strings::IoError));
    else
        dialogs().error(qformat(strings::AddReadError, {pickedPath}));
}

bool OpenFileDialog::execute()
{
    std::optional<OpenFileAnswer> answer = dialogs().openFile(request);
    if (!answer || answer->files.isEmpty())
        return false;
    files = answer->files;
    fileName = files.first();
    return true;
}

bool TForm1::refuseWhileAdding()
{
    if (!addRunning_)
        return false;
    dialogs().message(qtr(texts::ZipBusy));
    return true;
}

void TForm1::addImage(const std::string& path, bool unpackedMember)
{
    // Held before it is read: no other program may replace or delete it from now on.
    claims_->claim(path);
    RomFile file(path);
    RomHeader header = readheader(file);
    const ops::SaveType save = ops::scanSaveType(file);  // the rest of the image, through the same open
    int row = rowForNewImage(grid_);
    writeImageRow(grid_, row, path, header);
    writeSaveCell(grid_, row, save);
    file.close();
    if (unpackedMember)
        TempFiles.append(toQt(path));
}

bool TForm1::addArchive(const QString& archivePath, AddOrigin origin, const ArchiveRefusal& refuse)
{
    // Taken once: the Options window can change the setting while the
    // extraction lets events through, and the rows must name where the files went.
    const std::string temporary = temporaryFolder;
    const ImportResult result = importArchive(Zip1, claims(), temporary, archivePath, refuse);
    unpackFolders.insert(unpackFolders.end(), result.unpackFolders.begin(), result.unpackFolders.end());
    if (result.outcome == ImportResult::Outcome::Refused)
        return true;
    if (closePending_) {
        // The user is leaving: no report, no rows, but what was unpacked is
        // left to the close's clean-up.
        for (const ImportedMember& member : result.members)
            if (member.path)
                TempFiles.append(toQt(*member.path));
        return false;
    }
    if (result.outcome == ImportResult::Outcome::Cancelled) {
        // The user knows why the other members are missing: one word, and
        // the rows of what was unpacked before.
        dialogs().message(qformat(strings::ExtractionCancelled, {archivePath}));
        for (const ImportedMember& member : result.members)
            if (!member.refusal && member.path && fileExists(*member.path))
                addMember(*member.path, origin, archivePath);
        return true;
    }
    dialogs().message(qformat(texts::GbaImagesFound, {QString::number(result.extracted), archivePath}));
    for (const ImportedMember& member : result.members) {
        // The module left this member out and said why: say so, naming it.
        if (member.refusal)
            dialogs().error(qformat(strings::MemberLeftOut, {archivePath, toQt(member.name), toQt(*member.refusal)}));
        // A name leading out of the folder was not unpacked: what lies there is not this member.
        else if (!member.path)
            reportUnreadableImage(origin, archivePath);
        else
            addMember(*member.path, origin, archivePath);
    }
    return true;
}

void TForm1::addMember(const std::string& path, AddOrigin origin, const QString& archivePath)
{
    try {
        addImage(path, true);
    } catch (const FileError&) {
        reportUnreadableImage(origin, archivePath);
    }
}

bool TForm1::addPaths(const QStringList& paths, AddOrigin origin)
{
    std::vector<SkippedEntry> skipped;
    bool completed = true;
    for (const QString& path : paths) {
        std::error_code ec;
        const bool folder = std::filesystem::is_directory(fromQt(path), ec);
        completed = folder ? addFolder(fromQt(path), origin, skipped) : addPath(path, origin);
        if (!completed)
            break;
    }
    if (!skipped.empty())
        dialogs().message(toQt(skippedSummary(skipped)));
    return completed;
}

bool TForm1::addFolder(const std::string& folder, AddOrigin origin, std::vector<SkippedEntry>& skipped)
{
    FolderContents contents = scanFolder(folder);
    skipped.insert(skipped.end(), contents.skipped.begin(), contents.skipped.end());
    for (const std::filesystem::path& file : contents.files) {
        if (closePending_)
            return false;
        const std::string local = file.string();
        if (hasExtension(local, ZipExtension)) {
            // Listed with the folder's other leftovers, not one message each.
            const auto refuse = [&](const QString& reason) {
                skipped.push_back({file, SkipReason::ArchiveRefused, fromQt(reason)});
            };
            if (!addArchive(toQt(local), origin, refuse))
                return false;
            continue;
        }
        // One message at the end instead of one per broken image of a large folder.
        try {
            addImage(local, false);
        } catch (const FileError& error) {
            skipped.push_back({file, SkipReason::ImageUnreadable, error.reason()});
        }
    }
    return true;
}

bool TForm1::addPath(const QString& path, AddOrigin origin)
{
    if (closePending_)
        return false;
    std::string local = fromQt(path);
    if (hasExtension(local, ZipExtension))
        return addArchive(path, origin);
    if (!hasExtension(local, GbaExtension)) {
        dialogs().message(qformat(strings::ExtensionMismatch, {path}));
        return false;
    }
    try {
        addImage(local, false);
    } catch (const FileError&) {
        reportUnreadableImage(origin, path);
    }
    return true;
}

void TForm1::Addrom1Click()
{
    if (refuseWhileAdding()) {
        dialogFreeAddMode = false;
        return;
    }
    if (!dialogFreeAddMode) {
        if (!OpenDialog1.execute())
            return;
    } else {
        OpenDialog1.files.clear();
        dialogFreeAddMode = false;
    }
    AddScope scope(*this);

    QStringList picked = OpenDialog1.files.size() < 2 ? QStringList{OpenDialog1.fileName} : OpenDialog1.files;
    if (addPaths(picked, AddOrigin::Picked))
        clearNewSizes(grid_);
}

void TForm1::AddFolder1Click()
{
    if (refuseWhileAdding())
        return;
    std::optional<QString> folder = dialogs().openFolder(qtr(strings::AddFolderTitle));
    if (!folder)
        return;
    AddScope scope(*this);
    if (addPaths({*folder}, AddOrigin::Picked))
        clearNewSizes(grid_);
}

void TForm1::WMDropFiles(const QStringList& paths)
{
    if (refuseWhileAdding())
        return;
    AddScope scope(*this);
    addPaths(paths, AddOrigin::Dropped);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    // The pointer shows that a drop cannot be taken while an add runs.
    if (event->mimeData()->hasUrls() && !addRunning_)
        event->acceptProposedAction();
}

QStringList droppedPaths(const QMimeData& data)
{
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        QByteArray bytes = url.toLocalFile().toUtf8();
        paths.append(QString::fromUtf8(bytes.left(MaxDroppedPathBytes)));
    }
    return paths;
}

void TForm1::dropEvent(QDropEvent* event)
{
    QStringList paths = droppedPaths(*event->mimeData());
    event->acceptProposedAction();
    // Handled after the drop returns, so the source application is not held
    // waiting while message boxes are up.
    QTimer::singleShot(0, this, [this, paths] { WMDropFiles(paths); });
}

}  // namespace kst
