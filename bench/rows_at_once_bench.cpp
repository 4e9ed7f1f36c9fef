// Adding images to the main window, next to the least an add has to do:
//  - 64 images of 8 MiB dropped on the window from a cold page cache (the
//    caches are dropped before each run when this runs as root), against
//    opening each image and reading its 192-byte header; goal at most 1.5x.
//    The Save column's background scan of them is timed on its own.
//  - 10,000 small images dropped on the shown window (offscreen) until the
//    rows are painted, against reading their headers; goal under 0.25 s.
// Runs alternate, the medians are printed.
//
// usage: rows_at_once_bench [runs]

#include "window_bench_start.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "gui/main_window/save_scan.h"
#include "romheader/header.h"
#include "support/synthetic_image.h"

#include <QApplication>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> writeImages(const QTemporaryDir& folder, int count, std::size_t size)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[13];
        std::snprintf(name, sizeof name, "GAME%07d", i);
        std::vector<std::uint8_t> image = kst::test::makeImage(size, name);
        if (size > 0x10000)  // a save library far into the image, as games have it
            std::copy_n("FLASH1M_V103", 12, image.begin() + static_cast<std::ptrdiff_t>(size / 2));
        const std::string path = folder.filePath(QStringLiteral("Game %1.gba").arg(i)).toStdString();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        paths.push_back(path);
    }
    return paths;
}

bool dropCaches()
{
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY);
    if (fd < 0)
        return false;
    const bool done = ::write(fd, "3\n", 2) == 2;
    ::close(fd);
    return done;
}

double seconds(const std::function<void()>& run)
{
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void readHeaders(const std::vector<std::string>& paths)
{
    char header[kst::header::Length];
    for (const std::string& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0 || ::read(fd, header, sizeof header) != static_cast<ssize_t>(sizeof header))
            std::perror(path.c_str());
        ::close(fd);
    }
}

QStringList qtPaths(const std::vector<std::string>& paths)
{
    QStringList list;
    for (const std::string& path : paths)
        list << QString::fromStdString(path);
    return list;
}

// Drops the paths on the window and waits until the rows are painted.
void addToWindow(kst::TForm1& form, const QStringList& paths)
{
    form.WMDropFiles(paths);
    form.repaint();
}

}  // namespace

int main(int argc, char** argv)
{
    const WindowBenchStart start(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    kst::Windows windows = kst::createWindows();
    kst::TForm1& form = *windows.form1;
    form.show();
    QApplication::processEvents();

    QTemporaryDir large;
    const std::vector<std::string> largePaths = writeImages(large, 64, 8 << 20);
    const QStringList largeList = qtPaths(largePaths);
    const bool cold = dropCaches();
    if (!cold)
        std::printf("note: not root, the page cache cannot be dropped: the 64 images are read warm\n");
    std::vector<double> headers, adds, scans;
    for (int run = 0; run < runs; ++run) {
        dropCaches();
        headers.push_back(seconds([&] { readHeaders(largePaths); }));
        form.UnselectAll1Click();
        dropCaches();
        adds.push_back(seconds([&] { addToWindow(form, largeList); }));
        scans.push_back(seconds([&] { form.saveScan().finish(); }));
    }
    std::printf("64 images of 8 MiB, %s cache, %d runs (medians)\n", cold ? "cold" : "warm", runs);
    std::printf("  read their 192-byte headers:   %8.1f ms\n", median(headers) * 1e3);
    std::printf("  drop them on the window:       %8.1f ms   ratio %.2f (goal <= 1.5)\n", median(adds) * 1e3,
                median(adds) / median(headers));
    std::printf("  then the background save scan: %8.1f ms   (%.0f MB/s)\n", median(scans) * 1e3,
                64 * 8.388608 / median(scans));

    QTemporaryDir small;
    const std::vector<std::string> smallPaths = writeImages(small, 10000, 0x400);
    const QStringList smallList = qtPaths(smallPaths);
    headers.clear();
    adds.clear();
    for (int run = 0; run < runs; ++run) {
        headers.push_back(seconds([&] { readHeaders(smallPaths); }));
        form.UnselectAll1Click();
        QApplication::processEvents();
        adds.push_back(seconds([&] { addToWindow(form, smallList); }));
        form.saveScan().finish();
    }
    std::printf("10,000 images of 1 KiB, warm cache, %d runs (medians)\n", runs);
    std::printf("  read their 192-byte headers:   %8.1f ms\n", median(headers) * 1e3);
    std::printf("  drop them on the window:       %8.1f ms   ratio %.2f (goal: under 250 ms)\n",
                median(adds) * 1e3, median(adds) / median(headers));
    return 0;
}
