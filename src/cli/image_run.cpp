#include "cli/image_run.h"

#include "cli/header_tools.h"
#include "core/paths.h"
#include "core/printable.h"
#include "core/texts.h"
#include "platform/output_clash.h"

#include <iostream>
#include <optional>

namespace kst::cli {
namespace {

std::vector<std::string> outputPaths(const Options& options, const std::vector<Source>& sources)
{
    std::vector<std::string> outputs;
    for (const Source& source : sources)
        outputs.push_back(outputPath(options, source.path));
    return outputs;
}

// Two sources of the same name, two names that the output folder's file system
// takes for one, or a link from one output name to another: one output would
// overwrite the other.
void refuseSharedOutputs(const std::vector<std::string>& outputs, const std::vector<Source>& sources)
{
    if (std::optional<SharedOutput> shared = firstSharedOutput(outputs))
        throw UsageProblem{format(tr(texts::CliSameOutput),
                                  {sources[shared->first].shown, sources[shared->second].shown, outputs[shared->first]})};
}

// The copies would replace a file the run reads: nothing is written. True when refused.
bool refuseOutputOntoSource(const std::vector<std::string>& outputs, const std::vector<Source>& sources)
{
    // A member is read from its archive, which no output (always a .gba) can be.
    std::vector<std::string> inputs;
    std::vector<const Source*> fileSources;
    for (const Source& source : sources) {
        if (!source.member) {
            inputs.push_back(source.path);
            fileSources.push_back(&source);
        }
    }
    const std::optional<OutputClash> clash = firstOutputOntoSource(outputs, inputs);
    if (clash)
        std::cerr << format(tr(texts::CliOutputOntoSource),
                            {escapeControls(outputs[clash->output]), escapeControls(fileSources[clash->source]->shown)})
                  << '\n';
    return clash.has_value();
}

}  // namespace

ImageRun::ImageRun(const Options& options) : sources_(archives_.expand(options.files, archiveFailed_))
{
    if (!options.outputFolder)
        return;
    const std::vector<std::string> outputs = outputPaths(options, sources_);
    refuseSharedOutputs(outputs, sources_);
    refused_ = refuseOutputOntoSource(outputs, sources_);
}

int ImageRun::each(const std::function<bool(const Source&)>& work)
{
    const int status = eachSource(sources_, work);
    return archiveFailed_ ? SomeFileFailed : status;
}

std::string outputPath(const Options& options, const std::string& file)
{
    if (options.command == "pad")
        return padOutputPath(*options.outputFolder, file);
    std::string path = *options.outputFolder;
    if (path.empty() || path.back() != PathSeparator)
        path += PathSeparator;
    return outputName(path, options.prefix, nameOf(file), options.suffix);
}

}  // namespace kst::cli
