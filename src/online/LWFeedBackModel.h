#pragma once

#include "LWQTHttpBase.h"

#include <QStringList>
#include <QUrl>

class LWFeedBackUploadImage;
class LWImageSink;
class QJsonArray;
class QJsonObject;

// The feedback window: sends the author's message (with a screenshot and
// the effect package when chosen) and lists earlier messages with the
// service's replies. One per process.
class LWFeedBackModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList contentList READ contentList NOTIFY contentListChanged)
    Q_PROPERTY(QStringList timeList READ timeList NOTIFY timeListChanged)
    Q_PROPERTY(QStringList typeList READ typeList NOTIFY typeListChanged)
    Q_PROPERTY(QStringList urlList READ urlList NOTIFY urlListChanged)
    Q_PROPERTY(int recordNumbers READ recordNumbers NOTIFY recordNumbersChanged)
    // The screenshot the author picked for the next message.
    Q_PROPERTY(QUrl screenshotUrl READ screenshotUrl NOTIFY screenshotUrlChanged)

public:
    // Pictures of records larger than this are not shown.
    static constexpr qint64 kRecordImageLimit = 8 * 1024 * 1024;

    // The one the interface uses; tests may make their own.
    static LWFeedBackModel *instance();
    explicit LWFeedBackModel(QObject *parent = nullptr);

    // "app_name=...&channel=update&device_id=...&aid=...&appkey=...&ac=wifi&":
    // what every feedback request carries after "?".
    static QString commonQuery();

    QStringList contentList() const { return m_contentList; }
    QStringList timeList() const { return m_timeList; }
    QStringList typeList() const { return m_typeList; }
    QStringList urlList() const { return m_urlList; }
    int recordNumbers() const { return m_contentList.size(); }
    QUrl screenshotUrl() const { return m_screenshotUrl; }
    QString imageReference() const { return m_imageReference; }

    // Uploads the screenshot at imageurl; its reference goes with the next
    // message. Returns whether the upload succeeded.
    Q_INVOKABLE bool uploadImage(QUrl imageurl);
    // Asks the interface's file dialog for a screenshot.
    Q_INVOKABLE void chooseScreenshot();
    Q_INVOKABLE void clearScreenshot();

    // Why the effect package cannot go with a message (made now and
    // measured), or empty when it can: for the window to say before it sends.
    Q_INVOKABLE QString packageProblem();

    void getRecords();
    // Sends a message; the screenshot (a URL, may be empty) is uploaded
    // first unless it already was. Returns false, sending nothing, for an
    // empty message or a package that was asked for but cannot be attached.
    bool submit(const QString &content, const QString &contact, const QUrl &image, bool withPackage);

    // Where record pictures go; not owned.
    void setImageSink(LWImageSink *sink) { m_sink = sink; }

signals:
    void contentListChanged();
    void timeListChanged();
    void typeListChanged();
    void urlListChanged();
    void recordNumbersChanged();
    void screenshotUrlChanged();
    // A message went out; sent tells whether the service took it.
    void submitFinished(bool sent);

private:
    void setScreenshotUrl(const QUrl &url);
    void onRecords(const LWHttpReply &reply);
    void readRecords(const QJsonArray &records);
    void fetchImage(int index, const QString &url);
    void announceLists();
    static QString serviceUrl(const char *path);

    QStringList m_contentList;
    QStringList m_timeList;
    QStringList m_typeList;
    QStringList m_urlList;
    QUrl m_screenshotUrl;
    QString m_imageReference; // the uploaded screenshot
    QUrl m_referenceFor;      // the file it was uploaded from
    int m_generation = 0;     // pictures of an older record list are dropped
    bool m_submitting = false;
    LWImageSink *m_sink = nullptr;     // not owned
    LWQTHttpBase m_records;            // owned; the record list
    LWQTHttpBase m_messages;           // owned; messages being sent
    LWFeedBackUploadImage *m_uploader; // owned (QObject child)
};
