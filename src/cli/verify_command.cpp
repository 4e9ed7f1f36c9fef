#include "cli/verify_command.h"

#include "cli/image_run.h"
#include "core/printable.h"
#include "verify/verification.h"

#include <iostream>
#include <optional>

namespace kst::cli {

int runVerify(const Options& options)
{
    std::optional<verify::DatIndex> index;
    try {
        index.emplace(verify::readDat(*options.dat));
    } catch (const verify::DatError& error) {
        throw UsageProblem{error.what()};
    }
    ImageRun run(options);
    return run.each([&](const Source& source) {
        // A file or a member, read into memory within the size limit.
        const verify::Verification result = index->verify(run.archives().image(source));
        std::cout << escapeControls(source.shown) << '\t' << verify::verdictWord(result.verdict);
        if (!result.game.empty())
            std::cout << '\t' << escapeControls(result.game);
        std::cout << '\n';
        return result.verdict != verify::Verdict::Unknown;
    });
}

}  // namespace kst::cli
