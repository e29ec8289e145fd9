#include "LWTextureCompess.h"

#include "common/LWDataPaths.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

namespace {

struct LevelSettings
{
    const char *suffix;
    const char *quality;
    const char *speed;
};

// Index = level; level 0 is the uncompressed folder itself.
const LevelSettings kLevels[] = {
    {"", "", ""},
    {"_32jr3jf39_HighQuility", "95-100", "1"},
    {"_32jr3jf39_MediumQuility", "60-90", "2"},
    {"_32jr3jf39_LowQuility", "1-40", "2"},
};

// pngquant's exit codes for "left the output alone on purpose": the result
// would have been larger (98) or below the asked quality (99).
constexpr int kExitSkippedLarger = 98;
constexpr int kExitQualityTooLow = 99;

// How often a waiting worker looks whether it was asked to stop. A frame
// that ends sooner wakes it at once.
constexpr int kWaitSliceMs = 250;

QMutex g_runningMutex;
QList<QPointer<QThread>> g_running; // threads of running compressions

// Replaces target by a copy of source that the quantiser may write over.
bool copyFrame(const QString &source, const QString &target)
{
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        QFile::remove(target);
    if (!QFile::copy(source, target))
        return false;
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    return true;
}

} // namespace

LWTextureCompess::LWTextureCompess(const QString &srcFolder, const QString &dstFolder, int level,
                                   const QString &resourceId, QObject *parent)
    : QObject(parent)
    , m_srcFolder(srcFolder)
    , m_dstFolder(dstFolder)
    , m_level(level)
    , m_resourceId(resourceId)
    , m_quantiser(quantiserPath())
{
}

LWTextureCompess::~LWTextureCompess() = default;

// --- levels ------------------------------------------------------------------

QString LWTextureCompess::folderSuffix(int level)
{
    return level >= 0 && level <= 3 ? QString::fromLatin1(kLevels[level].suffix) : QString();
}

QStringList LWTextureCompess::quantiserArguments(int level, const QString &source, const QString &target)
{
    if (!isCompressedLevel(level))
        return {};
    return {QStringLiteral("--force"),
            QStringLiteral("--skip-if-larger"),
            QStringLiteral("--quality"),
            QString::fromLatin1(kLevels[level].quality),
            QStringLiteral("--speed"),
            QString::fromLatin1(kLevels[level].speed),
            QStringLiteral("--floyd=0.8"),
            source,
            QStringLiteral("--output"),
            target};
}

// --- the quantiser -----------------------------------------------------------

QString LWTextureCompess::quantiserPath()
{
    return LWDataPaths::dataFolder() + QStringLiteral("/pngquant.exe");
}

bool LWTextureCompess::installQuantiser()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const QString target = quantiserPath();
    if (!QFileInfo::exists(target)) {
        const QString bundled = QStringLiteral(":/LWCompress/pngquant.exe");
        const QString source = QFile::exists(bundled) ? bundled : QStandardPaths::findExecutable(QStringLiteral("pngquant"));
        if (source.isEmpty())
            return false;
        // Copied beside its place and renamed: a half-copied program under
        // the real name would be taken as installed from then on.
        const QString partial =
            target + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".part");
        bool ok = QFile::copy(source, partial);
        ok = ok && QFile::setPermissions(partial, QFile::permissions(partial) | QFileDevice::ReadOwner
                                                      | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ExeUser);
        // Another program may have installed it meanwhile; its copy serves.
        ok = ok && (QFile::rename(partial, target) || QFileInfo::exists(target));
        QFile::remove(partial);
        if (!ok)
            return false;
    }
    // A quantiser that lost its execute permission would fail every frame
    // from now on, with nothing the author could do about it.
    const QFileDevice::Permissions permissions = QFile::permissions(target);
    const QFileDevice::Permissions executable = QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if ((permissions & executable) == executable)
        return true;
    return QFile::setPermissions(target, permissions | executable);
}

// --- running on a thread -------------------------------------------------------

LWTextureCompess *LWTextureCompess::prepare(const QString &srcFolder, const QString &dstFolder, int level,
                                            const QString &resourceId)
{
    auto *thread = new QThread;
    auto *worker = new LWTextureCompess(srcFolder, dstFolder, level, resourceId);
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &LWTextureCompess::process);
    // Every way out of process() ends the thread and the worker. The thread
    // is told directly from itself: stopAll() waits for it on the interface
    // thread, which could not deliver a queued quit.
    connect(worker, &LWTextureCompess::finished, thread, &QThread::quit, Qt::DirectConnection);
    connect(worker, &LWTextureCompess::finished, worker, &QObject::deleteLater);
    connect(worker, qOverload<int>(&LWTextureCompess::compressError), thread, &QThread::quit, Qt::DirectConnection);
    connect(worker, qOverload<int>(&LWTextureCompess::compressError), worker, &QObject::deleteLater);
    connect(worker, &LWTextureCompess::interrupted, thread, &QThread::quit, Qt::DirectConnection);
    connect(worker, &LWTextureCompess::interrupted, worker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return worker;
}

void LWTextureCompess::start()
{
    QThread *worker = thread();
    if (!worker || worker == QCoreApplication::instance()->thread() || worker->isRunning())
        return;
    {
        QMutexLocker lock(&g_runningMutex);
        g_running.removeAll(nullptr);
        g_running.append(worker);
    }
    connect(worker, &QThread::finished, QCoreApplication::instance(), [worker]() {
        QMutexLocker lock(&g_runningMutex);
        g_running.removeAll(worker);
    });
    static bool stopsAtQuit = false;
    if (!stopsAtQuit) {
        stopsAtQuit = true;
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &LWTextureCompess::stopAll);
    }
    worker->start();
}

