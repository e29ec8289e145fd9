#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QTemporaryFile;

// What the bodies of unfinished requests may take, summed over every
// connection of a server: bytes in memory and bytes in spool files. A body
// that would go beyond the memory allowance goes to disk instead; one that
// would go beyond the disk allowance is refused.
class BodyBudget
{
public:
    struct Limits
    {
        qint64 memoryPerBody = 256 * 1024; // larger bodies are spooled at once
        qint64 memory = 32 * 1024 * 1024;
        qint64 disk = 512 * 1024 * 1024;
    };

    BodyBudget(const Limits &limits, const QString &spoolDir);

    const Limits &limits() const { return m_limits; }
    QString spoolDir() const { return m_spoolDir; }
    qint64 memoryInUse() const { return m_memory; }
    qint64 diskInUse() const { return m_disk; }

    bool takeMemory(qint64 bytes);
    void giveMemory(qint64 bytes);
    bool takeDisk(qint64 bytes);
    void giveDisk(qint64 bytes);

private:
    Limits m_limits;
    QString m_spoolDir;
    qint64 m_memory = 0;
    qint64 m_disk = 0;
};

// One request body as it arrives: in memory while it is small and the
// budget allows, else in a temporary file of the spool folder, which is
// mapped once the body is complete. What it holds counts against the budget
// until it is destroyed, and the file goes with it.
class RequestBody
{
public:
    enum class Status { Ok, Busy, Failed };

    // expectedSize: the announced length, or -1 when the body is chunked.
    RequestBody(std::shared_ptr<BodyBudget> budget, qint64 expectedSize);
    ~RequestBody();
    RequestBody(const RequestBody &) = delete;
    RequestBody &operator=(const RequestBody &) = delete;

    Status append(const char *data, qint64 size);
    bool finish();

    qint64 size() const { return m_size; }
    bool onDisk() const { return m_file != nullptr; }
    QString filePath() const;
    // The whole body once finished. For a spooled body the bytes point into
    // the mapped file and stay valid only while this object lives.
    QByteArray bytes() const { return m_bytes; }

private:
    Status spill();

    std::shared_ptr<BodyBudget> m_budget;
    QByteArray m_memory;
    std::unique_ptr<QTemporaryFile> m_file;
    QByteArray m_bytes;
    qint64 m_size = 0;
    qint64 m_memoryTaken = 0;
    qint64 m_diskTaken = 0;
};
