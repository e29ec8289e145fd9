#pragma once

#include <QObject>
#include <QString>

// One colour-quantised copy of a frame folder at a quality level, made by
// the pngquant program run once per frame, with one quantiser process per
// core at a time. The worker lives on a thread of its own for one
// compression (prepare(), connect, start()) and reports back through queued
// signals, progress always in frame order; it never touches the resource
// library.
//
// Every PNG frame is copied into the destination first and then quantised
// over its copy, so a frame the quantiser cannot shrink, or fails on,
// stays as the unchanged copy.
class LWTextureCompess : public QObject
{
    Q_OBJECT

public:
    enum Error {
        ErrorInstall = 1,     // the quantiser cannot be installed
        ErrorStart = 2,       // the quantiser process did not start
        ErrorSource = 4,      // no source folder, an empty one, or it vanished midway
        ErrorDestination = 5, // the destination folder cannot be created
        ErrorLevel = 7        // a level other than 1, 2 or 3
    };

    static constexpr int kStartTimeoutMs = 30000;
    static constexpr int kFrameTimeoutMs = 4000;

    LWTextureCompess(const QString &srcFolder, const QString &dstFolder, int level, const QString &resourceId,
                     QObject *parent = nullptr);
    ~LWTextureCompess() override;

    // A worker moved to a new thread that runs process() once started; the
    // worker and the thread delete themselves when it ends, whatever the
    // outcome. Connect to the signals, then call start().
    static LWTextureCompess *prepare(const QString &srcFolder, const QString &dstFolder, int level,
                                     const QString &resourceId);
    void start();
    // Asks every running compression to stop and waits for them (the
    // program is ending). A stopped worker reports nothing more.
    static void stopAll();
    static int runningCount();

    // "<home>/Lumeworks/pngquant.exe".
    static QString quantiserPath();
    // Installs the quantiser when it is not there yet, from
    // ":/LWCompress/pngquant.exe" when the build carries it, else from the
    // pngquant found on PATH; the copy appears under its name only once
    // complete. Also makes an installed quantiser executable again.
    static bool installQuantiser();

    // "" for level 0, "_32jr3jf39_HighQuility" and so on for 1 to 3, and
    // empty for any other level.
    static QString folderSuffix(int level);
    static bool isCompressedLevel(int level) { return level >= 1 && level <= 3; }
    // The quantiser's arguments for one frame.
    static QStringList quantiserArguments(int level, const QString &source, const QString &target);
    // How many quantiser processes run at once for a sequence of that many
    // frames: one per core, never more than there are frames.
    static int laneCount(int frames);

    QString srcFolder() const { return m_srcFolder; }
    QString dstFolder() const { return m_dstFolder; }
    int level() const { return m_level; }
    QString resourceId() const { return m_resourceId; }

public slots:
    void process();

signals:
    void progress(float p_fPorgess);
    void progress(float p_fPorgess, QString res_id);
    void complete(QString res_id);
    void compressError(int errorMsg);
    void compressError(int errorMsg, QString res_id);
    void finished();
    // Stopped on request before the end; nothing else is reported.
    void interrupted();

private:
    void fail(int error);
    void emitProgress(float value);

    QString m_srcFolder;
    QString m_dstFolder;
    int m_level;
    QString m_resourceId;
    QString m_quantiser;
};
