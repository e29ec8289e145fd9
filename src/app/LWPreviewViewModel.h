#pragma once

#include "common/Singleton.h"
#include "render/LWRenderPackage.h"
#include "render/LWRenderRules.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QTimer>
#include <QVariantList>

#include <memory>

class QQuickImageProvider;
class QThread;
class LWFaceModel;
class LWPreviewMusic;
class LWPreviewSource;
class LWPreviewWorker;

// The preview window's model: the open effect drawn as its package says, on
// the standard face or on a face tracked in a photo, a video or the camera,
// playing. The package is written from the effect a moment after edits
// settle (as the size estimator writes it), and reading it, tracking the
// face and drawing every frame happen on a worker thread, so the interface
// never waits for a picture: while one frame is drawn, the clock runs on and
// the next request asks for the then current moment. What the tracked face
// does fires its actions as the trigger buttons do; the buttons stay.
class LWPreviewViewModel : public QObject, public Singleton<LWPreviewViewModel>
{
    Q_OBJECT
    friend class Singleton<LWPreviewViewModel>;
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(bool playing READ playing NOTIFY playingChanged)
    Q_PROPERTY(int timeMs READ timeMs NOTIFY frameChanged)
    Q_PROPERTY(int durationMs READ durationMs NOTIFY packageChanged)
    Q_PROPERTY(QString frameUrl READ frameUrl NOTIFY frameChanged)
    Q_PROPERTY(double framesPerSecond READ framesPerSecond NOTIFY statsChanged)
    Q_PROPERTY(int drawMs READ drawMs NOTIFY statsChanged)
    Q_PROPERTY(QVariantList triggers READ triggers NOTIFY packageChanged)
    Q_PROPERTY(bool allowsCat READ allowsCat NOTIFY packageChanged)
    Q_PROPERTY(int faceType READ faceType WRITE setFaceType NOTIFY faceTypeChanged)
    Q_PROPERTY(bool hasEffect READ hasEffect NOTIFY packageChanged)
    Q_PROPERTY(bool building READ building NOTIFY buildingChanged)
    Q_PROPERTY(QSize frameSize READ frameSize WRITE setFrameSize NOTIFY frameSizeChanged)
    // The effect's background music, and the author's mute of it.
    Q_PROPERTY(bool hasMusic READ hasMusic NOTIFY packageChanged)
    Q_PROPERTY(bool muted READ muted WRITE setMuted NOTIFY mutedChanged)
    // What the effect is drawn on (LWPreviewSource::Kind) and how the face
    // in it is followed: a line for the window ("No face found", "No
    // camera", the model loading), the faces found and the one followed.
    Q_PROPERTY(int source READ source NOTIFY sourceChanged)
    Q_PROPERTY(QString sourceName READ sourceName NOTIFY sourceChanged)
    Q_PROPERTY(QString faceStatus READ faceStatus NOTIFY faceStatusChanged)
    Q_PROPERTY(int faceCount READ faceCount NOTIFY facesChanged)
    Q_PROPERTY(int chosenFace READ chosenFace NOTIFY facesChanged)
    // Set when the effect has parts that show on the standard face only.
    Q_PROPERTY(QString standardOnlyNote READ standardOnlyNote NOTIFY standardOnlyNoteChanged)

public:
    using Singleton<LWPreviewViewModel>::instance;

    static constexpr int kSettleMs = 600;
    // Frames are asked for at 30 a second: the pace of the camera the
    // effects run on, and half the cost of redrawing the window at 60.
    static constexpr int kTickMs = 33;

    bool active() const { return m_active; }
    void setActive(bool active);
    bool playing() const { return m_playing; }
    int timeMs() const { return int(m_shownMs); }
    int durationMs() const { return m_durationMs; }
    QString frameUrl() const;
    double framesPerSecond() const { return m_fps; }
    int drawMs() const { return m_drawMs; }
    QVariantList triggers() const { return m_triggerButtons; }
    bool allowsCat() const { return m_allowsCat; }
    int faceType() const { return m_faceType; }
    void setFaceType(int faceType);
    bool hasEffect() const { return m_hasEffect; }
    bool building() const { return m_building; }
    QSize frameSize() const { return m_frameSize; }
    bool hasMusic() const;
    bool muted() const;
    void setMuted(bool muted);
    void setFrameSize(const QSize &size);

