#pragma once

#include <QThread>

class LWProjectModel;

// Keeps a complete copy of the open project, unsaved edits included, in
// "<data>/backup/curprojbk" so that the work can be reopened after a crash.
// The timer runs on this thread; each timeout calls autoBackup() on the
// interface thread (the object lives there), so the models are only ever
// touched from the interface thread.
class LWAutoBackup : public QThread
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 180000;

    explicit LWAutoBackup(int intervalMs = kIntervalMs, QObject *parent = nullptr);
    ~LWAutoBackup() override;

    // Copies the project into the staging folder, saves its current state
    // there, then publishes it. An empty target publishes to curprojbk.
    // Returns whether a complete backup was published.
    static bool backupProject(LWProjectModel *project, const QString &target = QString());

    static QString stagingFolder();
    static QString publishedFolder();

    // A publish cut short between its two renames leaves no backup in place
    // but the complete previous and new copies beside it: the new one is
    // put in place. Call with the backup lock held, before reading the
    // backup. An empty target means curprojbk.
    static void recoverPublished(const QString &target = QString());

    // Puts the complete folder "<published>.new" in the place of published
    // in two renames (see recoverPublished). Call with the backup lock held.
    static bool swapIn(const QString &published);

public slots:
    void autoBackup();

signals:
    void backupDone(bool ok);

protected:
    void run() override;

private:
    int m_intervalMs;
};
