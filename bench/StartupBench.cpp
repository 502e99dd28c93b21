// Start-up cost of the program against a bare Qt window. Each run is a process
// of its own (this program, started again in one of two roles) that shows its
// window on the offscreen platform and ends the moment the window is exposed:
//   window:   the real main window, created in a prepared start folder (the
//             shipped catalogue and guide, a settings file, a few backups);
//   baseline: a QMainWindow holding a QTabWidget of four empty pages, captioned
//             as the real ones.
// The runs alternate so that both roles see the same machine load. Reported:
// the median wall time from fork to exit and the median peak resident memory,
// and their ratios, window / baseline (targets: 1.3x or less for both).
//
// Usage: tarvo_bench_startup [runs per role, default 15]

#include "ApplicationTitle.h"
#include "MainWindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Ends the process at once: tearing the window down is not part of starting up.
[[noreturn]] void endWhenExposed(QWidget& window)
{
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window, 10000);
    std::fflush(nullptr);
    ::_exit(exposed ? 0 : 3);
}

int runWindow(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));
    tarvo::gui::MainWindow window;
    endWhenExposed(window);
}

int runBaseline(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));
    QMainWindow window;
    auto* pages = new QTabWidget;
    // The captions of the real pages, so that both windows load the same
    // Japanese font: what is compared is the window, not the script.
    for (const char* title :
        { "共通（フリー/シェア）", "シェアウェアの場合", "書き方のヘルプ / インターネット", "プレビュー" })
        pages->addTab(new QWidget, QString::fromUtf8(title));
    window.setCentralWidget(pages);
    endWhenExposed(window);
}

struct Sample {
    double seconds = 0;
    long peakKiB = 0;
};

Sample runOnce(const std::string& self, const char* role, const fs::path& folder)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0)
            ::_exit(126);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Qt's notes about the offscreen platform are noise here.
        if (const int quiet = ::open("/dev/null", O_WRONLY); quiet >= 0) {
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
        }
        ::execl(self.c_str(), self.c_str(), role, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s run failed (status %d)\n", role, status);
        std::exit(1);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return { elapsed.count(), usage.ru_maxrss };
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A start folder as an author's would look: the shipped files, a settings file
// and a few backups.
fs::path prepareStartFolder()
{
    const fs::path folder = fs::temp_directory_path() / ("tarvo-bench-start-" + std::to_string(::getpid()));
    fs::create_directories(folder / "data");
    for (const char* name : { "category.dat", "tarvo.dat" })
        fs::copy_file(fs::path(TARVO_BENCH_START_DIR) / name, folder / name, fs::copy_options::overwrite_existing);
    std::FILE* settings = std::fopen((folder / "setting.dat").c_str(), "wb");
    std::fputs("#PA000001\r\n", settings);
    std::fclose(settings);
    for (int i = 0; i < 20; ++i) {
        std::FILE* backup = std::fopen((folder / "data" / ("soft" + std::to_string(i) + ".bak")).c_str(), "wb");
        std::fputs("#PA000001\r\n#0\r\n", backup);
        std::fclose(backup);
    }
    return folder;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string role = argc > 1 ? argv[1] : "";
    if (role == "window")
        return runWindow(argc, argv);
    if (role == "baseline")
        return runBaseline(argc, argv);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string self = fs::canonical("/proc/self/exe").string();
    const fs::path folder = prepareStartFolder();
    std::vector<double> windowSeconds, baselineSeconds;
    std::vector<long> windowPeak, baselinePeak;
    runOnce(self, "window", folder); // warms the file cache for both roles
    runOnce(self, "baseline", folder);
    for (int i = 0; i < runs; ++i) {
        const Sample window = runOnce(self, "window", folder);
        const Sample baseline = runOnce(self, "baseline", folder);
        windowSeconds.push_back(window.seconds);
        windowPeak.push_back(window.peakKiB);
        baselineSeconds.push_back(baseline.seconds);
        baselinePeak.push_back(baseline.peakKiB);
    }
    fs::remove_all(folder);

    const double windowWall = median(windowSeconds), baselineWall = median(baselineSeconds);
    const long windowKiB = median(windowPeak), baselineKiB = median(baselinePeak);
    std::printf("Start-up until the window is exposed, median of %d runs each (offscreen):\n", runs);
    std::printf("  main window: %7.1f ms wall, %7.1f MiB peak\n", windowWall * 1e3, windowKiB / 1024.0);
    std::printf("  baseline:    %7.1f ms wall, %7.1f MiB peak\n", baselineWall * 1e3, baselineKiB / 1024.0);
    std::printf("  window / baseline: %.2fx wall time, %.2fx peak memory (targets: 1.3x or less)\n",
        windowWall / baselineWall, static_cast<double>(windowKiB) / static_cast<double>(baselineKiB));
    return 0;
}
