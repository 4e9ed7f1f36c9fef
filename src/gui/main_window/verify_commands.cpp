// Verifying the list against a DAT file of good dumps: the Verified column
// gets each row's verdict, and one message gives the counts.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "platform/file_error.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "settings/profile_file.h"
#include "settings/setting_values.h"
#include "verify/verification.h"

#include <QProgressBar>

#include <array>
#include <optional>

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
    std::optional<verify::DatIndex> index;
    try {
        index.emplace(verify::readDat(fromQt(*dat)));
    } catch (const verify::DatError& error) {
        dialogs().error(toQt(error.what()));
        return;
    }

    // Counts by verdict, then the unreadable ones.
    std::array<int, 4> counts{};
    const int rows = grid_.rowCount() - 1;
    for (int row = 1; row <= rows; ++row) {
        if (grid_.isEmptyRow(row))
            continue;
        try {
            const verify::Verification result = index->verifyFile(grid_.cell(ColInput, row));
            grid_.setCell(ColVerified, row, verify::verdictText(result));
            ++counts[static_cast<std::size_t>(result.verdict)];
        } catch (const FileError&) {
            grid_.setCell(ColVerified, row, kst::tr(texts::VerdictUnreadable));
            ++counts[3];
        }
        if (rows > RowsWithoutGauge) {
            Bar1->setRange(0, rows);
            Bar1->setValue(row);
            Bar1->repaint();  // painted now: the loop gives no event a turn
        }
    }
    const int checked = counts[0] + counts[1] + counts[2] + counts[3];
    dialogs().message(qformat(strings::VerifyCounts,
                              {QString::number(checked), *dat, QString::number(counts[0]),
                               QString::number(counts[1]), QString::number(counts[2]), QString::number(counts[3])}));
}

}  // namespace kst
