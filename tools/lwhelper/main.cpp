// LWHelper: delivers a crash report to the crash service.
//
//   LWHelper.exe -updmp <dump path> <version>
//
// The dump is sent as a multipart POST (fields "version" and "file") to the
// configured crash endpoint. A delivered dump is removed; when the service
// cannot be reached the dump stays in the crash folder.
#include "common/LWServiceConfig.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTextStream>
#include <QTimer>

namespace {

int uploadDump(const QString &dumpPath, const QString &version)
{
    QTextStream err(stderr);
    auto *file = new QFile(dumpPath);
    if (!file->open(QIODevice::ReadOnly)) {
        err << "LWHelper: cannot read " << dumpPath << "\n";
        delete file;
        return 2;
    }

    auto *multi = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart versionPart;
    versionPart.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"version\""));
    versionPart.setBody(version.toUtf8());
    multi->append(versionPart);
    QHttpPart filePart;
    filePart.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=\"file\"; filename=\"%1\"").arg(QFileInfo(dumpPath).fileName()));
    filePart.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/octet-stream"));
    filePart.setBodyDevice(file);
    file->setParent(multi);
    multi->append(filePart);

    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(LWServiceConfig::crashUploadUrl())};
    QNetworkReply *reply = manager.post(request, multi);
    multi->setParent(reply);

    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timeout.start(30000);
    loop.exec();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool delivered = reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    reply->deleteLater();
    if (!delivered) {
        err << "LWHelper: dump kept, upload failed: " << reply->errorString() << "\n";
        return 1;
    }
    file->close();
    QFile::remove(dumpPath);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("-updmp"))
        return uploadDump(args.at(2), args.size() >= 4 ? args.at(3) : QString());
    QTextStream(stderr) << "usage: LWHelper.exe -updmp <dump path> <version>\n";
    return 64;
}
