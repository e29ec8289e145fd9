#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>

// What the author picked; all empty when the dialog was cancelled.
struct CustomFileDialogResult
{
    QUrl folder;
    QUrl fileUrl;
    QList<QUrl> fileUrls;

    bool isEmpty() const { return folder.isEmpty() && fileUrl.isEmpty() && fileUrls.isEmpty(); }
};

struct CustomFileDialogParam
{
    QUrl directory;
    QStringList filter;
    QString title;
    bool selectFolder = false;
    bool selectMultiple = false;
    bool modality = true;
};

// Lets core objects ask for a file or folder although the dialog itself is
// declared in the interface: the core hands over the parameters and a
// callback, the interface shows its dialog and reports back, and the
// callback runs exactly once per open.
class CustomFileDialogAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl directory READ directory NOTIFY directoryChanged)
    Q_PROPERTY(QStringList filter READ filter NOTIFY filterChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(bool selectFolder READ selectFolder NOTIFY selectFolderChanged)
    Q_PROPERTY(bool selectMultiple READ selectMultiple NOTIFY selectMultipleChanged)
    Q_PROPERTY(bool modality READ modality NOTIFY modalityChanged)

public:
    using Callback = std::function<void(const CustomFileDialogResult &)>;

    explicit CustomFileDialogAdapter(QObject *parent = nullptr);

    // Opening again while a dialog is pending replaces the pending callback.
    void open(const CustomFileDialogParam &param, Callback callback);

    QUrl directory() const { return m_param.directory; }
    QStringList filter() const { return m_param.filter; }
    QString title() const { return m_param.title; }
    bool selectFolder() const { return m_param.selectFolder; }
    bool selectMultiple() const { return m_param.selectMultiple; }
    bool modality() const { return m_param.modality; }

    Q_INVOKABLE void accepted(QObject *dialog);
    Q_INVOKABLE void rejected(QObject *dialog = nullptr);

signals:
    void openDialog();
    void directoryChanged();
    void filterChanged();
    void titleChanged();
    void selectFolderChanged();
    void selectMultipleChanged();
    void modalityChanged();

private:
    void finish(const CustomFileDialogResult &result);

    CustomFileDialogParam m_param;
    Callback m_callback;
};
