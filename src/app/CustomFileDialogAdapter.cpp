#include "CustomFileDialogAdapter.h"

#include <QVariant>

CustomFileDialogAdapter::CustomFileDialogAdapter(QObject *parent)
    : QObject(parent)
{
}

void CustomFileDialogAdapter::open(const CustomFileDialogParam &param, Callback callback)
{
    m_param = param;
    m_callback = std::move(callback);
    emit directoryChanged();
    emit filterChanged();
    emit titleChanged();
    emit selectFolderChanged();
    emit selectMultipleChanged();
    emit modalityChanged();
    emit openDialog();
}

void CustomFileDialogAdapter::accepted(QObject *dialog)
{
    CustomFileDialogResult result;
    if (dialog) {
        result.folder = dialog->property("folder").toUrl();
        result.fileUrl = dialog->property("fileUrl").toUrl();
        const QVariant urls = dialog->property("fileUrls");
        // QML hands lists of URLs over as a variant list.
        for (const QVariant &url : urls.toList())
            result.fileUrls.append(url.toUrl());
        if (result.fileUrls.isEmpty() && urls.canConvert<QList<QUrl>>())
            result.fileUrls = urls.value<QList<QUrl>>();
    }
    finish(result);
}

void CustomFileDialogAdapter::rejected(QObject *)
{
    finish(CustomFileDialogResult());
}

void CustomFileDialogAdapter::finish(const CustomFileDialogResult &result)
{
    // Taken before the call: the callback may open the dialog again.
    Callback callback = std::move(m_callback);
    m_callback = nullptr;
    if (callback)
        callback(result);
}