    int source() const;
    QString sourceName() const;
    QString faceStatus() const { return m_faceStatus; }
    int faceCount() const { return m_faceCount; }
    int chosenFace() const { return m_chosenFace; }
    QString standardOnlyNote() const;

    // The sources, from the window: the photo and the video are picked in
    // the file dialog.
    Q_INVOKABLE void useStandardFace();
    Q_INVOKABLE void choosePhoto();
    Q_INVOKABLE void chooseVideo();
    Q_INVOKABLE void useCamera();
    // Follows the face at this index (left to right) of those found.
    Q_INVOKABLE void chooseFace(int index);
    // The same sources from code: false when the photo cannot be read.
    bool openPhoto(const QString &path);
    void openVideo(const QString &path);

    Q_INVOKABLE void play();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void restart();
    Q_INVOKABLE void seek(int ms);
    // Fires the face action (its engine value) at the current moment.
    Q_INVOKABLE void fire(int action);
    // Writes the package again after the edits settle.
    Q_INVOKABLE void schedule();

    // The frame last drawn, for the image provider (any thread).
    QImage frame() const;
    // A provider for an engine, which takes ownership of it.
    static QQuickImageProvider *imageProvider();

signals:
    void activeChanged();
    void playingChanged();
    void frameChanged();
    void statsChanged();
    void packageChanged();
    void faceTypeChanged();
    void buildingChanged();
    void frameSizeChanged();
    void mutedChanged();
    void sourceChanged();
    void faceStatusChanged();
    void facesChanged();
    void standardOnlyNoteChanged();

private:
    LWPreviewViewModel();
    ~LWPreviewViewModel() override;

    void build();
    struct MusicSource
    {
        LWRenderPackage::Music music;
        bool present = false;
        std::shared_ptr<void> keep;
    };
    void onPackageRead(bool ok, int durationMs, const QVariantList &actions, bool allowsCat, bool standardOnly,
                       const MusicSource &music);
public:
    // What the worker saw of the face in a frame.
    struct FaceSeen
    {
        bool tracked = false; // a photo, video or camera frame was tracked
        int state = 0;        // LWFaceTracker::State
        int faces = 0;
        int chosen = -1;
        QVector<int> started, held;
    };

private:
    void onFrame(const QImage &frame, qint64 atMs, int drawMs, const FaceSeen &seen);
    void onFaceSeen(const FaceSeen &seen, qint64 atMs);
    void onModelLoaded(std::shared_ptr<const LWFaceModel> model, const QString &error);
    void loadModel();
    void onSourceChanged();
    void updateFaceStatus();
    void setFaceStatus(const QString &status);
    void tick();
    qint64 clockMs() const;
    void requestFrame();
    void setBuilding(bool building);

    LWPreviewMusic *m_music = nullptr;   // owned (QObject child)
    LWPreviewSource *m_source = nullptr; // owned (QObject child)
    QThread *m_thread = nullptr;         // owned
    LWPreviewWorker *m_worker = nullptr; // owned, lives in m_thread
    QTimer m_settle;
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_startMs = 0; // effect time when the clock was last started or set
    qint64 m_shownMs = 0;
    bool m_active = false;
    bool m_playing = true;
    bool m_inFlight = false;
    bool m_dirty = true; // a still frame must be redrawn
    bool m_building = false;
    bool m_buildAgain = false;
    bool m_hasEffect = false;
    bool m_allowsCat = false;
    int m_faceType = 0;
    int m_durationMs = 3000;
    int m_drawMs = 0;
    double m_fps = 0;
    int m_framesCounted = 0;
    QElapsedTimer m_fpsClock;
    quint64 m_frameNumber = 0;
    QSize m_frameSize{360, 640};
    QVariantList m_triggerButtons;
    QVector<LWRenderRules::Trigger> m_fired;
    // Actions the tracked face holds now: their entries in m_fired, which
    // grow while the face holds them.
    QHash<int, int> m_faceHeld;
    bool m_modelAsked = false;
    bool m_modelReady = false;
    QString m_modelError;
    QString m_faceStatus;
    int m_faceState = -1;
    int m_faceCount = 0;
    int m_chosenFace = -1;
    quint64 m_sourceSerial = 0;
    bool m_standardOnly = false;
    mutable QMutex m_frameLock;
    QImage m_frame;
};
