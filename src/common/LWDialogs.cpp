#include "LWDialogs.h"

#include <QDebug>

namespace {

std::unique_ptr<LWDialogs> &installed()
{
    static std::unique_ptr<LWDialogs> dialogs = std::make_unique<LWDialogs>();
    return dialogs;
}

} // namespace

LWDialogs::~LWDialogs() = default;

void LWDialogs::openFile(const LWFileRequest &, FilesPicked done)
{
    if (done)
        done({});
}

void LWDialogs::showTutorial(const LWTutorialHint &, HintClosed done)
{
    if (done)
        done(true);
}

void LWDialogs::showMessage(const QString &text)
{
    qWarning().noquote() << text;
}

LWDialogs *LWDialogs::instance()
{
    return installed().get();
}

void LWDialogs::install(std::unique_ptr<LWDialogs> dialogs)
{
    installed() = dialogs ? std::move(dialogs) : std::make_unique<LWDialogs>();
}
