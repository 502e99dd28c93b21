#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvo {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built tool in `folder` with its output streams caught in files there
// (standard output in `output` when given). A tool that hangs is killed after a
// while and counts as failed. `runner` goes before the tool (such as setpriv);
// only Linux has one, and a run with a runner fails elsewhere.
ToolRun runTool(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
    const std::filesystem::path& output = {}, const std::vector<std::string>& runner = {});

} // namespace tarvo
