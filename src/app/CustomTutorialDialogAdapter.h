#pragma once

#include <QObject>
#include <QString>
#include <functional>

struct CustomTutorialDialogResult
{
    bool accepted = false;
    bool neverShow = false;
};

struct CustomTutorialDialogParam
{
    QString title;
    QString content;
    QString urlTutorial;
    QString urlDownload;
};

// The tutorial hint counterpart of the file dialog adapter: a core object
// asks, the interface shows the hint, the callback hears the answer once.
class CustomTutorialDialogAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString content READ content NOTIFY contentChanged)
    Q_PROPERTY(QString url_tutorial READ urlTutorial NOTIFY url_tutorialChanged)
    Q_PROPERTY(QString url_download READ urlDownload NOTIFY url_downloadChanged)
    Q_PROPERTY(bool neverShowChecked READ neverShowChecked WRITE setNeverShowChecked NOTIFY neverShowCheckedChanged)

public:
    using Callback = std::function<void(const CustomTutorialDialogResult &)>;

    explicit CustomTutorialDialogAdapter(QObject *parent = nullptr);

    void open(const CustomTutorialDialogParam &param, Callback callback);

    QString title() const { return m_param.title; }
    QString content() const { return m_param.content; }
    QString urlTutorial() const { return m_param.urlTutorial; }
    QString urlDownload() const { return m_param.urlDownload; }
    bool neverShowChecked() const { return m_neverShowChecked; }
    void setNeverShowChecked(bool checked);

    Q_INVOKABLE void accepted();
    Q_INVOKABLE void rejected();

signals:
    void openDialog();
    void titleChanged();
    void contentChanged();
    void url_tutorialChanged();
    void url_downloadChanged();
    void neverShowCheckedChanged();

private:
    void finish(bool accepted);

    CustomTutorialDialogParam m_param;
    bool m_neverShowChecked = false;
    Callback m_callback;
};
