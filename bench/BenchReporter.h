#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Prints as usual and remembers each benchmark's time per iteration, so that a
// benchmark can print its ratio against its baseline at the end. CPU time is
// kept beside wall time because a busy machine stretches the latter.
class RememberingReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double wall = 0; // seconds per iteration
        double cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            const double iterations = static_cast<double>(run.iterations);
            m_times[run.run_name.function_name]
                = { run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations };
        }
    }

    Times times(const std::string& name) const
    {
        const auto found = m_times.find(name);
        return found == m_times.end() ? Times {} : found->second;
    }

private:
    std::map<std::string, Times> m_times;
};

} // namespace bench
