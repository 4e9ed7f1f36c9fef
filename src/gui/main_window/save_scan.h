#pragma once

#include "gui/common/gui_jobs.h"
#include "romlist/rom_grid.h"
#include "romops/save_type.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QProgressBar;
class QTableView;

namespace kst {

// Fills the Save column in the background: each added row's image is read to
// its end on the workers, the rows in view first, with the gauge showing how
// far the scan has come. A row's cell stays empty until its scan ends; a row
// that was removed or now shows another image never receives the result.
class SaveScan {
public:
    SaveScan(RomGrid& grid, QTableView* view, QProgressBar* gauge);

    // Scans the image of a row just written; the scan starts once the event
    // loop runs, so that an add shows its rows before the workers read.
    void add(int row, const std::string& path);
    // Drops the scans of rows about to be removed.
    void forgetRows(int first, int last);
    // Drops every scan (Clear List, closing the window).
    void cancelAll();
    // Brings the scans of the rows in view forward (after a scroll).
    void promoteVisible();

    bool running() const { return jobs_.running() || !waiting_.empty(); }
    // Starts what waits and hands every result over now (tests, benchmarks).
    void finish();
    // Starts what waits and lets the workers end, their results on their way (tests).
    void waitForWorkers();

private:
    using Outcome = std::optional<ops::SaveType>;  // nullopt: the image could not be read
    struct Job {
        std::string path;
        int rowHint = 1;  // the row it was added at; rows only move up
    };

    void start();
    void receive(jobs::JobId id, Outcome outcome);
    void showProgress();

    RomGrid& grid_;
    QTableView* view_;
    QProgressBar* gauge_;
    std::unordered_map<RowId, Job> jobsById_;
    std::vector<RowId> waiting_;  // added, not yet submitted
    GuiJobs<Outcome> jobs_;
};

}  // namespace kst
