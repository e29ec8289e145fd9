#pragma once

#include <QString>

// Debugging aid, never committed: the standard faces with every point
// table plotted and numbered, to check a layout by eye after a change.
// Text is fine here; these pictures are not assets.
bool writePointOverlays(const QString &folder);
