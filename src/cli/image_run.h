#pragma once

#include "cli/archive_sources.h"
#include "cli/cli_report.h"
#include "cli/command_table.h"

#include <functional>
#include <string>
#include <vector>

namespace kst::cli {

// The images a command works on: the files named, each .zip standing for the
// images it holds. With an output folder the outputs are checked before
// anything is written: two that would be one file are a usage problem
// (thrown), one that would replace a file the run reads refuses the run.
class ImageRun {
public:
    explicit ImageRun(const Options& options);

    // An output would replace a source (said on standard error): nothing may be written.
    bool refused() const { return refused_; }
    ArchiveSources& archives() { return archives_; }
    const std::vector<Source>& sources() const { return sources_; }
    // An archive named could not be read: the run fails, whatever its images do.
    bool archiveFailed() const { return archiveFailed_; }
    // Where the copy of one of sources() is written; with --dat-names a
    // verified image takes its name from the DAT.
    const std::string& outputOf(const Source& source) const { return outputs_[&source - sources_.data()]; }

    // eachSource over the images; SomeFileFailed as well when an archive could not be read.
    int each(const std::function<bool(const Source&)>& work);

private:
    ArchiveSources archives_;
    bool archiveFailed_ = false;  // before sources_, which sets it
    bool refused_ = false;
    std::vector<Source> sources_;
    std::vector<std::string> outputs_;
};

// Where a command writes a file's copy: DIR/<prefix><name><suffix>.gba as in
// the list (Name the DAT's when datName is given), or for pad the file's own
// name in DIR.
std::string outputPath(const Options& options, const std::string& file, const std::string& datName = {});

}  // namespace kst::cli
