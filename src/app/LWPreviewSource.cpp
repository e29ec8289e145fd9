#include "LWPreviewSource.h"

#include <QAbstractVideoSurface>
#include <QCamera>
#include <QCameraInfo>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QMutexLocker>
#include <QUrl>
#include <QVideoSurfaceFormat>

// Takes the frames a player or camera shows and hands them to the source
// as pictures.
class LWPreviewFrameSink : public QAbstractVideoSurface
{
public:
    LWPreviewFrameSink(LWPreviewSource *source) : QAbstractVideoSurface(source), m_source(source) {}

    QList<QVideoFrame::PixelFormat> supportedPixelFormats(QAbstractVideoBuffer::HandleType type) const override
    {
        if (type != QAbstractVideoBuffer::NoHandle)
            return {};
        return {QVideoFrame::Format_RGB32, QVideoFrame::Format_ARGB32, QVideoFrame::Format_ARGB32_Premultiplied,
                QVideoFrame::Format_RGB24};
    }

    bool present(const QVideoFrame &frame) override
    {
        QVideoFrame copy(frame);
        if (!copy.map(QAbstractVideoBuffer::ReadOnly))
            return false;
        QImage::Format format = QVideoFrame::imageFormatFromPixelFormat(copy.pixelFormat());
        // Video is opaque: a decoder may leave the fourth byte unset, which
        // read as alpha would spoil every colour.
        if (format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied)
            format = QImage::Format_RGB32;
        QImage image;
        if (format != QImage::Format_Invalid)
            image = QImage(copy.bits(), copy.width(), copy.height(), copy.bytesPerLine(), format).convertToFormat(QImage::Format_RGB32);
        copy.unmap();
        if (image.isNull())
            return false;
        if (!m_clock.isValid())
            m_clock.start();
        // Video frames carry their place in the file; camera frames do not.
        const qint64 at = frame.startTime() >= 0 ? frame.startTime() / 1000 : m_clock.elapsed();
        m_source->take(image, at);
        return true;
    }

    void restartClock() { m_clock.invalidate(); }

private:
    LWPreviewSource *m_source; // not owned: the parent
    QElapsedTimer m_clock;
};

namespace {

QImage bounded(const QImage &image)
{
    const int longSide = std::max(image.width(), image.height());
    if (longSide <= LWPreviewSource::kMaxSide)
        return image;
    return image.scaled(image.size() * LWPreviewSource::kMaxSide / longSide, Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

} // namespace

LWPreviewSource::LWPreviewSource(QObject *parent) : QObject(parent)
{
    m_sink = new LWPreviewFrameSink(this);
}

LWPreviewSource::~LWPreviewSource()
{
    stop();
}

bool LWPreviewSource::hasCamera()
{
    return !QCameraInfo::availableCameras().isEmpty();
}

void LWPreviewSource::stop()
{
    if (m_player) {
        m_player->stop();
        m_player->setVideoOutput(static_cast<QAbstractVideoSurface *>(nullptr));
        m_player->deleteLater();
        m_player = nullptr;
    }
    if (m_camera) {
        m_camera->stop();
        m_camera->deleteLater();
        m_camera = nullptr;
    }
    if (m_sink->isActive())
        m_sink->stop();
    m_sink->restartClock();
    QMutexLocker lock(&m_lock);
    m_picture.image = QImage();
    ++m_picture.serial;
}

void LWPreviewSource::setProblem(const QString &problem)
{
    if (m_problem == problem)
        return;
    m_problem = problem;
    emit problemChanged();
}

void LWPreviewSource::useStandardFace()
{
    stop();
    m_name.clear();
    setProblem(QString());
    if (m_kind != Standard) {
        m_kind = Standard;
        emit kindChanged();
    }
}

bool LWPreviewSource::usePhoto(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        setProblem(tr("The photo %1 cannot be read.").arg(QFileInfo(path).fileName()));
        return false;
    }
    stop();
    {
        QMutexLocker lock(&m_lock);
        m_picture.image = bounded(image).convertToFormat(QImage::Format_RGB32);
        m_picture.atMs = 0;
        ++m_picture.serial;
    }
    m_name = QFileInfo(path).fileName();
    setProblem(QString());
    if (m_kind != Photo) {
        m_kind = Photo;
        emit kindChanged();
    }
    emit pictureArrived();
    return true;
}

void LWPreviewSource::useVideo(const QString &path)
{
    stop();
    m_name = QFileInfo(path).fileName();
    setProblem(QString());
    m_player = new QMediaPlayer(this, QMediaPlayer::VideoSurface);
    m_player->setMuted(true); // the effect's music is what sounds
    auto *playlist = new QMediaPlaylist(m_player);
    playlist->addMedia(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    playlist->setPlaybackMode(QMediaPlaylist::CurrentItemInLoop);
    m_player->setPlaylist(playlist);
    m_player->setVideoOutput(m_sink);
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, [this] {
        if (m_player)
            setProblem(tr("The video %1 cannot be played: %2").arg(m_name, m_player->errorString()));
    });
    if (m_playing)
        m_player->play();
    else
        m_player->pause();
    if (m_kind != Video) {
        m_kind = Video;
        emit kindChanged();
    }
}

void LWPreviewSource::useCamera()
{
    stop();
    m_name.clear();
    if (m_kind != Camera) {
        m_kind = Camera;
        emit kindChanged();
    }
    const QCameraInfo info = QCameraInfo::defaultCamera();
    if (info.isNull()) {
        setProblem(tr("No camera"));
        return;
    }
    setProblem(QString());
    m_name = info.description();
    m_camera = new QCamera(info, this);
    m_camera->setViewfinder(m_sink);
    connect(m_camera, QOverload<QCamera::Error>::of(&QCamera::error), this, [this] {
        if (m_camera)
            setProblem(tr("The camera cannot be used: %1").arg(m_camera->errorString()));
    });
    m_camera->start();
}

void LWPreviewSource::setPlaying(bool playing)
{
    m_playing = playing;
    if (!m_player)
        return;
    if (playing)
        m_player->play();
    else
        m_player->pause();
}

LWPreviewSource::Picture LWPreviewSource::picture() const
{
    QMutexLocker lock(&m_lock);
    return m_picture;
}

void LWPreviewSource::take(const QImage &image, qint64 atMs)
{
    {
        QMutexLocker lock(&m_lock);
        m_picture.image = bounded(image);
        m_picture.atMs = atMs;
        ++m_picture.serial;
    }
    emit pictureArrived();
}
