#pragma once

#include <functional>

// The one door through which the editor reports usage events (a numeric
// event value and an optional parameter). The analytics client plugs itself
// in as the sink; until then events are dropped.
namespace LWUsageEvents {

using Sink = std::function<void(int value, int parameter)>;

void setSink(Sink sink);
void report(int value, int parameter = 0);

} // namespace LWUsageEvents
