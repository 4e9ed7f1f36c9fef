// kestrom-cli: the image pipeline, ExitHack removal, the header read and the
// internal-name edit and header tools, without windows, for scripts that work through large
// collections.

#include "cli/cli_report.h"
#include "cli/command_table.h"
#include "core/printable.h"
#include "core/texts.h"
#include "core/version.h"
#include "platform/files.h"

#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace kst {
namespace {

using namespace cli;

// Whether an argument before any "--" is the given flag.
bool asksFor(const std::vector<std::string>& args, std::string_view flag)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == flag)
            return true;
    }
    return false;
}

int run(const std::vector<std::string>& args)
{
    if (asksFor(args, "--help")) {
        std::cout << usageText();
        return Success;
    }
    if (asksFor(args, "--version")) {
        std::cout << "kestrom-cli " << ProgramVersion << "\n";
        return Success;
    }
    try {
        if (args.empty())
            throw UsageProblem{};
        const CommandRow& command = commandNamed(args.front());
        return command.run(parse(command, {args.begin() + 1, args.end()}));
    } catch (const UsageProblem& problem) {
        if (!problem.message.empty())
            std::cerr << escapeControls(problem.message) << '\n';
        std::cerr << tr(texts::CliTryHelp) << '\n';
        return UsageError;
    }
}

// What no command expected stops the run with its reason, as a usage error
// does, rather than as a crash.
int runSafely(const std::vector<std::string>& args)
{
    try {
        return run(args);
    } catch (const std::exception& error) {
        std::cerr << format(tr(texts::CliUnexpectedError), {escapeControls(error.what())}) << '\n';
    } catch (...) {
        std::cerr << format(tr(texts::CliUnexpectedError), {tr(texts::CliUnknownReason)}) << '\n';
    }
    return UsageError;
}

}  // namespace
}  // namespace kst

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    kst::failWritesPastFileSizeLimit();
    const int status = kst::runSafely(std::vector<std::string>(argv + 1, argv + argc));
    // A log or a listing that did not arrive is no success, whatever the files.
    if (!std::cout.flush()) {
        std::cerr << kst::tr(kst::texts::CliStandardOutputFailed) << '\n';
        return kst::cli::UsageError;
    }
    return status;
}
