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

// What the rows of one verification came to.
struct VerifyCounts {
    int verified = 0;
    int verifiedPadded = 0;
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
        case verify::Verdict::Unknown:
            ++unknown;
            break;
        }
    }
    int checked() const { return verified + verifiedPadded + unknown + unreadable; }
};

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

    VerifyCounts counts;
    const int rows = grid_.rowCount() - 1;
    for (int row = 1; row <= rows; ++row) {
        if (grid_.isEmptyRow(row))
            continue;
        try {
            const verify::Verification result = index->verifyFile(grid_.cell(ColInput, row));
            grid_.setCell(ColVerified, row, verify::verdictText(result));
            counts.add(result.verdict);
        } catch (const FileError&) {
            grid_.setCell(ColVerified, row, kst::tr(texts::VerdictUnreadable));
            ++counts.unreadable;
        }
        if (rows > RowsWithoutGauge) {
            Bar1->setRange(0, rows);
            Bar1->setValue(row);
            Bar1->repaint();  // painted now: the loop gives no event a turn
        }
    }
    dialogs().message(qformat(strings::VerifyCounts,
                              {QString::number(counts.checked()), *dat, QString::number(counts.verified),
                               QString::number(counts.verifiedPadded), QString::number(counts.unknown),
                               QString::number(counts.unreadable)}));
}

}  // namespace kst