void LWTextureCompess::stopAll()
{
    QList<QPointer<QThread>> running;
    {
        QMutexLocker lock(&g_runningMutex);
        running = g_running;
    }
    for (const QPointer<QThread> &thread : qAsConst(running)) {
        if (thread)
            thread->requestInterruption();
    }
    for (const QPointer<QThread> &thread : qAsConst(running)) {
        if (thread)
            thread->wait();
    }
}

int LWTextureCompess::runningCount()
{
    QMutexLocker lock(&g_runningMutex);
    g_running.removeAll(nullptr);
    int count = 0;
    for (const QPointer<QThread> &thread : qAsConst(g_running))
        count += thread && thread->isRunning() ? 1 : 0;
    return count;
}

bool LWTextureCompess::stopRequested()
{
    return QThread::currentThread()->isInterruptionRequested();
}

// --- the work --------------------------------------------------------------------

void LWTextureCompess::fail(int error)
{
    emitProgress(0);
    emit compressError(error);
    emit compressError(error, m_resourceId);
}

void LWTextureCompess::emitProgress(float value)
{
    emit progress(value);
    emit progress(value, m_resourceId);
}

void LWTextureCompess::process()
{
    const QDir source(m_srcFolder);
    if (m_srcFolder.isEmpty() || !source.exists()) {
        qDebug("srcFolder empty");
        fail(ErrorSource);
        return;
    }
    if (m_dstFolder.isEmpty() || !QDir().mkpath(m_dstFolder)) {
        qDebug("create dst folder failed");
        fail(ErrorDestination);
        return;
    }
    if (!installQuantiser()) {
        qDebug("copy pngquant from res failed");
        fail(ErrorInstall);
        return;
    }
    const QFileInfoList entries = source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    if (entries.isEmpty()) {
        fail(ErrorSource);
        return;
    }
    if (!isCompressedLevel(m_level)) {
        fail(ErrorLevel);
        return;
    }

    const int count = entries.size();
    for (int i = 0; i < count; ++i) {
        const QFileInfo &entry = entries.at(i);
        // Other entries count towards the total but stay behind.
        if (entry.suffix() != QLatin1String("png") || entry.isDir())
            continue;
        const QString from = entry.absoluteFilePath();
        const QString to = m_dstFolder + QLatin1Char('/') + entry.fileName();
        if (!copyFrame(from, to)) {
            // A sequence deleted under the running compression must not
            // end as a "complete" copy with frames missing.
            if (!source.exists()) {
                qDebug().noquote() << "compression: the source folder is gone:" << m_srcFolder;
                fail(ErrorSource);
                return;
            }
            qWarning().noquote() << "compression: frame not copied:" << from;
            continue;
        }
        switch (quantise(from, to, quantiserArguments(m_level, from, to))) {
        case FrameOutcome::StartFailed:
            fail(ErrorStart);
            return;
        case FrameOutcome::Stopped:
            qDebug().noquote() << "compression stopped:" << m_srcFolder;
            emit interrupted();
            return;
        case FrameOutcome::Done:
            break;
        }
        emitProgress(float(i + 1) / float(count));
    }
    emit complete(m_resourceId);
    emit finished();
}

LWTextureCompess::FrameOutcome LWTextureCompess::quantise(const QString &source, const QString &target,
                                                          const QStringList &arguments)
{
    QProcess quantiser;
    quantiser.setProgram(m_quantiser);
    quantiser.setArguments(arguments);
    quantiser.setStandardOutputFile(QProcess::nullDevice());
    quantiser.start(QIODevice::ReadOnly);
    if (!quantiser.waitForStarted(kStartTimeoutMs)) {
        qDebug().noquote() << "compression: the quantiser did not start:" << quantiser.errorString();
        return FrameOutcome::StartFailed;
    }

    QElapsedTimer clock;
    clock.start();
    bool ended = false;
    while (!ended) {
        ended = quantiser.waitForFinished(kWaitSliceMs) || quantiser.state() == QProcess::NotRunning;
        if (ended)
            break;
        if (stopRequested()) {
            quantiser.kill();
            quantiser.waitForFinished(1000);
            QFile::remove(target + QStringLiteral(".tmp"));
            return FrameOutcome::Stopped;
        }
        if (clock.elapsed() >= kFrameTimeoutMs)
            break;
    }

    const bool timedOut = !ended;
    const bool crashed = ended && quantiser.exitStatus() == QProcess::CrashExit;
    const int code = quantiser.exitCode();
    const bool expected = ended && !crashed && (code == 0 || code == kExitSkippedLarger || code == kExitQualityTooLow);
    if (expected)
        return FrameOutcome::Done;

    if (timedOut) {
        qDebug().noquote() << "compression: the quantiser took too long on" << source << "-" << quantiser.errorString();
        quantiser.kill();
        quantiser.waitForFinished(1000);
    } else {
        qDebug().noquote() << "compression: the quantiser failed on" << source << "-"
                           << (crashed ? QStringLiteral("crashed") : QStringLiteral("exit code %1").arg(code))
                           << QString::fromLocal8Bit(quantiser.readAllStandardError()).trimmed();
    }
    // Whatever it left behind, the frame is the unchanged copy again, and
    // no half-written file joins the sequence.
    QFile::remove(target + QStringLiteral(".tmp"));
    copyFrame(source, target);
    return FrameOutcome::Done;
}
