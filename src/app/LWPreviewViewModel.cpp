#include "LWPreviewViewModel.h"

#include "LWPreviewMusic.h"
#include "LWPreviewSource.h"

#include "common/LWDataPaths.h"
#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "common/LWDialogs.h"
#include "render/LWEffectRenderer.h"
#include "render/LWFaceActions.h"
#include "render/LWFaceModel.h"
#include "render/LWFaceTracker.h"
#include "render/LWRenderPackage.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QQuickImageProvider>
#include <QThread>

#include <algorithm>
#include <memory>

namespace {

QString scratchParent()
{
    return LWDataPaths::subFolder(QStringLiteral("tmpPreview"));
}

// Folders left by a run that ended abruptly. A running editor replaces its
// folder on every edit, so one untouched for an hour is nobody's.
void removeLeftovers()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
    const auto entries = QDir(scratchParent()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.lastModified() < before)
            LWFolderUtil::removeFolder(entry.filePath());
    }
}

// How long one pass of the effect's animations takes: the longest finite
// sequence, and never shorter than a few seconds so triggers can be tried.
int passLength(const LWRenderPackage::Package &package)
{
    qint64 longest = 3000;
    for (const auto &feature : package.features) {
        for (const auto &part : feature.parts)
            longest = std::max<qint64>(longest, qint64(part.frameCount) * LWRenderRules::kStickerFrameMs);
        for (const auto &filter : feature.makeup) {
            for (const auto *sequence : {&filter.sequence, &filter.blend})
                longest = std::max<qint64>(longest, qint64(sequence->count * sequence->interval * 1000));
        }
    }
    return int(std::min<qint64>(longest, 60000));
}

class PreviewImageProvider : public QQuickImageProvider
{
public:
    PreviewImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

    QImage requestImage(const QString &, QSize *size, const QSize &) override
    {
        const QImage frame = LWPreviewViewModel::instance()->frame();
        if (size)
            *size = frame.size();
        return frame;
    }
};

} // namespace

// Owns the package on show, the renderer and the face tracker; lives on
// the worker thread.
class LWPreviewWorker : public QObject
{
public:
    LWRenderPackage::Package package;
    LWEffectRenderer renderer;
    std::shared_ptr<const LWFaceModel> model;
    std::unique_ptr<LWFaceTracker> tracker;
    LWFaceActions actions;
    LWFaceTracker::Result last;
    QVector<int> held;
    quint64 trackedSerial = 0;
    bool retrack = false;

    void forgetFace()
    {
        if (tracker)
            tracker->reset();
        actions.reset();
        last = LWFaceTracker::Result();
        held.clear();
        trackedSerial = 0;
    }

    // Follows the face in the picture, if it is one not seen yet, and
    // says what the face does.
    LWPreviewViewModel::FaceSeen track(const LWPreviewSource::Picture &picture, int kind)
    {
        LWPreviewViewModel::FaceSeen seen;
        if (!model || picture.image.isNull())
            return seen;
        if (!tracker)
            tracker = std::make_unique<LWFaceTracker>(model);
        if (picture.serial != trackedSerial || retrack) {
            trackedSerial = picture.serial;
            retrack = false;
            if (kind == LWPreviewSource::Photo) {
                last = tracker->still(picture.image);
                const LWFaceActions::Update update = LWFaceActions::still(last.points);
                seen.started = update.started;
                held = update.held;
            } else {
                last = tracker->track(picture.image, picture.atMs);
                // A face lost a moment ago keeps what it held; one gone ends it.
                if (last.state != LWFaceTracker::State::Holding) {
                    const LWFaceActions::Update update = actions.feed(last.points, picture.atMs);
                    seen.started = update.started;
                    held = update.held;
                }
            }
        }
        seen.tracked = true;
        seen.state = int(last.state);
        seen.faces = last.faces.size();
        seen.chosen = last.chosen;
        seen.held = held;
        return seen;
    }
};

