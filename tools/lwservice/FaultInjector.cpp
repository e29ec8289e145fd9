#include "FaultInjector.h"

#include "ServerConfig.h"

#include <QJsonDocument>
#include <QJsonObject>

FaultInjector::FaultInjector(const ServerConfig *config)
    : m_config(config)
{
}

Fault FaultInjector::faultFor(const QString &path)
{
    Fault fault;
    const QJsonObject faults = m_config->section(QStringLiteral("faults"));
    if (faults.isEmpty())
        return fault;
    const QJsonObject spec = faults.value(path).toObject();
    if (spec.isEmpty())
        return fault;

    // A changed fault starts counting afresh.
    const QByteArray text = QJsonDocument(spec).toJson(QJsonDocument::Compact);
    auto &use = m_uses[path];
    if (use.first != text)
        use = {text, 0};
    const int count = spec.value(QStringLiteral("count")).toInt(-1);
    if (count >= 0 && use.second >= count)
        return fault;
    ++use.second;

    fault.active = true;
    fault.delayMs = qBound(0, spec.value(QStringLiteral("delayMs")).toInt(), 600000);
    fault.status = spec.value(QStringLiteral("status")).toInt();
    if (fault.status < 100 || fault.status > 599)
        fault.status = 0;
    fault.replaceBody = spec.contains(QStringLiteral("body"));
    fault.body = spec.value(QStringLiteral("body")).toString().toUtf8();
    const QJsonValue repeat = spec.value(QStringLiteral("bodyRepeat"));
    if (fault.replaceBody && repeat.isDouble())
    {
        // Big enough to try a client's limits, small enough not to sink us.
        const int most = qMax(1, int((64 * 1024 * 1024) / qMax(1, fault.body.size())));
        fault.body = fault.body.repeated(qBound(1, repeat.toInt(), most));
    }
    fault.contentType = spec.value(QStringLiteral("contentType")).toString().toUtf8();
    fault.drop = spec.value(QStringLiteral("drop")).toBool();
    fault.truncateAt = qint64(spec.value(QStringLiteral("truncateAt")).toDouble(-1));
    fault.stallAfter = qint64(spec.value(QStringLiteral("stallAfter")).toDouble(-1));
    fault.corrupt = spec.value(QStringLiteral("corrupt")).toBool();
    return fault;
}
