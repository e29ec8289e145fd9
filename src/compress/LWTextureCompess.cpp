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
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <functional>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool stopRequested()
{
    return QThread::currentThread()->isInterruptionRequested();
}

bool copyBytes(int in, int out)
{
    // In the kernel where it can (no trip through our memory, reflinks on
    // file systems that have them); by hand where it cannot.
    for (;;) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied == 0)
            return true;
        if (copied > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return false;
        break;
    }
    char block[256 * 1024];
    for (;;) {
        const ssize_t count = ::read(in, block, sizeof block);
        if (count == 0)
            return true;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t at = 0; at < count;) {
            const ssize_t written = ::write(out, block + at, size_t(count - at));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            at += written;
        }
    }
}

// Replaces target by a copy of source that the quantiser may write over.
// The source is opened first, so a frame that can no longer be read never
// costs the copy already there.
bool copyFrame(const QString &source, const QString &target)
{
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat status {};
    if (::fstat(in, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(in);
        return false;
    }
    const QByteArray to = QFile::encodeName(target);
    // A link at the target would have the quantiser write somewhere else.
    ::unlink(to.constData());
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                           (status.st_mode & 0777) | S_IRUSR | S_IWUSR);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = copyBytes(in, out);
    ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok)
        ::unlink(to.constData());
    return ok;
}

// One PNG frame of the sequence.
struct Frame
{
    int entry = 0; // place among all the folder's entries
    QString from;
    QString to;
    bool done = false;
    bool counted = true; // reports progress once done
};

// Runs the quantiser over the frames, a few processes at once. A frame is
// copied just before its process starts, so the copies and the processes
// of the other lanes overlap. Frames finish in any order; progress goes out
// in frame order, as soon as every earlier frame is done too.
class QuantiserLanes
{
public:
    enum class Outcome { Done, StartFailed, SourceGone, Stopped };

    QuantiserLanes(const QString &program, int level, const QString &sourceFolder,
                   std::function<void(int entry)> frameDone)
        : m_program(program)
        , m_level(level)
        , m_sourceFolder(sourceFolder)
        , m_frameDone(std::move(frameDone))
    {
    }
    ~QuantiserLanes()
    {
        stopLanes();
        qDeleteAll(m_retired);
    }

    Outcome run(QVector<Frame> frames)
    {
        m_frames = std::move(frames);
        m_laneCount = LWTextureCompess::laneCount(m_frames.size());
        m_environment = QProcessEnvironment::systemEnvironment();
        // pngquant spreads one image over every core by itself; with a
        // process per core those threads would only contend and spin.
        if (m_laneCount > 1)
            m_environment.insert(QStringLiteral("OMP_NUM_THREADS"), QStringLiteral("1"));
        if (!fillLanes() || allDone())
            return m_outcome;
        QTimer watch;
        watch.setInterval(kWaitSliceMs);
        QObject::connect(&watch, &QTimer::timeout, [this] { look(); });
        watch.start();
        m_loop.exec();
        stopLanes();
        return m_outcome;
    }

private:
    struct Lane
    {
        int frame = 0;
        QProcess *process = nullptr; // owned
        QElapsedTimer clock;
    };

    bool allDone() const { return m_reportNext == m_frames.size(); }

    // Starts frames until every lane is busy. False when the compression
    // cannot go on (m_outcome says why).
    bool fillLanes()
    {
        while (int(m_lanes.size()) < m_laneCount && m_next < m_frames.size()) {
            const int index = m_next++;
            Frame &frame = m_frames[index];
            if (!copyFrame(frame.from, frame.to)) {
                // A sequence deleted under the running compression must
                // not end as a "complete" copy with frames missing.
                if (!QFileInfo(m_sourceFolder).isDir()) {
                    qDebug().noquote() << "compression: the source folder is gone:" << m_sourceFolder;
                    m_outcome = Outcome::SourceGone;
                    return false;
                }
                qWarning().noquote() << "compression: frame not copied:" << frame.from;
                frame.done = true;
                frame.counted = false;
                report();
                continue;
            }
            if (!startLane(index))
                return false;
        }
        return true;
    }

