#include "LWCheckHelper.h"

#include "common/LWDataPaths.h"
#include "common/LWSettings.h"

#include <QFile>
#include <QThread>

LWCheckHelper::LWCheckHelper()
    : m_helperPath(LWDataPaths::helperPath())
{
    m_exists = QFile::exists(m_helperPath);
    const int installed = LWSettings::instance()->lwhelperVersion();
    m_needsWork = !(m_exists && installed >= kHelperVersion);
}

bool LWCheckHelper::startCheck()
{
    auto *checker = new LWCheckHelper;
    if (!checker->needsWork()) {
        delete checker;
        return false;
    }
    auto *thread = new QThread;
    checker->moveToThread(thread);
    connect(thread, &QThread::started, checker, &LWCheckHelper::process);
    connect(checker, &LWCheckHelper::finished, thread, &QThread::quit);
    connect(checker, &LWCheckHelper::finished, checker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
    return true;
}

void LWCheckHelper::process()
{
    if (QFile::exists(m_helperPath))
        QFile::remove(m_helperPath);
    // Copy next to the target and rename, so a half-copied helper never
    // sits at the path the crash handler starts.
    const QString partial = m_helperPath + QStringLiteral(".part");
    QFile::remove(partial);
    if (QFile::copy(QStringLiteral(":/LWHelper/LWHelper.exe"), partial) && QFile::rename(partial, m_helperPath)) {
        QFile::setPermissions(m_helperPath, QFile::permissions(m_helperPath) | QFileDevice::ReadOwner
                                                | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadUser | QFileDevice::ExeUser);
        LWSettings::instance()->setLwhelperVersion(kHelperVersion);
    } else {
        QFile::remove(partial);
    }
    emit finished();
}