LWPreviewViewModel::LWPreviewViewModel()
{
    m_music = new LWPreviewMusic(this);
    m_source = new LWPreviewSource(this);
    connect(m_source, &LWPreviewSource::kindChanged, this, &LWPreviewViewModel::onSourceChanged);
    connect(m_source, &LWPreviewSource::problemChanged, this, &LWPreviewViewModel::updateFaceStatus);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &LWPreviewViewModel::build);
    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &LWPreviewViewModel::tick);
    LWEffectPackManager *manager = LWEffectPackManager::instance();
    connect(LWUndoStack::instance(), &LWUndoStack::pushOccured, this, &LWPreviewViewModel::schedule);
    connect(manager, &LWEffectPackManager::effectInWorkspaceChanged, this, &LWPreviewViewModel::schedule);
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("preview"));
    m_worker = new LWPreviewWorker;
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
    // The model outlives the application object; its thread must not.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        m_tick.stop();
        m_settle.stop();
        m_thread->quit();
        m_thread->wait();
    });
    m_clock.start();
    removeLeftovers();
}

LWPreviewViewModel::~LWPreviewViewModel()
{
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
    delete m_thread;
}

QQuickImageProvider *LWPreviewViewModel::imageProvider()
{
    return new PreviewImageProvider;
}

QImage LWPreviewViewModel::frame() const
{
    QMutexLocker lock(&m_frameLock);
    return m_frame;
}

QString LWPreviewViewModel::frameUrl() const
{
    return m_frameNumber == 0 ? QString() : QStringLiteral("image://lwpreview/%1").arg(m_frameNumber);
}

void LWPreviewViewModel::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit activeChanged();
    if (active) {
        m_tick.start();
        build();
    } else {
        m_tick.stop();
        m_music->silence();
    }
}

void LWPreviewViewModel::schedule()
{
    if (m_active)
        m_settle.start();
}

void LWPreviewViewModel::setBuilding(bool building)
{
    if (m_building == building)
        return;
    m_building = building;
    emit buildingChanged();
}

