// How long the preview command takes to build the registration text and the backup
// lines for an entry with 1 MiB of Description and 1 MiB of Notes, measured against
// a plain memcpy of as many bytes as it produces. The build should stay within 4x
// of that copy: it is one pass over the fields, and anything slower means a line
// is scanned or copied more often than it needs to be.

#include "core/document/PreviewCommand.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"

#include "BenchReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace tarvo;

constexpr size_t kFieldBytes = 1 << 20;

// About 50 bytes a line, ASCII and CP932 mixed, CR LF line ends.
std::string linesOfText(std::string_view label)
{
    const std::string japanese = cp932FromUtf8("日本語の説明文です。");
    std::string text;
    text.reserve(kFieldBytes + 64);
    for (int line = 0; text.size() < kFieldBytes; ++line) {
        text += label;
        text += ' ';
        text += std::to_string(line);
        text += ": ";
        text += japanese;
        text += " ascii text.";
        text.append(static_cast<size_t>(line % 7), 'x');
        text += "\r\n";
    }
    return text;
}

RegistrationEntry largeEntry()
{
    RegistrationEntry entry;
    entry.authorId = "PA000001";
    entry.softwareName = "bench";
    entry.archiveFileName = "bench.lzh";
    entry.headline = cp932FromUtf8("大きな説明のソフト");
    entry.description = linesOfText("Description");
    entry.notes = linesOfText("Notes");
    entry.supportedOs = { false, true, true, true, false, false };
    entry.changeHandling(cp932FromUtf8("シェアウェア"));
    entry.sharewareFee = "1000";
    entry.sharewareConditions = cp932FromUtf8("30日間試用可\r\n");
    entry.registeredProductNumber = "SR000001";
    return entry;
}

RegistrationEntry& benchEntry()
{
    static RegistrationEntry entry = largeEntry();
    return entry;
}

size_t outputBytes()
{
    static const size_t bytes = [] {
        const PreviewOutcome outcome = runPreviewCommand(benchEntry());
        return outcome.previewText.size() + outcome.backupText.size();
    }();
    return bytes;
}

void BM_BuildDocumentAndBackup(benchmark::State& state)
{
    RegistrationEntry& entry = benchEntry();
    for (auto _ : state) {
        PreviewOutcome outcome = runPreviewCommand(entry);
        benchmark::DoNotOptimize(outcome.previewText.data());
        benchmark::DoNotOptimize(outcome.backupText.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * outputBytes()));
    const PreviewOutcome outcome = runPreviewCommand(entry);
    state.counters["lines"]
        = static_cast<double>(splitLines(outcome.previewText).size() + splitLines(outcome.backupText).size());
    state.counters["output_bytes"] = static_cast<double>(outputBytes());
}

void BM_MemcpyOfTheOutputBytes(benchmark::State& state)
{
    const size_t bytes = outputBytes();
    const std::string source(bytes, 'a');
    std::string target(bytes, 'b');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["output_bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_BuildDocumentAndBackup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyOfTheOutputBytes)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RememberingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto build = reporter.times("BM_BuildDocumentAndBackup");
    const auto copy = reporter.times("BM_MemcpyOfTheOutputBytes");
    if (build.wall > 0 && copy.wall > 0 && copy.cpu > 0) {
        std::printf("\nOutput %zu bytes (text and backup lines).\n"
                    "Build: %.1f us wall, %.1f us CPU. memcpy: %.1f us wall, %.1f us CPU.\n"
                    "Build / memcpy: %.2fx wall, %.2fx CPU (target: 4x or less).\n",
            outputBytes(), build.wall * 1e6, build.cpu * 1e6, copy.wall * 1e6, copy.cpu * 1e6, build.wall / copy.wall,
            build.cpu / copy.cpu);
    }
    return 0;
}