    bool startLane(int index)
    {
        const Frame &frame = m_frames.at(index);
        auto *process = new QProcess;
        process->setProgram(m_program);
        process->setArguments(LWTextureCompess::quantiserArguments(m_level, frame.from, frame.to));
        process->setProcessEnvironment(m_environment);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(QIODevice::ReadOnly);
        if (!process->waitForStarted(LWTextureCompess::kStartTimeoutMs)) {
            qDebug().noquote() << "compression: the quantiser did not start:" << process->errorString();
            delete process;
            m_outcome = Outcome::StartFailed;
            return false;
        }
        m_lanes.push_back({index, process, {}});
        m_lanes.back().clock.start();
        QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished),
                         [this, process] { ended(process); });
        return true;
    }

    void ended(QProcess *process)
    {
        const auto lane = std::find_if(m_lanes.begin(), m_lanes.end(),
                                       [process](const Lane &l) { return l.process == process; });
        if (lane == m_lanes.end())
            return;
        const int code = process->exitCode();
        const bool crashed = process->exitStatus() == QProcess::CrashExit;
        const bool expected = !crashed && (code == 0 || code == kExitSkippedLarger || code == kExitQualityTooLow);
        const Frame &frame = m_frames.at(lane->frame);
        if (!expected) {
            qDebug().noquote() << "compression: the quantiser failed on" << frame.from << "-"
                               << (crashed ? QStringLiteral("crashed") : QStringLiteral("exit code %1").arg(code))
                               << QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
            restore(frame);
        }
        retire(lane);
        advance();
    }

    // Called a few times a second: a stop request, and frames that take
    // too long (left as their unchanged copies).
    void look()
    {
        if (stopRequested()) {
            m_outcome = Outcome::Stopped;
            m_loop.quit();
            return;
        }
        bool changed = false;
        for (auto lane = m_lanes.begin(); lane != m_lanes.end();) {
            if (lane->clock.elapsed() < LWTextureCompess::kFrameTimeoutMs) {
                ++lane;
                continue;
            }
            const Frame &frame = m_frames.at(lane->frame);
            qDebug().noquote() << "compression: the quantiser took too long on" << frame.from << "-"
                               << lane->process->errorString();
            kill(lane->process, frame);
            restore(frame);
            lane = retire(lane);
            changed = true;
        }
        if (changed)
            advance();
    }

    void advance()
    {
        report();
        if (!fillLanes() || allDone())
            m_loop.quit();
    }

    std::vector<Lane>::iterator retire(std::vector<Lane>::iterator lane)
    {
        m_frames[lane->frame].done = true;
        // Deleted later: this may run inside the process's own signal.
        QObject::disconnect(lane->process, nullptr, nullptr, nullptr);
        m_retired.append(lane->process);
        return m_lanes.erase(lane);
    }

    void report()
    {
        while (m_reportNext < m_frames.size() && m_frames.at(m_reportNext).done) {
            const Frame &frame = m_frames.at(m_reportNext++);
            if (frame.counted)
                m_frameDone(frame.entry);
        }
    }

    static void kill(QProcess *process, const Frame &frame)
    {
        QObject::disconnect(process, nullptr, nullptr, nullptr);
        process->kill();
        process->waitForFinished(1000);
        QFile::remove(frame.to + QStringLiteral(".tmp"));
    }

    // Whatever the quantiser left behind, the frame is the unchanged copy
    // again, and no half-written file joins the sequence.
    static void restore(const Frame &frame)
    {
        QFile::remove(frame.to + QStringLiteral(".tmp"));
        copyFrame(frame.from, frame.to);
    }

    void stopLanes()
    {
        for (Lane &lane : m_lanes) {
            kill(lane.process, m_frames.at(lane.frame));
            m_retired.append(lane.process);
        }
        m_lanes.clear();
    }

    const QString m_program;
    const int m_level;
    const QString m_sourceFolder;
    const std::function<void(int)> m_frameDone;
    QProcessEnvironment m_environment;
    QVector<Frame> m_frames;
    int m_laneCount = 1;
    int m_next = 0;       // the next frame to start
    int m_reportNext = 0; // the first frame whose progress is not out yet
    std::vector<Lane> m_lanes;
    QList<QProcess *> m_retired; // owned: ended processes, deleted with the lanes
    QEventLoop m_loop;
    Outcome m_outcome = Outcome::Done;
};

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

int LWTextureCompess::laneCount(int frames)
{
    return qBound(1, QThread::idealThreadCount(), qMax(1, frames));
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
    QVector<Frame> frames;
    for (int i = 0; i < count; ++i) {
        const QFileInfo &entry = entries.at(i);
        // Other entries count towards the total but stay behind.
        if (entry.suffix() != QLatin1String("png") || entry.isDir())
            continue;
        Frame frame;
        frame.entry = i;
        frame.from = entry.absoluteFilePath();
        frame.to = m_dstFolder + QLatin1Char('/') + entry.fileName();
        frames.append(frame);
    }

    QuantiserLanes lanes(m_quantiser, m_level, m_srcFolder,
                         [this, count](int entry) { emitProgress(float(entry + 1) / float(count)); });
    switch (lanes.run(std::move(frames))) {
    case QuantiserLanes::Outcome::StartFailed:
        fail(ErrorStart);
        return;
    case QuantiserLanes::Outcome::SourceGone:
        fail(ErrorSource);
        return;
    case QuantiserLanes::Outcome::Stopped:
        qDebug().noquote() << "compression stopped:" << m_srcFolder;
        emit interrupted();
        return;
    case QuantiserLanes::Outcome::Done:
        break;
    }
    emit complete(m_resourceId);
    emit finished();
}
