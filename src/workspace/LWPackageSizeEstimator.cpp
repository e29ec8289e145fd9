#include "LWPackageSizeEstimator.h"

#include "common/LWDataPaths.h"
#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWPackageService.h"
#include "package/LWPackageCheck.h"
#include "package/LWZipUtil.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

QString scratchParent()
{
    return LWDataPaths::subFolder(QStringLiteral("tmpSize"));
}

// Measurements of a run that ended abruptly leave their folders behind;
// an hour is far longer than any measurement takes.
void removeLeftovers()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
    const auto entries = QDir(scratchParent()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.lastModified() >= before)
            continue;
        if (entry.isDir())
            LWFolderUtil::removeFolder(entry.filePath());
        else
            QFile::remove(entry.filePath());
    }
}

// The same zip an export writes, made only to be weighed.
qint64 zipAndWeigh(const LWPackageService::Staged &staged)
{
    const QString zip = staged.folder + QStringLiteral(".zip");
    const bool ok = LWPackageService::writeZip(staged, zip, false);
    const qint64 size = ok ? QFileInfo(zip).size() : -1;
    QFile::remove(zip);
    return size;
}

} // namespace

LWPackageSizeEstimator::LWPackageSizeEstimator()
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &LWPackageSizeEstimator::measureNow);
    LWEffectPackManager *manager = LWEffectPackManager::instance();
    connect(LWUndoStack::instance(), &LWUndoStack::pushOccured, this, &LWPackageSizeEstimator::schedule);
    connect(manager, &LWEffectPackManager::projNameChanged, this, &LWPackageSizeEstimator::schedule);
    connect(manager, &LWEffectPackManager::effectInWorkspaceChanged, this, &LWPackageSizeEstimator::schedule);
    removeLeftovers();
}

LWPackageSizeEstimator::~LWPackageSizeEstimator()
{
    if (m_worker)
        m_worker->wait();
}

void LWPackageSizeEstimator::schedule()
{
    m_settle.start();
}

void LWPackageSizeEstimator::measureNow()
{
    m_settle.stop();
    if (m_worker) {
        m_again = true;
        return;
    }
    LWEffectModel *effect = LWEffectPackManager::instance()->effect();
    if (!effect || effect->childCount() == 0) {
        setBytes(-1);
        return;
    }
    const LWPackageService::Staged staged = LWPackageService::stage(effect, scratchParent());
    if (!staged.ok) {
        LWFolderUtil::removeFolder(staged.folder);
        setBytes(-1);
        return;
    }
    m_worker = QThread::create([this, staged] {
        const qint64 size = zipAndWeigh(staged);
        QMetaObject::invokeMethod(this, [this, size] { finish(size); }, Qt::QueuedConnection);
    });
    connect(m_worker, &QThread::finished, m_worker, &QObject::deleteLater);
    m_worker->start(QThread::LowPriority);
    emit measuringChanged();
}

void LWPackageSizeEstimator::finish(qint64 bytes)
{
    if (m_worker) {
        m_worker->wait();
        m_worker = nullptr;
    }
    setBytes(bytes);
    emit measuringChanged();
    if (m_again) {
        m_again = false;
        measureNow();
    }
}

void LWPackageSizeEstimator::setBytes(qint64 bytes)
{
    if (bytes == m_bytes)
        return;
    m_bytes = bytes;
    emit measured();
}

double LWPackageSizeEstimator::limitBytes() const
{
    return double(LWPackageCheck::kPublishLimitBytes);
}

bool LWPackageSizeEstimator::overLimit() const
{
    return m_bytes > LWPackageCheck::kPublishLimitBytes;
}

QString LWPackageSizeEstimator::sizeText() const
{
    return sizeText(m_bytes);
}

QString LWPackageSizeEstimator::sizeText(qint64 bytes)
{
    if (bytes < 0)
        return QString();
    if (bytes < 1024 * 1024)
        return tr("%1 KB").arg(qMax<qint64>(1, (bytes + 1023) / 1024));
    return tr("%1 MB").arg(double(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}
