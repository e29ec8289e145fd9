#pragma once

#include <QObject>
#include <QString>

// Installs the crash helper program into the data folder, on a short-lived
// worker thread so that start-up does not wait for the copy.
class LWCheckHelper : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHelperVersion = 1;

    LWCheckHelper();

    // True unless the helper is present and at least the built-in version.
    bool needsWork() const { return m_needsWork; }

    // Starts the worker when there is work; otherwise discards the checker.
    // Returns whether a worker thread was started.
    static bool startCheck();

public slots:
    void process();

signals:
    void finished();

private:
    QString m_helperPath;
    bool m_needsWork = false;
    bool m_exists = false;
};
