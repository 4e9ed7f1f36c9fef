#include "cli/header_tools.h"

#include "cli/cli_report.h"
#include "cli/image_run.h"
#include "core/printable.h"
#include "core/texts.h"
#include "platform/files.h"
#include "romheader/complement.h"
#include "romops/image_check.h"
#include "romops/pad.h"
#include "zipformat/limits.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace kst::cli {
namespace {

std::string hexByte(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// An image with a header to check: at least up to the complement byte.
std::vector<std::uint8_t> withHeader(std::vector<std::uint8_t> image, const std::string& name)
{
    if (image.size() < ComplementMinimumSize)
        throw FileError(name, tr(texts::CliNoHeader));
    return image;
}

std::string checkLine(const std::string& file, const ops::ImageCheck& check)
{
    const std::string complement =
        check.complementCorrect()
            ? tr(texts::CheckComplementCorrect)
            : format(tr(texts::CheckComplementWrong),
                     {hexByte(check.storedComplement), hexByte(check.correctComplement)});
    return file + '\t' + complement + '\t' + tr(check.intro ? texts::CheckIntro : texts::CheckNoIntro) + '\t' +
           tr(check.exitHack ? texts::CheckExitHack : texts::CheckNoExitHack) + '\t' +
           tr(check.trimmed ? texts::CheckTrimmed : texts::CheckFullSize);
}

}  // namespace

int runCheck(const Options& options)
{
    ImageRun run(options);
    return run.each([&](const Source& source) {
        const ops::ImageCheck check = ops::checkImage(withHeader(run.archives().image(source), source.shown));
        std::cout << checkLine(escapeControls(source.shown), check) << '\n';
        return check.complementCorrect();
    });
}

int runFixHeader(const Options& options)
{
    return eachSource(namedFiles(options.files), [](const Source& source) {
        const std::string& file = source.path;
        if (refuseUnlessImage(file))
            return false;
        std::vector<std::uint8_t> image = withHeader(readWholeFile(file, zip::kMaxImageBytes), file);
        const std::uint8_t stored = image[header::ComplementOffset];
        const std::uint8_t correct = headerComplement(image);
        if (stored == correct) {
            std::cout << escapeControls(file) << '\t' << tr(texts::FixComplementKept) << '\n';
            return true;
        }
        image[header::ComplementOffset] = correct;
        writeFileAtomically(file, image);
        std::cout << escapeControls(file) << '\t' << format(tr(texts::FixComplementFixed), {hexByte(correct), hexByte(stored)})
                  << '\n';
        return true;
    });
}

std::string padOutputPath(const std::string& outputFolder, const std::string& file)
{
    return (std::filesystem::path(outputFolder) / std::filesystem::path(file).filename()).string();
}

int runPad(const Options& options)
{
    ImageRun run(options);
    if (run.refused() || !makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    return run.each([&](const Source& source) {
        const std::string output = padOutputPath(*options.outputFolder, source.path);
        refuseControlsInOutput(output);
        std::vector<std::uint8_t> image = run.archives().image(source);
        if (image.empty())
            throw FileError(source.shown, tr(texts::FileIsEmpty));
        const std::uint8_t padding = options.fill.value_or(ops::paddingOf(image));
        writeFileAtomically(output, ops::padImage(std::move(image), padding));
        return true;
    });
}

}  // namespace kst::cli
