#include "LWLocalService.h"

#include "LWStartupProbe.h"
#include "common/LWDataPaths.h"
#include "common/LWServiceConfig.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr int kProbeMs = 2000;
constexpr int kStopMs = 3000;
constexpr int kLatestStartMs = 1500;

// The service must not outlive an editor that is killed or crashes: the
// kernel ends it with its parent.
class ChildOfEditor : public QProcess
{
public:
    explicit ChildOfEditor(QObject *parent)
        : QProcess(parent)
        , m_editor(::getpid())
    {
    }

protected:
    void setupChildProcess() override
    {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The editor may have gone between the fork and the line above.
        if (::getppid() != m_editor)
            ::_exit(0);
    }

private:
    const pid_t m_editor;
};

} // namespace

LWLocalService *LWLocalService::instance()
{
    static LWLocalService *object = new LWLocalService(QCoreApplication::instance());
    return object;
}

LWLocalService::LWLocalService(QObject *parent)
    : QObject(parent)
{
}

LWLocalService::~LWLocalService()
{
    stop();
}

QUrl LWLocalService::addressToServe()
{
    if (!LWServiceConfig::configurationReadable())
        return QUrl();
    const QStringList services = LWServiceConfig::serviceNames();
    for (const QString &service : services) {
        if (LWServiceConfig::usesDefault(service))
            return QUrl(LWServiceConfig::defaultBaseUrl());
    }
    return QUrl();
}

QString LWLocalService::programPath()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString &folder : {here, QDir::cleanPath(here + QStringLiteral("/" LW_SERVICE_BUILD_RELATIVE_DIR))}) {
        const QFileInfo program(folder + QStringLiteral("/lwservice"));
        if (program.isFile() && program.isExecutable())
            return program.absoluteFilePath();
    }
    return QString();
}

QString LWLocalService::dataFolder()
{
    return LWDataPaths::dataFolder() + QStringLiteral("/lwservice");
}

void LWLocalService::startForEditor(QQuickWindow *firstWindow)
{
    if (LWStartupProbe::requested())
        return;
    const QUrl address = addressToServe();
    if (address.isEmpty()) {
        qInfo() << "local service: every service address is configured; none is started";
        return;
    }
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &LWLocalService::stop,
            Qt::UniqueConnection);
    // Whichever comes first starts it; the other finds nothing to do.
    auto frame = std::make_shared<QMetaObject::Connection>();
    auto started = std::make_shared<bool>(false);
    auto begin = [this, address, frame, started] {
        QObject::disconnect(*frame);
        if (*started)
            return;
        *started = true;
        startIfNothingAnswers(address, programPath(), dataFolder(),
                              LWDataPaths::logFolder() + QStringLiteral("/lwservice.txt"));
    };
    // The start must not compete with the first frame for the processor. A
    // project opened from the shell shows the editor window instead of the
    // first one, so the service comes up a little later at the latest.
    if (firstWindow)
        *frame = connect(firstWindow, &QQuickWindow::frameSwapped, this, begin, Qt::QueuedConnection);
    QTimer::singleShot(kLatestStartMs, this, begin);
}

void LWLocalService::startIfNothingAnswers(const QUrl &address, const QString &program, const QString &dataFolder,
                                           const QString &logFile)
{
    if (m_probe || isRunning())
        return;
    auto *probe = new QTcpSocket(this);
    m_probe = probe;
    // Whichever comes first, the answer, the refusal or the time limit, decides.
    auto done = [this, probe](const QString &reason) {
        probe->disconnect(this);
        probe->abort();
        probe->deleteLater();
        if (!reason.isEmpty()) {
            qInfo().noquote() << "local service:" << reason;
            emit notStarted(reason);
        }
    };
    connect(probe, &QTcpSocket::connected, this, [done, address] {
        done(QStringLiteral("%1 answers already").arg(address.toString()));
    });
    connect(probe, &QTcpSocket::errorOccurred, this,
            [this, done, probe, address, program, dataFolder, logFile](QAbstractSocket::SocketError error) {
                if (error != QAbstractSocket::ConnectionRefusedError) {
                    done(QStringLiteral("%1 cannot be asked (%2)").arg(address.toString(), probe->errorString()));
                    return;
                }
                done(QString());
                launch(address, program, dataFolder, logFile);
            });
    auto *limit = new QTimer(probe);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, this, [done, address] {
        done(QStringLiteral("%1 neither answers nor refuses").arg(address.toString()));
    });
    limit->start(kProbeMs);
    probe->connectToHost(address.host(), quint16(address.port(LWServiceConfig::kDefaultPort)));
}

void LWLocalService::launch(const QUrl &address, const QString &program, const QString &dataFolder,
                            const QString &logFile)
{
    if (program.isEmpty()) {
        const QString reason = QStringLiteral("nothing answers at %1 and lwservice is not installed beside the editor")
                                   .arg(address.toString());
        qWarning().noquote() << "local service:" << reason;
        emit notStarted(reason);
        return;
    }
    m_output.clear();
    m_listening = false;
    m_process = new ChildOfEditor(this);
    m_process->setProgram(program);
    m_process->setArguments({QStringLiteral("--port"), QString::number(address.port(LWServiceConfig::kDefaultPort)),
                             QStringLiteral("--listen"), address.host(), QStringLiteral("--data"), dataFolder});
    m_process->setStandardErrorFile(logFile.isEmpty() ? QProcess::nullDevice() : logFile, QIODevice::Truncate);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &LWLocalService::readListening);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, program](int code, QProcess::ExitStatus) {
                qWarning().noquote() << "local service:" << program << "ended with" << code;
                m_process->deleteLater();
                m_process = nullptr;
            });
    connect(m_process, &QProcess::errorOccurred, this, [this, program](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        const QString reason = QStringLiteral("%1 did not start: %2").arg(program, m_process->errorString());
        qWarning().noquote() << "local service:" << reason;
        m_process->deleteLater();
        m_process = nullptr;
        emit notStarted(reason);
    });
    qInfo().noquote() << "local service: nothing answers at" << address.toString() << "- starting" << program
                      << "with its data in" << dataFolder;
    m_process->start(QIODevice::ReadOnly);
}

void LWLocalService::readListening()
{
    // Whatever follows the first line is read too, so the pipe never fills.
    const QByteArray output = m_process->readAllStandardOutput();
    if (m_listening)
        return;
    m_output += output;
    const int end = m_output.indexOf('\n');
    if (end < 0)
        return;
    m_listening = true;
    // The first line says where the service listens.
    const QString line = QString::fromUtf8(m_output.left(end)).trimmed();
    m_output.clear();
    const auto match = QRegularExpression(QStringLiteral("^listening on (\\S+):(\\d+)$")).match(line);
    if (!match.hasMatch()) {
        qWarning().noquote() << "local service: unexpected first line" << line;
        return;
    }
    const QUrl address(QStringLiteral("http://%1:%2").arg(match.captured(1), match.captured(2)));
    qInfo().noquote() << "local service: listening at" << address.toString();
    emit started(address);
}

bool LWLocalService::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

void LWLocalService::stop()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(kStopMs)) {
            process->kill();
            process->waitForFinished(kStopMs);
        }
    }
    delete process;
}
