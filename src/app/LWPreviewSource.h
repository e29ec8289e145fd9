#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>

class QCamera;
class QMediaPlayer;
class LWPreviewFrameSink;

// What the preview draws the effect on: the standard face, a photo, a video
// file or the camera. Video and camera frames come through Qt Multimedia;
// the latest one is kept (any thread may take it) and replaced as they
// arrive, so a slow drawing skips frames instead of falling behind. Only
// one player or camera runs at a time, and none for the standard face.
class LWPreviewSource : public QObject
{
    Q_OBJECT
public:
    enum Kind { Standard = 0, Photo = 1, Video = 2, Camera = 3 };

    // The latest picture, numbered so a caller sees whether it is new, and
    // where in the source it is (video and camera: its own clock, rising).
    struct Picture
    {
        QImage image;
        quint64 serial = 0;
        qint64 atMs = 0;
    };

    // Pictures larger than this on their long side are reduced: tracking
    // and drawing cost grows with the pixels, and the preview is small.
    static constexpr int kMaxSide = 1280;

    explicit LWPreviewSource(QObject *parent = nullptr);
    ~LWPreviewSource() override;

    Kind kind() const { return m_kind; }
    // What stands in the way, for the window ("No camera", a file that will
    // not open); empty when the source gives pictures.
    QString problem() const { return m_problem; }
    QString name() const { return m_name; }

    void useStandardFace();
    // False (with problem() set) when the photo cannot be read.
    bool usePhoto(const QString &path);
    void useVideo(const QString &path);
    void useCamera();
    // The preview pauses and plays: a video follows, the camera runs on.
    void setPlaying(bool playing);

    Picture picture() const;

    // Whether the machine has a camera at all.
    static bool hasCamera();

signals:
    void kindChanged();
    void problemChanged();
    void pictureArrived();

private:
    friend class LWPreviewFrameSink;
    void stop();
    void setProblem(const QString &problem);
    void take(const QImage &image, qint64 atMs); // from the sink

    Kind m_kind = Standard;
    QString m_problem;
    QString m_name;
    QMediaPlayer *m_player = nullptr; // owned (QObject child), while a video plays
    QCamera *m_camera = nullptr;      // owned (QObject child), while the camera runs
    LWPreviewFrameSink *m_sink = nullptr; // owned (QObject child)
    mutable QMutex m_lock;
    Picture m_picture;
    bool m_playing = true;
};
