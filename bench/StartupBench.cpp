// Start-up cost of the program against a bare Qt window. Each run is a process
// of its own, one of two programs built beside this one, that shows its window
// and ends the moment the window has painted once (FirstPaint.h):
//   tarvo_bench_first_paint_window: the real main window, started as the
//             program starts it, in a prepared start folder (the shipped
//             catalogue and guide, a settings file, a few backups);
//   tarvo_bench_first_paint_bare: a QMainWindow holding a QTabWidget of four
//             empty pages, captioned as the real ones, in the window's font.
// The runs alternate so that both see the same machine load. Reported: the
// median wall time from fork to exit and the median peak resident memory, and
// their ratios, window / baseline. The platform is QT_QPA_PLATFORM as given,
// offscreen when it is not set (for X11: run under Xvfb and a window manager
// with QT_QPA_PLATFORM=xcb).
//
// Usage: tarvo_bench_startup [runs per program, default 15]
//        tarvo_bench_startup --make-start-folder   (prints the folder made)

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

struct Sample {
    double seconds = 0;
    long peakKiB = 0;
};

Sample runOnce(const fs::path& program, const fs::path& folder)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0)
            ::_exit(126);
        // Qt's notes about the platform are noise here.
        if (const int quiet = ::open("/dev/null", O_WRONLY); quiet >= 0) {
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
        }
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the run of %s failed (status %d)\n", program.c_str(), status);
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
    // For callgrind-first-paint.sh: a start folder to run the programs in.
    if (argc > 1 && std::string(argv[1]) == "--make-start-folder") {
        std::printf("%s\n", prepareStartFolder().c_str());
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const fs::path windowProgram = here / "tarvo_bench_first_paint_window";
    const fs::path bareProgram = here / "tarvo_bench_first_paint_bare";
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string platform = std::getenv("QT_QPA_PLATFORM");
    const fs::path folder = prepareStartFolder();
    std::vector<double> windowSeconds, baselineSeconds;
    std::vector<long> windowPeak, baselinePeak;
    runOnce(windowProgram, folder); // warms the file cache for both
    runOnce(bareProgram, folder);
    for (int i = 0; i < runs; ++i) {
        const Sample window = runOnce(windowProgram, folder);
        const Sample baseline = runOnce(bareProgram, folder);
        windowSeconds.push_back(window.seconds);
        windowPeak.push_back(window.peakKiB);
        baselineSeconds.push_back(baseline.seconds);
        baselinePeak.push_back(baseline.peakKiB);
    }
    fs::remove_all(folder);

    const double windowWall = median(windowSeconds), baselineWall = median(baselineSeconds);
    const long windowKiB = median(windowPeak), baselineKiB = median(baselinePeak);
    std::printf("Start-up until the first paint, median of %d runs each (%s):\n", runs, platform.c_str());
    std::printf("  main window: %7.1f ms wall, %7.1f MiB peak\n", windowWall * 1e3, windowKiB / 1024.0);
    std::printf("  baseline:    %7.1f ms wall, %7.1f MiB peak\n", baselineWall * 1e3, baselineKiB / 1024.0);
    std::printf("  window / baseline: %.2fx wall time, %.2fx peak memory"
                " (targets: wall 1.3x or less on X11, 2.0x offscreen; memory 1.2x)\n",
        windowWall / baselineWall, static_cast<double>(windowKiB) / static_cast<double>(baselineKiB));
    return 0;
}
