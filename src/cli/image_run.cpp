#include "cli/image_run.h"

#include "cli/header_tools.h"
#include "core/paths.h"
#include "core/printable.h"
#include "core/texts.h"
#include "platform/output_clash.h"
#include "verify/verification.h"

#include <iostream>
#include <optional>

namespace kst::cli {
namespace {

// With --dat-names, the name each source takes from the DAT: empty for an
// image the DAT does not know or that cannot be read (which then fails as it
// would have anyway).
std::vector<std::string> datNames(const Options& options, const std::vector<Source>& sources,
                                  ArchiveSources& archives)
{
    std::vector<std::string> names(sources.size());
    if (!options.datNames)
        return names;
    std::optional<verify::DatIndex> index;
    try {
        index.emplace(verify::readDat(*options.dat));
    } catch (const verify::DatError& error) {
        throw UsageProblem{error.what()};
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        try {
            const verify::Verification found = index->verify(archives.image(sources[i]));
            if (found.verdict != verify::Verdict::Unknown)
                names[i] = verify::nameFromDat(found.romName);
        } catch (const std::exception&) {
            // Reported when the image is processed.
        }
    }
    return names;
}

std::vector<std::string> outputPaths(const Options& options, const std::vector<Source>& sources,
                                     const std::vector<std::string>& names)
{
    std::vector<std::string> outputs;
    for (std::size_t i = 0; i < sources.size(); ++i)
        outputs.push_back(outputPath(options, sources[i].path, names[i]));
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
    outputs_ = outputPaths(options, sources_, datNames(options, sources_, archives_));
    refuseSharedOutputs(outputs_, sources_);
    refused_ = refuseOutputOntoSource(outputs_, sources_);
}

int ImageRun::each(const std::function<bool(const Source&)>& work)
{
    const int status = eachSource(sources_, work);
    return archiveFailed_ ? SomeFileFailed : status;
}

std::string outputPath(const Options& options, const std::string& file, const std::string& datName)
{
    if (options.command == "pad")
        return padOutputPath(*options.outputFolder, file);
    std::string path = *options.outputFolder;
    if (path.empty() || path.back() != PathSeparator)
        path += PathSeparator;
    return outputName(path, options.prefix, datName.empty() ? nameOf(file) : datName, options.suffix);
}

}  // namespace kst::cli
