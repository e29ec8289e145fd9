#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

struct LWInspectorFileRequest
{
    QString title;
    QStringList filter;
    bool selectFolder = false;
    bool selectMultiple = false;
};

struct LWInspectorTutorial
{
    QString title;
    QString content;
    QString urlTutorial;
    QString urlDownload;
};

// How controls ask the author for files and show a tutorial hint, although
// the dialogs live in the interface layer: the application installs an
// implementation over its dialog adapters on the inspector hub. This base
// answers at once: every file dialog is cancelled, no hint is shown.
class LWInspectorDialogs
{
public:
    using FilesPicked = std::function<void(const QList<QUrl> &urls)>;
    using HintClosed = std::function<void(bool accepted)>;

    virtual ~LWInspectorDialogs();

    // done runs exactly once; an empty list means the author cancelled.
    virtual void openFile(const LWInspectorFileRequest &request, FilesPicked done);
    // done runs exactly once, with accepted true when the author went on.
    virtual void showTutorial(const LWInspectorTutorial &tutorial, HintClosed done);
};
