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

bool& unnamedTemporaries()
{
    static bool allowed = true;
    return allowed;
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

bool unnamedTemporariesAllowed()
{
    return unnamedTemporaries();
}

void setUnnamedTemporariesForTesting(bool allowed)
{
    unnamedTemporaries() = allowed;
}

} // namespace tarvo
