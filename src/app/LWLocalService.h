#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QProcess;
class QQuickWindow;
class QTcpSocket;

// The local reference service (lwservice), started beside the editor when
// the editor would otherwise have nobody to talk to: some service keeps the
// compiled loopback address and nothing answers there. So a new author's
// first start can sign in, upload and send feedback without setting a
// service up. It runs as the editor's child, with its data in
// "<data>/lwservice", and ends with the editor (also when the editor dies).
// An address the author configured is never taken over; only the editor's
// own start (main) asks for the service, so tests never start one by
// accident.
class LWLocalService : public QObject
{
    Q_OBJECT
public:
    static LWLocalService *instance();
    explicit LWLocalService(QObject *parent = nullptr);
    ~LWLocalService() override;

    // Where the editor's start would serve: the compiled address, when some
    // service keeps it; empty when every service is configured elsewhere or
    // services.json cannot be read.
    static QUrl addressToServe();
    // lwservice beside the program (installed), else where the build tree
    // puts it; empty when there is none.
    static QString programPath();
    static QString dataFolder(); // <data>/lwservice (not created: lwservice makes it its owner's alone)

    // The editor's start: once the first window has drawn its first frame
    // (or shortly after the start, when it is not shown),
    // startIfNothingAnswers() for the above. Not while a benchmark measures
    // the start, and not at all when there is nothing to serve.
    void startForEditor(QQuickWindow *firstWindow);

    // Connects to address; only when the connection is refused is program
    // started there, with dataFolder. Returns at once: started() or
    // notStarted() follow.
    void startIfNothingAnswers(const QUrl &address, const QString &program, const QString &dataFolder,
                               const QString &logFile = QString());
    bool isRunning() const;
    // Ends the service started here, waiting briefly for it.
    void stop();

signals:
    // The service started here listens at address.
    void started(const QUrl &address);
    void notStarted(const QString &reason);

private:
    void launch(const QUrl &address, const QString &program, const QString &dataFolder, const QString &logFile);
    void readListening();

    QPointer<QTcpSocket> m_probe; // owned (QObject child) while probing
    QProcess *m_process = nullptr; // owned (QObject child)
    QByteArray m_output;  // standard output up to its first line
    bool m_listening = false;
};
