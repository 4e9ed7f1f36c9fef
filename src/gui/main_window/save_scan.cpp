#include "gui/main_window/save_scan.h"

#include "platform/files.h"
#include "romlist/image_row.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace kst {

SaveScan::SaveScan(RomGrid& grid, QTableView* view, QProgressBar* gauge)
    : grid_(grid), view_(view), gauge_(gauge), jobs_([this](jobs::JobId id, Outcome outcome) { receive(id, outcome); })
{
    QObject::connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, view_, [this] { promoteVisible(); });
}

void SaveScan::add(int row, const std::string& path)
{
    const RowId id = grid_.rowId(row);
    jobsById_[id] = Job{path, row};
    if (waiting_.empty())
        QTimer::singleShot(0, view_, [this] { start(); });
    waiting_.push_back(id);
}

void SaveScan::start()
{
    for (RowId id : waiting_) {
        jobs_.submit(id, [path = jobsById_.at(id).path](std::stop_token) -> Outcome {
            try {
                RomFile file(path, RomFile::Access::ReadOnly);
                return ops::scanSaveType(file);
            } catch (const FileError&) {
                return std::nullopt;
            }
        });
    }
    waiting_.clear();
    promoteVisible();
    showProgress();
}

void SaveScan::promoteVisible()
{
    if (!jobs_.running())
        return;
    // View rows are grid rows less the caption row.
    const int first = std::max(view_->rowAt(0), 0) + 1;
    int last = view_->rowAt(view_->viewport()->height() - 1);
    last = last < 0 ? grid_.rowCount() - 1 : last + 1;
    std::vector<jobs::JobId> visible;
    for (int row = first; row <= last && row < grid_.rowCount(); ++row)
        if (jobs_.wanted(grid_.rowId(row)))
            visible.push_back(grid_.rowId(row));
    jobs_.promote(visible);
}

void SaveScan::forgetRows(int first, int last)
{
    for (int row = first; row <= last && row < grid_.rowCount(); ++row) {
        const RowId id = grid_.rowId(row);
        jobs_.cancel(id);
        jobsById_.erase(id);
        std::erase(waiting_, id);
    }
    showProgress();
}

void SaveScan::cancelAll()
{
    jobs_.cancelAll();
    jobsById_.clear();
    waiting_.clear();
    showProgress();
}

void SaveScan::finish()
{
    if (!waiting_.empty())
        start();
    jobs_.finish();
}

void SaveScan::waitForWorkers()
{
    if (!waiting_.empty())
        start();
    jobs_.waitForWorkers();
}

void SaveScan::receive(jobs::JobId id, Outcome outcome)
{
    const auto job = jobsById_.find(id);
    if (job == jobsById_.end())
        return;
    // The id finds the row wherever it moved; a row emptied since (its id is
    // kept) no longer names the file.
    const std::optional<int> row = grid_.rowOf(id, job->second.rowHint);
    if (row && grid_.cell(ColInput, *row) == job->second.path)
        writeSaveCell(grid_, *row, outcome);
    jobsById_.erase(job);
    showProgress();
}

void SaveScan::showProgress()
{
    if (!jobs_.running()) {
        gauge_->setRange(0, 100);
        gauge_->setValue(0);
        return;
    }
    gauge_->setRange(0, jobs_.total());
    gauge_->setValue(jobs_.done());
}

}  // namespace kst
