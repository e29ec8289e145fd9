#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

struct LWFileRequest
{
    QString title;
    QStringList filter;
    QUrl directory;
    bool selectFolder = false;
    bool selectMultiple = false;
};

struct LWTutorialHint
{
    QString title;
    QString content;
    QString urlTutorial;
    QString urlDownload;
};

// How models of any layer ask the author for files or show a tutorial hint,
// although the dialogs are declared in the interface: the application
// installs an implementation over its dialog adapters. This base answers at
// once: every file dialog is cancelled, no hint is shown.
class LWDialogs
{
public:
    using FilesPicked = std::function<void(const QList<QUrl> &urls)>;
    using HintClosed = std::function<void(bool accepted)>;

    virtual ~LWDialogs();

    // done runs exactly once; an empty list means the author cancelled. A
    // folder request answers with the folder, a multiple one with every
    // file picked.
    virtual void openFile(const LWFileRequest &request, FilesPicked done);
    // done runs exactly once, with accepted true when the author went on.
    virtual void showTutorial(const LWTutorialHint &hint, HintClosed done);
    // Tells the author why something they asked for was not done. The base
    // writes it to the log.
    virtual void showMessage(const QString &text);

    // Never null: without an installed implementation the base answers.
    static LWDialogs *instance();
    // Takes ownership; null puts the base back.
    static void install(std::unique_ptr<LWDialogs> dialogs);
};
