#include "core/files/WriteFaults.h"

#include <cerrno>
#include <utility>

namespace tarvo {

namespace {

std::function<int(WriteStep)>& faultHook()
{
    static std::function<int(WriteStep)> hook;
    return hook;
}

} // namespace

bool injectedFault(WriteStep step)
{
    const auto& hook = faultHook();
    if (!hook)
        return false;
    const int error = hook(step);
    if (error != 0)
        errno = error;
    return error != 0;
}

void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook)
{
    faultHook() = std::move(hook);
}

} // namespace tarvo
