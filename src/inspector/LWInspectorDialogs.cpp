#include "LWInspectorDialogs.h"

LWInspectorDialogs::~LWInspectorDialogs() = default;

void LWInspectorDialogs::openFile(const LWInspectorFileRequest &, FilesPicked done)
{
    if (done)
        done({});
}

void LWInspectorDialogs::showTutorial(const LWInspectorTutorial &, HintClosed done)
{
    if (done)
        done(true);
}
