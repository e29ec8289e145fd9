#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

class LWProjectModel;

// Keeps the published backup ("<data>/backup/curprojbk") seconds behind the
// open project, so that whatever ends the editor (a kill, a power cut, a
// logout) the next start offers nearly all of the work, saved or never
// saved. The three-minute backup copies the whole project; this writes
// only what changed: the project's three documents every time, and each of
// its other files once (hard-linked where the file system allows, copied
// otherwise). The documents go in through a save journal, so the backup is
// always one complete state.
class LWRecoveryPoint : public QObject
{
    Q_OBJECT
public:
    // Quiet after the last edit before a point is written.
    static constexpr int kQuietMs = 2000;
    // Editing without pause still gets a point this often.
    static constexpr int kLatestMs = 10000;

    explicit LWRecoveryPoint(QObject *parent = nullptr);

    // Starts following the edits (once the author has answered any recovery
    // question: until then the backup on disk is not ours to replace).
    void arm();
    bool isArmed() const { return m_armed; }

    // An edit happened: a point follows once the edits settle.
    void schedule();
    bool isPending() const { return m_pending; }

    // Writes now what is pending (the program is about to end). True when
    // the backup holds the current state afterwards.
    bool flush();

    // Writes the project's current state into the published backup (an
    // empty target means curprojbk). True when it holds it afterwards.
    bool write(LWProjectModel *project, const QString &target = QString());

    // What the last write cost, for the log and the benchmark.
    struct Cost
    {
        qint64 microseconds = 0;
        int filesLinked = 0; // hard links and copies made
        int filesRemoved = 0;
        bool seeded = false; // a full first mirror rather than an update
    };
    Cost lastCost() const { return m_cost; }

signals:
    void written(bool ok);

private:
    struct FileState
    {
        qint64 size = -1;
        qint64 mtimeNs = 0;
        quint64 inode = 0;
        bool operator==(const FileState &other) const
        {
            return size == other.size && mtimeNs == other.mtimeNs && inode == other.inode;
        }
    };

    void writePending();
    // Brings the project's files (all but its documents) into mirror.
    bool syncFiles(const QString &projectFolder, const QString &effectPath, const QString &mirror);
    bool writeDocuments(LWProjectModel *project, const QString &folder) const;

    QTimer m_quiet;
    QElapsedTimer m_pendingSince;
    bool m_armed = false;
    bool m_pending = false;
    // Which project the published backup mirrors, and the state of each of
    // its files when it was brought over (by path relative to the project).
    QPointer<LWProjectModel> m_project;
    QString m_mirroredFolder;
    QString m_mirrorTarget;
    QHash<QString, FileState> m_synced;
    Cost m_cost;
};
