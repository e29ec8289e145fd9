#pragma once

// A marker that lives in the data folder for as long as the editor runs.
// The crash handler only sees crashes it can catch; when the machine loses
// power or the editor is killed, the marker is what is left behind, and the
// next start offers the same recovery from the automatic backup.
namespace LWRunMarker {

// Takes the marker for this process. Returns true when a previous run left
// it behind (that run ended without a clean exit); in that case the
// "lastCrashed" flag is raised so the recovery offer appears. While another
// editor holds the marker nothing is concluded and this process runs
// without one.
bool begin();

// Removes the marker at a clean exit. Harmless when begin() did not take it.
void end();

} // namespace LWRunMarker
