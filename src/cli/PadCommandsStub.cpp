// import-pad in a build without PAD import: it says so and writes nothing.

#include "cli/RegTextTool.h"

namespace tarvo {

int RegTextTool::importPad(const std::vector<std::string>&)
{
    reportLine("error -: この tarvo-regtext は PAD ファイルを読み込めません（import-pad のないビルドです）。");
    return ApplicationError;
}

} // namespace tarvo
