// How long a PAD import takes (read, map, the backup's rows and their load
// back, nothing written) for the worst shapes a file under the size cap can
// take, against a plain expat parse of the same bytes. Both should grow with
// the file alone: the import is a few passes over the text, so its time per
// MiB stays within a small multiple of the parse's for every shape. A shape far
// beyond the others means a search inside a loop.

#include "core/format/PadReader.h"
#include "core/pad/PadImportRun.h"

#include "BenchReporter.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace tarvo;

std::string repeated(std::size_t times, const std::function<std::string(std::size_t)>& piece)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece(i);
    return text;
}

std::string padFile(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<XML_DIZ_INFO><Program_Info><Program_Name>Bench"
           "</Program_Name></Program_Info>"
        + body + "</XML_DIZ_INFO>\n";
}

struct Shape {
    const char* name;
    std::string file;
};

const std::vector<Shape>& shapes()
{
    static const std::vector<Shape> all {
        { "ManyLanguageBlocks",
            padFile("<Program_Descriptions>"
                + repeated(400'000, [](std::size_t i) { return "<L" + std::to_string(100'000 + i) + "/>"; })
                + "<Last><Char_Desc_80>from the last</Char_Desc_80></Last></Program_Descriptions>") },
        { "ManyRepeatedElements",
            padFile("<Program_Info>"
                + repeated(90'000, [](std::size_t) { return "<Program_Type>Freeware<b/></Program_Type>"; })
                + "</Program_Info>") },
        { "ManyOperatingSystems",
            padFile("<Program_Info><Program_OS_Support>"
                + repeated(300'000, [](std::size_t i) { return "Q" + std::to_string(i % 100'000) + ","; })
                + "</Program_OS_Support></Program_Info>") },
        { "OneHugeDescription",
            padFile("<Program_Descriptions><Japanese><Char_Desc_2000>"
                + repeated(75'000, [](std::size_t i) { return "説明の " + std::to_string(i) + " 行目 &lt;a text\n"; })
                + "</Char_Desc_2000></Japanese></Program_Descriptions>") },
        { "OneHugeHeadline",
            padFile("<Program_Descriptions><English><Char_Desc_80>"
                + repeated(600'000, [](std::size_t) { return "&lt;a"; })
                + "</Char_Desc_80></English></Program_Descriptions>") },
    };
    return all;
}

double mebibytes(const std::string& file)
{
    return static_cast<double>(file.size()) / (1 << 20);
}

void importShape(benchmark::State& state, const Shape& shape)
{
    PadImportRequest request;
    request.fileBytes = shape.file;
    request.dataFolder = "/nonexistent-bench-data";
    request.dryRun = true;
    for (auto _ : state) {
        PadImportRun run = runPadImport(request);
        benchmark::DoNotOptimize(run.diagnostics.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * shape.file.size()));
}

// Only the parse: no handler, so this is the floor any reader built on expat stands on.
void expatShape(benchmark::State& state, const Shape& shape)
{
    for (auto _ : state) {
        XML_Parser parser = XML_ParserCreate("UTF-8");
        const XML_Status status = XML_Parse(parser, shape.file.data(), static_cast<int>(shape.file.size()), XML_TRUE);
        benchmark::DoNotOptimize(status);
        XML_ParserFree(parser);
        if (status != XML_STATUS_OK)
            state.SkipWithError("expat refused the file");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * shape.file.size()));
}

} // namespace

int main(int argc, char** argv)
{
    for (const Shape& shape : shapes()) {
        if (shape.file.size() > kLargestPadFile) {
            std::fprintf(stderr, "%s is over the size cap\n", shape.name);
            return 1;
        }
        benchmark::RegisterBenchmark((std::string("Import/") + shape.name).c_str(), importShape, shape)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Expat/") + shape.name).c_str(), expatShape, shape)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RememberingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-22s %6s %12s %12s %8s\n", "shape", "MiB", "import ms/MiB", "expat ms/MiB", "ratio");
    for (const Shape& shape : shapes()) {
        const auto import = reporter.times(std::string("Import/") + shape.name);
        const auto expat = reporter.times(std::string("Expat/") + shape.name);
        if (import.cpu <= 0 || expat.cpu <= 0)
            continue;
        const double size = mebibytes(shape.file);
        std::printf("%-22s %6.2f %12.1f %12.1f %7.1fx\n", shape.name, size, import.cpu * 1e3 / size,
            expat.cpu * 1e3 / size, import.cpu / expat.cpu);
    }
    std::printf("(CPU time; the import reads, maps, builds the rows and loads them back, writing nothing.)\n");
    return 0;
}
