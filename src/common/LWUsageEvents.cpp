#include "LWUsageEvents.h"

#include <utility>

namespace LWUsageEvents {

namespace {
Sink &sink()
{
    static Sink current;
    return current;
}
} // namespace

void setSink(Sink newSink)
{
    sink() = std::move(newSink);
}

void report(int value, int parameter)
{
    if (sink())
        sink()(value, parameter);
}

} // namespace LWUsageEvents
