#include "RegTextTool.h"

#include <iostream>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = tarvo::RegTextTool(std::cout, std::cerr).run(arguments);
    std::cout.flush();
    return std::cout ? status : tarvo::RegTextTool::ApplicationError;
}
