// lwservice: the local reference implementation of the online services the
// editor talks to. See the README section "Online services".
//
//   lwservice --port N --data DIR [--listen ADDRESS [--allow-remote]] [--update-key FILE]
#include "ServiceApp.h"
#include "common/LWServiceConfig.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <sys/stat.h>

namespace {

constexpr int kUsageError = 2;

bool parsePort(const QString &text, quint16 *port)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > 65535)
        return false;
    *port = quint16(value);
    return true;
}

bool parseAddress(const QString &text, QHostAddress *address)
{
    if (text.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        *address = QHostAddress(QHostAddress::LocalHost);
        return true;
    }
    return address->setAddress(text);
}

QString urlHost(const QHostAddress &address)
{
    const QString text = address.toString();
    return address.protocol() == QAbstractSocket::IPv6Protocol ? QLatin1Char('[') + text + QLatin1Char(']') : text;
}

} // namespace

int main(int argc, char **argv)
{
    // The data folder holds password hashes, session digests, the update
    // signing key and what authors sent: nothing of it is for other users
    // of the machine. Everything this process creates is for its owner only.
    ::umask(077);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lwservice"));
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-dd hh:mm:ss.zzz} %{type}: %{message}"));
    Q_INIT_RESOURCE(lwservice_pages);
    Q_INIT_RESOURCE(lwservice_seed);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Local reference implementation of Glowsmith's online services."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on; 0 picks a free one."),
                                        QStringLiteral("N"), QString::number(LWServiceConfig::kDefaultPort));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Folder for the database and stored files."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption listenOption(QStringLiteral("listen"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                          QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption remoteOption(QStringLiteral("allow-remote"),
                                          QStringLiteral("Allow an address other machines can reach (a phone on the network)."));
    const QCommandLineOption updateKeyOption(
        QStringLiteral("update-key"),
        QStringLiteral("Sign update offers with this secret key file instead of the data folder's own pair."),
        QStringLiteral("FILE"));
    parser.addOptions({portOption, dataOption, listenOption, remoteOption, updateKeyOption});
    parser.process(app);

    QTextStream err(stderr);
    quint16 port = 0;
    if (!parsePort(parser.value(portOption), &port)) {
        err << "lwservice: --port needs a number from 0 to 65535\n";
        return kUsageError;
    }
    if (!parser.isSet(dataOption) || parser.value(dataOption).isEmpty()) {
        err << "lwservice: --data DIR is required\n";
        return kUsageError;
    }
    QHostAddress address;
    if (!parseAddress(parser.value(listenOption), &address)) {
        err << "lwservice: --listen needs an IP address, not \"" << parser.value(listenOption) << "\"\n";
        return kUsageError;
    }
    // The service has no transport security and hands out sign-in codes to
    // local pages; it reaches beyond this machine only when asked twice.
    if (!address.isLoopback() && !parser.isSet(remoteOption)) {
        err << "lwservice: refusing to listen on " << address.toString()
            << ", which is not a loopback address; add --allow-remote to do so\n";
        return kUsageError;
    }
    const QString dataDir = QDir(parser.value(dataOption)).absolutePath();
    if (!QDir().mkpath(dataDir)) {
        err << "lwservice: cannot create " << dataDir << "\n";
        return 1;
    }

    const QString updateKey = parser.isSet(updateKeyOption) ? QDir(parser.value(updateKeyOption)).absolutePath() : QString();
    ServiceApp service(dataDir, address, port, updateKey);
    QString error;
    if (!service.start(&error)) {
        err << "lwservice: " << error << "\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "listening on " << urlHost(service.address()) << ':' << service.port() << "\n";
    out.flush();
    return app.exec();
}
