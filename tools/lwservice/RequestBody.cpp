#include "RequestBody.h"

#include <QTemporaryFile>

BodyBudget::BodyBudget(const Limits &limits, const QString &spoolDir)
    : m_limits(limits)
    , m_spoolDir(spoolDir)
{
}

bool BodyBudget::takeMemory(qint64 bytes)
{
    if (m_memory + bytes > m_limits.memory)
        return false;
    m_memory += bytes;
    return true;
}

void BodyBudget::giveMemory(qint64 bytes)
{
    m_memory -= bytes;
}

bool BodyBudget::takeDisk(qint64 bytes)
{
    if (m_disk + bytes > m_limits.disk)
        return false;
    m_disk += bytes;
    return true;
}

void BodyBudget::giveDisk(qint64 bytes)
{
    m_disk -= bytes;
}

RequestBody::RequestBody(std::shared_ptr<BodyBudget> budget, qint64 expectedSize)
    : m_budget(std::move(budget))
{
    if (expectedSize > m_budget->limits().memoryPerBody)
        spill();
}

RequestBody::~RequestBody()
{
    m_bytes.clear(); // before the mapping goes with the file
    m_file.reset();
    m_budget->giveMemory(m_memoryTaken);
    m_budget->giveDisk(m_diskTaken);
}

QString RequestBody::filePath() const
{
    return m_file ? m_file->fileName() : QString();
}

RequestBody::Status RequestBody::spill()
{
    m_file = std::make_unique<QTemporaryFile>(m_budget->spoolDir() + QStringLiteral("/body-XXXXXX"));
    if (!m_file->open()) {
        qWarning("cannot create a spool file in %s: %s", qUtf8Printable(m_budget->spoolDir()),
                 qUtf8Printable(m_file->errorString()));
        return Status::Failed;
    }
    const QByteArray held = m_memory;
    m_memory.clear();
    m_memory.squeeze();
    m_budget->giveMemory(m_memoryTaken);
    m_memoryTaken = 0;
    if (held.isEmpty())
        return Status::Ok;
    if (!m_budget->takeDisk(held.size()))
        return Status::Busy;
    m_diskTaken += held.size();
    return m_file->write(held) == held.size() ? Status::Ok : Status::Failed;
}

RequestBody::Status RequestBody::append(const char *data, qint64 size)
{
    if (size <= 0)
        return Status::Ok;
    if (m_file && !m_file->isOpen())
        return Status::Failed;
    if (!m_file) {
        const bool fits = m_size + size <= m_budget->limits().memoryPerBody;
        if (fits && m_budget->takeMemory(size)) {
            m_memoryTaken += size;
            m_memory.append(data, int(size));
            m_size += size;
            return Status::Ok;
        }
        const Status spilled = spill();
        if (spilled != Status::Ok)
            return spilled;
    }
    if (!m_budget->takeDisk(size))
        return Status::Busy;
    m_diskTaken += size;
    if (m_file->write(data, size) != size) {
        qWarning("cannot write the spool file %s: %s", qUtf8Printable(m_file->fileName()), qUtf8Printable(m_file->errorString()));
        return Status::Failed;
    }
    m_size += size;
    return Status::Ok;
}

bool RequestBody::finish()
{
    if (!m_file) {
        m_bytes = m_memory;
        return true;
    }
    if (!m_file->flush())
        return false;
    if (m_size == 0)
        return true;
    uchar *mapped = m_file->map(0, m_size);
    if (!mapped) {
        qWarning("cannot map the spool file %s: %s", qUtf8Printable(m_file->fileName()), qUtf8Printable(m_file->errorString()));
        return false;
    }
    m_bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), int(m_size));
    return true;
}
