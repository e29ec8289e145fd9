#pragma once

#include <QUrl>
#include <functional>

// Opens pages in the author's own browser. Tests (and any host without a
// desktop) replace the opener so that nothing leaves the machine.
namespace LWExternalBrowser {

using Opener = std::function<void(const QUrl &url)>;

void setOpener(Opener opener); // an empty opener restores the desktop's
void open(const QUrl &url);

} // namespace LWExternalBrowser