void LWPreviewViewModel::build()
{
    m_settle.stop();
    if (m_building) {
        m_buildAgain = true;
        return;
    }
    LWEffectModel *effect = LWEffectPackManager::instance()->effect();
    if (!effect || effect->childCount() == 0) {
        // Nothing to show but the face: an empty package.
        QMetaObject::invokeMethod(m_worker, [this] {
            m_worker->package = LWRenderPackage::Package();
            QMetaObject::invokeMethod(this, [this] { onPackageRead(true, 3000, {}, false, false, {}); }, Qt::QueuedConnection);
        }, Qt::QueuedConnection);
        m_hasEffect = false;
        return;
    }
    // The effect writes its package here, its bulky copies deferred to the
    // worker, as the size estimator does.
    const QString scratch = LWFolderUtil::makeScratchFolder(scratchParent());
    QList<LWFolderUtil::DeferredCopies::Copy> copies;
    bool written = false;
    {
        LWFolderUtil::DeferredCopies deferred;
        SaveParam param;
        param.path = scratch;
        param.bSaveProject = false;
        written = effect->save(param);
        copies = deferred.take();
    }
    if (!written) {
        LWFolderUtil::removeFolder(scratch);
        return;
    }
    setBuilding(true);
    QMetaObject::invokeMethod(m_worker, [this, scratch, copies] {
        LWRenderPackage::Package package;
        const bool ok = LWFolderUtil::DeferredCopies::perform(copies)
                     && LWRenderPackage::readFolder(scratch, package, nullptr);
        package.scratch = std::shared_ptr<void>(nullptr, [scratch](void *) { LWFolderUtil::removeFolder(scratch); });
        QVariantList actions;
        for (int value : package.triggerActions())
            actions << value;
        const int duration = passLength(package);
        const bool cat = package.allowsCat();
        const bool standardOnly = !package.standardFaceOnlyTypes().isEmpty();
        if (ok)
            m_worker->package = package; // the one on show before is removed now
        // The music plays from the package's folder, which stays while it may.
        const MusicSource music{package.music, package.hasMusic, package.scratch};
        QMetaObject::invokeMethod(this, [=] { onPackageRead(ok, duration, actions, cat, standardOnly, music); },
                                  Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void LWPreviewViewModel::onPackageRead(bool ok, int durationMs, const QVariantList &actions, bool allowsCat,
                                       bool standardOnly, const MusicSource &music)
{
    setBuilding(false);
    if (ok) {
        if (m_standardOnly != standardOnly) {
            m_standardOnly = standardOnly;
            emit standardOnlyNoteChanged();
        }
        m_music->setMusic(music.music, music.present, music.keep);
        m_hasEffect = LWEffectPackManager::instance()->effect() && LWEffectPackManager::instance()->effect()->childCount() > 0;
        m_durationMs = durationMs;
        m_allowsCat = allowsCat;
        m_triggerButtons.clear();
        for (const QVariant &action : actions) {
            const int value = action.toInt();
            QString label;
            for (const auto &known : LWRenderRules::actionNames()) {
                if (known.value == value)
                    label = tr(known.label);
            }
            m_triggerButtons << QVariantMap{{QStringLiteral("value"), value},
                                            {QStringLiteral("label"), label.isEmpty() ? QString::number(value) : label}};
        }
        if (!m_allowsCat && m_faceType != 0)
            setFaceType(0);
        emit packageChanged();
        m_dirty = true;
        requestFrame();
    }
    if (m_buildAgain) {
        m_buildAgain = false;
        build();
    }
}

qint64 LWPreviewViewModel::clockMs() const
{
    if (!m_playing)
        return m_startMs;
    return m_startMs + m_clock.elapsed();
}

void LWPreviewViewModel::tick()
{
    if (!m_active || m_inFlight)
        return;
    if (m_playing && clockMs() >= m_durationMs) {
        // A new pass starts clean: the actions fired in the last one are over.
        m_fired.clear();
        m_faceHeld.clear();
        m_startMs = 0;
        m_clock.restart();
    }
    if (m_playing || m_dirty)
        requestFrame();
    m_music->follow(clockMs(), m_fired, m_playing);
}

void LWPreviewViewModel::requestFrame()
{
    if (m_inFlight || !m_active)
        return;
    m_inFlight = true;
    m_dirty = false;
    LWEffectRenderer::Request request;
    request.timeMs = clockMs();
    request.triggers = m_fired;
    request.faceType = m_faceType;
    request.size = m_frameSize;
    const int kind = m_source->kind();
    const LWPreviewSource::Picture picture = kind == LWPreviewSource::Standard ? LWPreviewSource::Picture()
                                                                                : m_source->picture();
    QMetaObject::invokeMethod(m_worker, [this, request, kind, picture]() mutable {
        QElapsedTimer took;
        took.start();
        FaceSeen seen;
        if (kind != LWPreviewSource::Standard) {
            // No picture yet (a video opening, no camera): the backdrop alone.
            request.picture = picture.image.isNull() ? QImage(QSize(16, 9), QImage::Format_RGB32) : picture.image;
            if (picture.image.isNull())
                request.picture.fill(QColor(24, 26, 30));
            // Drawn in the picture's own shape, as large as the frame is long;
            // the window fits it into its card.
            const int longest = std::max(request.size.width(), request.size.height());
            request.size = request.picture.size().scaled(QSize(longest, longest), Qt::KeepAspectRatio);
            seen = m_worker->track(picture, kind);
            request.facePoints = m_worker->last.points;
        }
        const QImage frame = m_worker->renderer.render(m_worker->package, request);
        const int ms = int(took.elapsed());
        QMetaObject::invokeMethod(this, [this, frame, request, ms, seen] { onFrame(frame, request.timeMs, ms, seen); },
                                  Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void LWPreviewViewModel::onFrame(const QImage &frame, qint64 atMs, int drawMs, const FaceSeen &seen)
{
    m_inFlight = false;
    onFaceSeen(seen, atMs);
    {
        QMutexLocker lock(&m_frameLock);
        m_frame = frame;
    }
    m_shownMs = atMs;
    ++m_frameNumber;
    m_drawMs = drawMs;
    emit frameChanged();
    if (!m_fpsClock.isValid())
        m_fpsClock.start();
    ++m_framesCounted;
    if (m_fpsClock.elapsed() >= 1000) {
        m_fps = m_framesCounted * 1000.0 / m_fpsClock.elapsed();
        m_framesCounted = 0;
        m_fpsClock.restart();
        emit statsChanged();
    } else if (!m_playing) {
        emit statsChanged();
    }
    if (m_dirty)
        requestFrame();
}

void LWPreviewViewModel::play()
{
    if (m_playing)
        return;
    m_source->setPlaying(true);
    m_clock.restart();
    m_playing = true;
    m_fpsClock.invalidate();
    m_framesCounted = 0;
    emit playingChanged();
}

void LWPreviewViewModel::pause()
{
    if (!m_playing)
        return;
    m_startMs = clockMs();
    m_playing = false;
    m_source->setPlaying(false);
    m_music->silence();
    m_fps = 0;
    emit playingChanged();
    emit statsChanged();
}

void LWPreviewViewModel::restart()
{
    m_fired.clear();
    m_faceHeld.clear();
    seek(0);
}

void LWPreviewViewModel::seek(int ms)
{
    m_startMs = std::clamp<qint64>(ms, 0, m_durationMs);
    m_clock.restart();
    // Actions fired later than the new moment have not happened yet.
    m_faceHeld.clear();
    m_fired.erase(std::remove_if(m_fired.begin(), m_fired.end(),
                                 [this](const LWRenderRules::Trigger &t) { return t.atMs > m_startMs; }),
                  m_fired.end());
    m_dirty = true;
    requestFrame();
}

void LWPreviewViewModel::fire(int action)
{
    m_fired << LWRenderRules::Trigger{action, clockMs()};
    m_dirty = true;
    requestFrame();
}

bool LWPreviewViewModel::hasMusic() const
{
    return m_music->present();
}

bool LWPreviewViewModel::muted() const
{
    return m_music->muted();
}

void LWPreviewViewModel::setMuted(bool muted)
{
    if (m_music->muted() == muted)
        return;
    m_music->setMuted(muted);
    emit mutedChanged();
}

void LWPreviewViewModel::setFaceType(int faceType)
{
    faceType = faceType == 1 && m_allowsCat && m_source->kind() == LWPreviewSource::Standard ? 1 : 0;
    if (m_faceType == faceType)
        return;
    m_faceType = faceType;
    emit faceTypeChanged();
    m_dirty = true;
    requestFrame();
}

void LWPreviewViewModel::setFrameSize(const QSize &size)
{
    const QSize bounded = size.boundedTo(QSize(1440, 2560)).expandedTo(QSize(36, 64));
    if (bounded == m_frameSize)
        return;
    m_frameSize = bounded;
    emit frameSizeChanged();
    m_dirty = true;
    requestFrame();
}

int LWPreviewViewModel::source() const
{
    return m_source->kind();
}

QString LWPreviewViewModel::sourceName() const
{
    return m_source->name();
}

QString LWPreviewViewModel::standardOnlyNote() const
{
    if (!m_standardOnly || m_source->kind() == LWPreviewSource::Standard)
        return QString();
    return tr("Hair colour and matting need masks a face tracker cannot give: they show on the standard face only.");
}

void LWPreviewViewModel::useStandardFace()
{
    m_source->useStandardFace();
}

bool LWPreviewViewModel::openPhoto(const QString &path)
{
    const bool ok = m_source->usePhoto(path);
    if (ok)
        onSourceChanged(); // a new photo over the last one is a new source too
    return ok;
}

void LWPreviewViewModel::openVideo(const QString &path)
{
    m_source->useVideo(path);
    onSourceChanged();
}

void LWPreviewViewModel::useCamera()
{
    m_source->useCamera();
}

void LWPreviewViewModel::choosePhoto()
{
    LWFileRequest request;
    request.title = tr("A photo to preview the effect on");
    request.filter = QStringList{tr("Photos (*.png *.jpg *.jpeg *.bmp *.webp)")};
    LWDialogs::instance()->openFile(request, [this](const QList<QUrl> &urls) {
        if (!urls.isEmpty())
            openPhoto(urls.first().toLocalFile());
    });
}

void LWPreviewViewModel::chooseVideo()
{
    LWFileRequest request;
    request.title = tr("A video to preview the effect on");
    request.filter = QStringList{tr("Videos (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)")};
    LWDialogs::instance()->openFile(request, [this](const QList<QUrl> &urls) {
        if (!urls.isEmpty())
            openVideo(urls.first().toLocalFile());
    });
}

void LWPreviewViewModel::chooseFace(int index)
{
    if (index < 0 || index >= m_faceCount || index == m_chosenFace)
        return;
    QMetaObject::invokeMethod(m_worker, [this, index] {
        if (m_worker->tracker)
            m_worker->tracker->choose(index);
        m_worker->retrack = true;
    }, Qt::QueuedConnection);
    m_dirty = true;
    requestFrame();
}

void LWPreviewViewModel::onSourceChanged()
{
    // The face followed before belongs to the last source.
    QMetaObject::invokeMethod(m_worker, [this] { m_worker->forgetFace(); }, Qt::QueuedConnection);
    m_faceHeld.clear();
    m_faceState = -1;
    if (m_faceCount != 0 || m_chosenFace != -1) {
        m_faceCount = 0;
        m_chosenFace = -1;
        emit facesChanged();
    }
    if (m_source->kind() != LWPreviewSource::Standard) {
        if (m_faceType != 0)
            setFaceType(0); // the tracker knows human faces only
        loadModel();
    }
    emit sourceChanged();
    emit standardOnlyNoteChanged();
    updateFaceStatus();
    m_dirty = true;
    requestFrame();
}

void LWPreviewViewModel::loadModel()
{
    if (m_modelAsked)
        return;
    m_modelAsked = true;
    // Reading the model takes about a second: off the interface thread.
    QThread *loader = QThread::create([this] {
        QString error;
        std::shared_ptr<const LWFaceModel> model = LWFaceModel::shared(&error);
        QMetaObject::invokeMethod(this, [this, model, error] { onModelLoaded(model, error); }, Qt::QueuedConnection);
    });
    loader->setObjectName(QStringLiteral("face model"));
    connect(loader, &QThread::finished, loader, &QObject::deleteLater);
    loader->start(QThread::LowPriority);
}

void LWPreviewViewModel::onModelLoaded(std::shared_ptr<const LWFaceModel> model, const QString &error)
{
    m_modelReady = model != nullptr;
    m_modelError = error;
    QMetaObject::invokeMethod(m_worker, [this, model] {
        m_worker->model = model;
        m_worker->forgetFace();
    }, Qt::QueuedConnection);
    updateFaceStatus();
    m_dirty = true;
    requestFrame();
}

void LWPreviewViewModel::onFaceSeen(const FaceSeen &seen, qint64 atMs)
{
    if (!seen.tracked || m_source->kind() == LWPreviewSource::Standard) {
        m_faceState = -1;
        updateFaceStatus();
        return;
    }
    if (seen.faces != m_faceCount || seen.chosen != m_chosenFace) {
        m_faceCount = seen.faces;
        m_chosenFace = seen.chosen;
        emit facesChanged();
    }
    m_faceState = seen.state;
    updateFaceStatus();
    // What the face holds lasts while it holds it, a frame's time at a time;
    // a gesture is a moment, like a button's.
    constexpr qint64 kFrameMs = 2 * kTickMs;
    bool changed = false;
    for (auto it = m_faceHeld.begin(); it != m_faceHeld.end();) {
        if (!seen.held.contains(it.key()))
            it = m_faceHeld.erase(it);
        else
            ++it;
    }
    for (int action : seen.held) {
        auto it = m_faceHeld.find(action);
        if (it != m_faceHeld.end() && it.value() < m_fired.size() && m_fired.at(it.value()).action == action) {
            LWRenderRules::Trigger &trigger = m_fired[it.value()];
            trigger.heldMs = std::max(trigger.heldMs, atMs - trigger.atMs + kFrameMs);
        } else {
            m_fired << LWRenderRules::Trigger{action, atMs, kFrameMs};
            m_faceHeld.insert(action, m_fired.size() - 1);
        }
        changed = true;
    }
    for (int action : seen.started) {
        if (!seen.held.contains(action)) {
            m_fired << LWRenderRules::Trigger{action, atMs};
            changed = true;
        }
    }
    if (changed && !m_playing)
        m_dirty = true;
}

void LWPreviewViewModel::setFaceStatus(const QString &status)
{
    if (m_faceStatus == status)
        return;
    m_faceStatus = status;
    emit faceStatusChanged();
}

void LWPreviewViewModel::updateFaceStatus()
{
    if (m_source->kind() == LWPreviewSource::Standard) {
        setFaceStatus(QString());
    } else if (!m_source->problem().isEmpty()) {
        setFaceStatus(m_source->problem());
    } else if (!m_modelReady) {
        setFaceStatus(m_modelError.isEmpty() ? tr("Loading the face model\u2026") : m_modelError);
    } else if (m_faceState == int(LWFaceTracker::State::Holding) || m_faceState == int(LWFaceTracker::State::NoFace)) {
        setFaceStatus(tr("No face found"));
    } else {
        setFaceStatus(QString());
    }
}
