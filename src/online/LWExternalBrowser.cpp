#include "LWExternalBrowser.h"

#include <QDesktopServices>
#include <utility>

namespace LWExternalBrowser {

namespace {
Opener &opener()
{
    static Opener current;
    return current;
}
} // namespace

void setOpener(Opener newOpener)
{
    opener() = std::move(newOpener);
}

void open(const QUrl &url)
{
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace LWExternalBrowser
