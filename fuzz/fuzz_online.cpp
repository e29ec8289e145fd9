// Replies of the online services, handed to the models that asked for
// them: sign-in and account checks, uploads, the earlier-effect list, the
// material catalogue, the update offer and feedback. The first input line
// names the request and the HTTP status ("materials 200"); the rest is the
// body. This thread's access manager answers the request with it, through
// the service client's own reply handling (limits included); every later
// request (icons, pictures, files a reply names) is refused, and nothing
// leaves the process. A status of 0 or below is a refused connection.
#include "LWFuzzSupport.h"
#include "common/LWDataPaths.h"
#include "online/LWCheckUpdateWindowModel.h"
#include "online/LWFeedBackModel.h"
#include "online/LWFeedBackUploadImage.h"
#include "online/LWMaterialsOnLine.h"
#include "online/LWNormalLogin.h"
#include "online/LWPublicPhoneLogin.h"
#include "online/LWQTHttpBase.h"
#include "online/LWSSOLogin.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "online/LWUploadEffectFile.h"
#include "online/LWUploadEffectIcon.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <cstring>
#include <functional>

namespace {

// A reply that was never on the wire: its status and body arrive on the
// next turn of the event loop, as a real one's would.
class CannedReply : public QNetworkReply
{
public:
    CannedReply(QNetworkAccessManager::Operation operation, const QNetworkRequest &request, int status,
                const QByteArray &body, QObject *parent)
        : QNetworkReply(parent)
        , m_body(body)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(operation);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        if (status > 0) {
            setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
            setHeader(QNetworkRequest::ContentLengthHeader, m_body.size());
        } else {
            m_body.clear();
            setError(QNetworkReply::ConnectionRefusedError, QStringLiteral("refused"));
        }
        QMetaObject::invokeMethod(this, [this] { deliver(); }, Qt::QueuedConnection);
    }

    void abort() override
    {
        if (isFinished())
            return;
        m_body.clear();
        setError(QNetworkReply::OperationCanceledError, QStringLiteral("aborted"));
        finish();
    }
    qint64 bytesAvailable() const override { return m_body.size() - m_read + QIODevice::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = qMin(maxSize, qint64(m_body.size()) - m_read);
        if (count <= 0)
            return isFinished() ? -1 : 0;
        std::memcpy(data, m_body.constData() + m_read, size_t(count));
        m_read += count;
        return count;
    }

private:
    void deliver()
    {
        if (isFinished())
            return;
        emit metaDataChanged();
        if (!isFinished() && !m_body.isEmpty()) {
            emit downloadProgress(m_body.size(), m_body.size());
            emit readyRead();
        }
        finish();
    }
    void finish()
    {
        if (isFinished())
            return;
        setFinished(true);
        emit finished();
    }

    QByteArray m_body;
    qint64 m_read = 0;
};

// Answers the next request with the input, any other with a refusal.
class CannedManager : public QNetworkAccessManager
{
public:
    void answerNext(int status, const QByteArray &body)
    {
        m_status = status;
        m_body = body;
        m_pending = true;
    }

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *) override
    {
        const bool first = m_pending;
        m_pending = false;
        return new CannedReply(operation, request, first ? m_status : 0, first ? m_body : QByteArray(), this);
    }

private:
    int m_status = 0;
    QByteArray m_body;
    bool m_pending = false;
};

CannedManager *canned = nullptr; // owned by the thread's storage

QString inHome(const char *name)
{
    return LWFuzz::home() + QLatin1Char('/') + QLatin1String(name);
}

// Asynchronous models: the reply and everything it starts run in drain().
template <typename Model>
void sendAndDrain(void (Model::*send)())
{
    Model model;
    (model.*send)();
    LWFuzz::drain();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    // Nothing may be fetched from anywhere, whatever manager a request finds.
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 9));
    LWFuzz::writeFile(LWDataPaths::dataFolder() + QStringLiteral("/services.json"),
                      R"({"account":"http://127.0.0.1:9","sso":"http://127.0.0.1:9","publish":"http://127.0.0.1:9",)"
                      R"("materials":"http://127.0.0.1:9","feedback":"http://127.0.0.1:9","update":"http://127.0.0.1:9",)"
                      R"("analytics":"http://127.0.0.1:9","crash":"http://127.0.0.1:9"})");
    canned = new CannedManager;
    LWQTHttpBase::installThreadManager(canned);
    // What the uploads send: a small package, an icon, a screenshot.
    LWFuzz::writeFile(inHome("package.zip"), QByteArray("PK\x03\x04", 4) + QByteArray(60, 'z'));
    LWFuzz::writeFile(inHome("icon.png"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(60, '\0'));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = LWFuzz::bytes(data, size);
    const int lineEnd = input.indexOf('\n');
    if (lineEnd < 0)
        return 0;
    const QList<QByteArray> head = input.left(lineEnd).split(' ');
    const QByteArray kind = head.value(0);
    const int status = head.size() > 1 ? head.at(1).toInt() : 200;
    const QByteArray body = input.mid(lineEnd + 1);
    const QString noCookies = inHome("no-such-folder/Cookies");

    static const QHash<QByteArray, std::function<void()>> requests{
        {"login", [] { LWNormalLogin().login(QStringLiteral("fuzz"), QStringLiteral("fuzz")); }},
        {"sso", [noCookies] { LWSSOLogin().check(noCookies); }},
        {"phone", [noCookies] { LWPublicPhoneLogin().check(noCookies); }},
        {"upload", [] { LWUploadEffectFile().pageUpload(inHome("package.zip")); }},
        {"icon", [] { LWUploadEffectIcon().upload(inHome("icon.png")); }},
        {"feedbackimage", [] { LWFeedBackUploadImage().upload(inHome("icon.png")); }},
        {"materials", [] { sendAndDrain(&LWMaterialsOnLine::sendGetRequest); }},
        {"update", [] { sendAndDrain(&LWCheckUpdateWindowModel::updateLastestVersionByUser); }},
        {"feedback", [] { sendAndDrain(&LWFeedBackModel::getRecords); }},
        {"choice", [] { sendAndDrain(&LWUploadEffectChoiceModel::sendGetRequest); }},
    };
    const auto request = requests.constFind(kind);
    if (request == requests.constEnd())
        return 0;
    canned->answerNext(status, body);
    request.value()();
    LWFuzz::drain();
    return 0;
}
