#include "LWStartupProbe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QQuickWindow>
#include <QTextStream>

namespace LWStartupProbe {

namespace {

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

bool requested()
{
    return qEnvironmentVariableIsSet("LW_BENCH_FIRST_FRAME");
}

void reportFirstFrame(QQuickWindow *window)
{
    if (!requested() || !window)
        return;
    const qint64 launchedNs = qEnvironmentVariable("LW_BENCH_LAUNCH_NS").toLongLong();
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [launchedNs] {
            static bool reported = false; // frames queued before the exit must not print again
            if (reported)
                return;
            reported = true;
            const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
            const double ms = launchedNs > 0 ? (nowNs - launchedNs) / 1e6 : -1;
            QTextStream(stdout) << "first-frame-ms " << QString::number(ms, 'f', 1) << " rss-kb " << residentKb()
                                << Qt::endl;
            QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}

} // namespace LWStartupProbe
