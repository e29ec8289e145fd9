#include "LWWindowsReady.h"

#include <utility>

namespace LWWindowsReady {

namespace {
std::function<void()> &loader()
{
    static std::function<void()> current;
    return current;
}
} // namespace

void setLoader(std::function<void()> next)
{
    loader() = std::move(next);
}

void ensure()
{
    // Taken out first: loading a window may look another one up.
    std::function<void()> pending;
    std::swap(pending, loader());
    if (pending)
        pending();
}

} // namespace LWWindowsReady
