#pragma once

#include "LWQTHttpBase.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QSaveFile;

// Fetches one file of the online services (material files and icons,
// icons of earlier effects, feedback pictures, the installer): into memory
// or into a file, with a size cap and time limits. A file is written as the
// bytes arrive but replaces its target only once all of them are there, so
// a failed or cancelled download leaves the target as it was and no
// partial file beside it. Only web addresses are fetched: a service reply
// must not make the editor read local files.
class LWDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultIdleLimitMs = 20000;

    struct Request
    {
        QUrl url;
        QString targetPath;                  // empty: the bytes come in the result
        qint64 maxBytes = LWQTHttpBase::kDefaultReplyLimit; // a larger body fails the download
        int idleLimitMs = kDefaultIdleLimitMs; // nothing arrived for this long: failed
        int timeLimitMs = 0;                 // the whole download; 0: none
        LWQTHttpBase::Progress progress;     // optional
    };

    struct Result
    {
        // The whole body arrived with HTTP 200 and, for a file, is in place.
        // An empty body is no download: nothing fetched here means anything
        // empty.
        bool ok = false;
        int status = 0;            // as LWHttpReply::status
        bool targetFailed = false; // the file could not be written
        QByteArray bytes;          // into memory only
    };
    using Done = std::function<void(const Result &result)>;

    // Starts a download that belongs to context: done runs exactly once,
    // after the file is in place or gone, unless the download is cancelled
    // or context is destroyed first. The download deletes itself after.
    static LWDownload *start(const Request &request, QObject *context, Done done);

    // Stops the download without calling back; nothing is left on disk.
    void cancel();

private:
    LWDownload(const Request &request, Done done, QObject *context);
    ~LWDownload() override;

    void begin();
    void finish(const LWHttpReply &reply);
    void report(const Result &result);
    void failSoon(bool targetFailed);

    Request m_request;
    Done m_done;
    LWQTHttpBase m_http;               // owned
    std::unique_ptr<QSaveFile> m_file; // owned; while writing into a file
    qint64 m_written = 0;
    bool m_writeFailed = false;
};
