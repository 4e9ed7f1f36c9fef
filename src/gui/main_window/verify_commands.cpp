// Verifying the list against a DAT file of good dumps: the Verified column
// gets each row's verdict, and one message gives the counts. Names from DAT
// gives each verified row the name its DAT entry has.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "platform/file_error.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "settings/profile_file.h"
#include "settings/setting_values.h"
#include "verify/verification.h"

#include <QProgressBar>

#include <algorithm>
#include <functional>
#include <new>
#include <optional>
#include <vector>

namespace kst {
namespace {

// Rows up to this many finish before the gauge would be seen.
constexpr int RowsWithoutGauge = 200;

// The DAT file the user picks, starting from the one picked last time.
std::optional<QString> pickDatFile(ProfileFile& settings)
{
    OpenFileRequest request;
    request.title = qtr(strings::VerifyDatTitle);
    request.filters = {qtr(strings::DatFilter), qtr(strings::AllFilesFilter)};
    request.patterns = {QStringLiteral("*.dat;*.xml"), QStringLiteral("*")};
    request.selectedFile = toQt(settings.readString(options::Section, options::key::DatFile, ""));
    std::optional<OpenFileAnswer> answer = dialogs().openFile(request);
    if (!answer || answer->files.isEmpty())
        return std::nullopt;
    return answer->files.first();
}

// What the rows of one verification came to.
struct VerifyCounts {
    int verified = 0;
    int verifiedPadded = 0;
    int verifiedRestored = 0;
    int unknown = 0;
    int unreadable = 0;

    void add(verify::Verdict verdict)
    {
        switch (verdict) {
        case verify::Verdict::Verified:
            ++verified;
            break;
        case verify::Verdict::VerifiedPadded:
            ++verifiedPadded;
            break;
        case verify::Verdict::VerifiedRestored:
            ++verifiedRestored;
            break;
        case verify::Verdict::Unknown:
            ++unknown;
            break;
        }
    }
    int checked() const { return verified + verifiedPadded + verifiedRestored + unknown + unreadable; }
};

// The DAT read into an index; nothing, with the reason shown, when it cannot be.
std::optional<verify::DatIndex> readIndex(const QString& dat)
{
    try {
        return verify::DatIndex(verify::readDat(fromQt(dat)));
    } catch (const verify::DatError& error) {
        dialogs().error(toQt(error.what()));
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        // Indexing a DAT that was read still needs memory of its own.
        dialogs().error(toQt(format(kst::tr(texts::DatNoMemory), {fromQt(dat)})));
        return std::nullopt;
    }
}

// Verifies the file of every row, showing a long list's progress in the
// gauge; a row whose file cannot be read gets nothing.
void verifyRows(RomGrid& grid, QProgressBar& gauge, const verify::DatIndex& index,
                const std::function<void(int row, const std::optional<verify::Verification>&)>& take)
{
    const int rows = grid.rowCount() - 1;
    for (int row = 1; row <= rows; ++row) {
        if (grid.isEmptyRow(row))
            continue;
        try {
            take(row, index.verifyFile(grid.cell(ColInput, row)));
        } catch (const FileError&) {
            take(row, std::nullopt);
        }
        if (rows > RowsWithoutGauge) {
            gauge.setRange(0, rows);
            gauge.setValue(row);
            gauge.repaint();  // painted now: the loop gives no event a turn
        }
    }
}

}  // namespace

void TForm1::VerifyDat1Click()
{
    if (refuseWhileAdding())
        return;
    ProfileFile settings(locateProgramFiles(platform()).settings);
    const std::optional<QString> dat = pickDatFile(settings);
    if (!dat)
        return;
    try {
        settings.writeString(options::Section, options::key::DatFile, fromQt(*dat));
    } catch (const FileError& error) {
        // Not remembering the choice is no reason not to verify.
        dialogs().error(qformat(strings::SettingsNotSaved, {toQt(error.path().string()), toQt(error.reason())}));
    }
    const std::optional<verify::DatIndex> index = readIndex(*dat);
    if (!index)
        return;

    VerifyCounts counts;
    std::vector<bool> held(index->games().size());  // which of the DAT's games the list holds
    verifyRows(grid_, *Bar1, *index, [&](int row, const std::optional<verify::Verification>& result) {
        if (!result) {
            grid_.setCell(ColVerified, row, kst::tr(texts::VerdictUnreadable));
            ++counts.unreadable;
            return;
        }
        grid_.setCell(ColVerified, row, verify::verdictText(*result));
        counts.add(result->verdict);
        if (result->verdict != verify::Verdict::Unknown)
            held[result->gameIndex] = true;
    });
    const QStringList values = {QString::number(counts.checked()), *dat, QString::number(counts.verified),
                                QString::number(counts.verifiedPadded), QString::number(counts.verifiedRestored),
                                QString::number(counts.unknown), QString::number(counts.unreadable),
                                QString::number(std::count(held.begin(), held.end(), true)),
                                QString::number(held.size())};
    dialogs().message(qformat(strings::VerifyCounts, values));
}

void TForm1::NamesFromDat1Click()
{
    if (refuseWhileAdding())
        return;
    ProfileFile settings(locateProgramFiles(platform()).settings);
    const QString dat = toQt(settings.readString(options::Section, options::key::DatFile, ""));
    if (dat.isEmpty()) {
        dialogs().message(qtr(strings::NoDatPicked));
        return;
    }
    const std::optional<verify::DatIndex> index = readIndex(dat);
    if (!index)
        return;
    // Verified again, so that a name never comes from a stale verdict; the
    // Verified cells show what the names come from.
    int rows = 0;
    int named = 0;
    verifyRows(grid_, *Bar1, *index, [&](int row, const std::optional<verify::Verification>& result) {
        ++rows;
        grid_.setCell(ColVerified, row, result ? verify::verdictText(*result) : kst::tr(texts::VerdictUnreadable));
        if (!result || result->verdict == verify::Verdict::Unknown)
            return;
        const std::string name = verify::nameFromDat(result->romName);
        if (name.empty())
            return;
        grid_.setCell(ColName, row, name);
        ++named;
    });
    dialogs().message(qformat(strings::NamedFromDat, {QString::number(named), QString::number(rows), dat}));
}

}  // namespace kst
