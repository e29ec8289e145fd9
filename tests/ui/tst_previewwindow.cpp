// The Preview window of the main window, driven as an author drives it: it
// opens, draws the open effect from its package, fires a face action from
// its button, pauses, and follows an edit.
#include "LWEditorDriver.h"
#include "LWTestMain.h"
#include "app/CustomFileDialogAdapter.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "app/LWPreviewSource.h"
#include "app/LWPreviewViewModel.h"
#include "features/sticker2d/NS2DStickerParameter.h"
#include "package/LWZipUtil.h"
#include "workspace/LWEffectPackManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <QPainter>
#include <QSignalSpy>
#include <QtWebEngine>

using namespace LWEditorDriver;

namespace {

void writeJson(const QString &path, const QJsonObject &object)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(object).toJson());
}

QJsonArray anchor(int index, double x, double y)
{
    QJsonObject a{{"x", x}, {"y", y}};
    if (index >= 0)
        a.insert("index", index);
    return QJsonArray{a};
}

// A package whose one part, a green square on the nose, appears when the
// mouth opens.
QString mouthPackage(const QString &root)
{
    const QString folder = root + "/2DSticker";
    QDir().mkpath(folder + "/green");
    QImage frame(40, 40, QImage::Format_ARGB32);
    frame.fill(Qt::green);
    frame.save(folder + "/green/green_000.png");
    const QJsonObject part{
        {"position", QJsonObject{{"positionX", anchor(46, 20, 20)}, {"positionY", QJsonArray()}}},
        {"positionType", 1}, {"positionRelationType", 1}, {"rotateCenter", anchor(-1, 0, 0)},
        {"scale", QJsonObject{{"scaleX", QJsonObject{{"pointA", anchor(-1, 0, 0)}, {"pointB", anchor(-1, 0, 0)}}},
                              {"scaleY", QJsonObject{{"pointA", QJsonArray()}, {"pointB", QJsonArray()}}}}},
        {"triggerDelay", 0}, {"triggerLoop", 0}, {"triggerType", 4}, {"triggerStop", false},
        {"triggerDisappear", false}, {"triggerRestart", false}, {"width", 40}, {"height", 40},
        {"zPosition", 5000}, {"blendMode", 0}, {"frameCount", 1}, {"enable", true}, {"alphaFactor", 1.0}};
    writeJson(folder + "/content.json", {{"content", QJsonObject{{"path", "sticker.json"}}}, {"tag", "2DSticker"}});
    writeJson(folder + "/sticker.json", {{"version", "1.1"}, {"parts", QJsonObject{{"green", part}}}});
    writeJson(root + "/config.json",
              {{"name", "LW_test"}, {"version", "2.7.0"},
               {"effect", QJsonObject{{"Link", QJsonArray{QJsonObject{{"type", "2DSticker"}, {"zorder", 5000}, {"path", "2DSticker/"}}}}}}});
    return root;
}

// By object name through the item tree, which reaches repeated items too.
QQuickItem *named(QQuickItem *from, const QString &name)
{
    if (!from)
        return nullptr;
    if (from->objectName() == name && from->isVisible())
        return from;
    for (QQuickItem *child : from->childItems()) {
        if (QQuickItem *found = named(child, name))
            return found;
    }
    return nullptr;
}

// Where the green part is drawn; (-1, -1) when it is not.
QPointF greenCentre(const QImage &image)
{
    QPointF sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    return count ? sum / count : QPointF(-1, -1);
}

bool greenAtNose(const QImage &frame)
{
    if (frame.isNull())
        return false;
    // The frame is the standard face scaled to the frame's size.
    const QPointF nose = NS2DStickerParameter::faceTypeData(0).point(46) * (frame.width() / 720.0);
    const QRgb p = frame.pixel(nose.toPoint());
    return qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60;
}

} // namespace

class TstPreviewWindow : public QObject
{
    Q_OBJECT

    QQmlApplicationEngine *m_engine = nullptr; // owned
    QTemporaryDir m_dir;

    LWEffectPackManager *packs() const { return LWEffectPackManager::instance(); }
    LWPreviewViewModel *preview() const { return LWPreviewViewModel::instance(); }
    QQuickWindow *home() const { return window(*m_engine, QStringLiteral("homeWinObj")); }
    QQuickWindow *editor() const { return window(*m_engine, QStringLiteral("mainStudioObj")); }
    QQuickItem *inEditor(const char *name) const { return named(editor()->contentItem(), QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_engine = loadEditor(this);
        LWMainWindowController::instance()->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        call(home(), "newProject");
        QTRY_VERIFY(showing(editor()));
        QVERIFY(packs()->importEffect(mouthPackage(m_dir.filePath("mouth"))));
        QCOMPARE(packs()->getFeatureCount(), 1);
    }

    void drawsTheEffectAndFiresItsAction()
    {
        QVERIFY(!preview()->active());
        QVERIFY(click(editor(), inEditor("previewToggle")));
        QTRY_VERIFY(preview()->active());
        QQuickItem *image = inEditor("previewImage");
        QVERIFY(image);
        QTRY_VERIFY(!preview()->frameUrl().isEmpty());
        QTRY_COMPARE(image->property("source").toUrl().toString(), preview()->frameUrl());
        QTRY_VERIFY(preview()->triggers().size() == 1);
        QVERIFY(!greenAtNose(preview()->frame()));
        QTRY_VERIFY(inEditor("previewTrigger4"));
        QVERIFY(click(editor(), inEditor("previewTrigger4")));
        QTRY_VERIFY(greenAtNose(preview()->frame()));
        // It keeps playing at a frame rate worth the name.
        QTRY_VERIFY_WITH_TIMEOUT(preview()->framesPerSecond() >= 20, 5000);
    }

    void pausesRestartsAndScrubs()
    {
        QVERIFY(preview()->playing());
        QVERIFY(click(editor(), inEditor("previewPlay")));
        QTRY_VERIFY(!preview()->playing());
        const int at = preview()->timeMs();
        QTest::qWait(200);
        QCOMPARE(preview()->timeMs(), at);
        // Restart forgets the fired action: the part is gone again.
        QVERIFY(click(editor(), inEditor("previewRestart")));
        QTRY_COMPARE(preview()->timeMs(), 0);
        QTRY_VERIFY(!greenAtNose(preview()->frame()));
        QVERIFY(click(editor(), inEditor("previewPlay")));
        QTRY_VERIFY(preview()->playing());
    }

    void followsAnEdit()
    {
        // A second copy of the effect: the package is written again once
        // the edit settles; both parts answer the one action.
        QSignalSpy rebuilt(preview(), &LWPreviewViewModel::packageChanged);
        QVERIFY(packs()->importEffect(m_dir.filePath("mouth")));
        QTRY_VERIFY(rebuilt.count() > 0);
        QCOMPARE(preview()->triggers().size(), 1);
        QVERIFY(click(editor(), inEditor("previewTrigger4")));
        QTRY_VERIFY(greenAtNose(preview()->frame()));
    }

    // An effect with background music offers its mute beside the player's
    // controls; the mute is the author's until taken back.
    void musicHasAMute()
    {
        const QString root = m_dir.filePath("music");
        mouthPackage(root);
        QDir().mkpath(root + "/bgm");
        QFile song(root + "/bgm/song.mp3");
        QVERIFY(song.open(QIODevice::WriteOnly));
        song.write(QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + QByteArray(2048, '\0'));
        song.close();
        QJsonObject config = QJsonDocument::fromJson([&] {
                                 QFile f(root + "/config.json");
                                 f.open(QIODevice::ReadOnly);
                                 return f.readAll();
                             }()).object();
        QJsonObject effect = config.value("effect").toObject();
        effect.insert("bgm", QJsonObject{{"music_path", "bgm/song.mp3"}, {"actiontype", 0},
                                         {"action", QJsonObject{{"triggerType", 0}, {"triggerLoop", 0}}}});
        config.insert("effect", effect);
        writeJson(root + "/config.json", config);

        QVERIFY(!preview()->hasMusic());
        QVERIFY(!inEditor("previewMute"));
        QVERIFY(packs()->importEffect(root));
        QTRY_VERIFY(preview()->hasMusic());
        QQuickItem *mute = nullptr;
        QTRY_VERIFY((mute = inEditor("previewMute")));
        QVERIFY(click(editor(), mute));
        QTRY_VERIFY(preview()->muted());
        QVERIFY(click(editor(), mute));
        QTRY_VERIFY(!preview()->muted());
    }

    // The author picks a photo in the file dialog; the effect is drawn on
    // the face in it, and what the face does fires the part.
    void drawsOnAPhotosFace()
    {
        QVERIFY(packs()->importEffect(mouthPackage(m_dir.filePath("photo"))));
        QTRY_VERIFY(preview()->active());
        pickInDialog("previewSourcePhoto", QStringLiteral(LW_SOURCE_DIR "/tests/render/faces/standardMouthOpen.png"));
        QTRY_COMPARE(preview()->source(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(preview()->faceStatus().isEmpty() && preview()->faceCount() == 1, 10000);
        // The open mouth shows the part, on the photo's nose (the frame is
        // the photo, drawn at the pane's size).
        QTRY_VERIFY_WITH_TIMEOUT(greenCentre(preview()->frame()).x() >= 0, 5000);
        const QImage frame = preview()->frame();
        const QPointF nose = QPointF(360, 700) * (frame.height() / 1280.0);
        QVERIFY(QLineF(greenCentre(frame), nose).length() < frame.height() * 0.04);
        // The cat face is the standard face's alone.
        QVERIFY(!inEditor("previewCatFace"));
        QVERIFY(click(editor(), inEditor("previewSourceStandard")));
        QTRY_COMPARE(preview()->source(), 0);
    }

    // A video of the drawn face plays in the window with the face followed
    // and its open mouth firing the part.
    void followsTheFaceInAVideo()
    {
        pickInDialog("previewSourceVideo", QStringLiteral(LW_SOURCE_DIR "/tests/render/faces/standardFace.ogv"));
        QTRY_COMPARE(preview()->source(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(preview()->faceCount() == 1 && preview()->faceStatus().isEmpty(), 15000);
        // 480 x 270 frames, drawn in their own shape.
        QTRY_VERIFY(preview()->frame().width() > preview()->frame().height());
        QTRY_VERIFY_WITH_TIMEOUT(greenCentre(preview()->frame()).x() >= 0, 15000);
        QVERIFY(click(editor(), inEditor("previewSourceStandard")));
        QTRY_COMPARE(preview()->source(), 0);
    }

    // Two faces in a photo: the window offers both and follows the one
    // the author picks.
    void choosesAmongFaces()
    {
        const QImage one(QStringLiteral(":/LW2DSticker/imgStandardFaceHuman.png"));
        QImage two(960, 800, QImage::Format_RGB32);
        two.fill(QColor(198, 208, 220));
        {
            QPainter p(&two);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(10, 0, 450, 800), one);
            p.drawImage(QRectF(500, 0, 450, 800), one);
        }
        const QString path = m_dir.filePath("two.png");
        QVERIFY(two.save(path));
        pickInDialog("previewSourcePhoto", path);
        QTRY_VERIFY_WITH_TIMEOUT(preview()->faceCount() == 2, 10000);
        QQuickItem *second = nullptr;
        QTRY_VERIFY((second = inEditor("previewFace1")) != nullptr);
        const int first = preview()->chosenFace();
        QVERIFY(first == 0 || first == 1);
        // The button's own signal rather than a pointer at its place: the
        // row reflows while the tracker reports, and a click could land
        // beside the button.
        QObject *other = inEditor(first == 0 ? "previewFace1" : "previewFace0");
        QVERIFY(other);
        QVERIFY(QMetaObject::invokeMethod(other, "clicked"));
        QTRY_COMPARE(preview()->chosenFace(), 1 - first);
        QCOMPARE(preview()->faceCount(), 2);
        QVERIFY(click(editor(), inEditor("previewSourceStandard")));
        QTRY_COMPARE(preview()->source(), 0);
        QTRY_VERIFY(!inEditor("previewFace1"));
    }

    void saysWhenThereIsNoFace()
    {
        QImage empty(400, 300, QImage::Format_RGB32);
        empty.fill(QColor(90, 120, 160));
        const QString path = m_dir.filePath("empty.png");
        QVERIFY(empty.save(path));
        pickInDialog("previewSourcePhoto", path);
        QQuickItem *status = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((status = inEditor("previewFaceStatus")) != nullptr
                                     && status->property("text").toString() == QLatin1String("No face found"),
                                 10000);
        QCOMPARE(preview()->faceCount(), 0);
        QVERIFY(greenCentre(preview()->frame()).x() < 0);
        // Hair colour shows on the standard face only, and the window says so.
        QVERIFY(!inEditor("previewStandardOnly"));
        packs()->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeHairColor"));
        QTRY_VERIFY_WITH_TIMEOUT(inEditor("previewStandardOnly"), 5000);
        QVERIFY(inEditor("previewStandardOnly")->property("text").toString().contains("standard face"));
        // No camera on this machine is said as plainly.
        if (!LWPreviewSource::hasCamera()) {
            QVERIFY(click(editor(), inEditor("previewSourceCamera")));
            QTRY_COMPARE(preview()->faceStatus(), QStringLiteral("No camera"));
        }
        QVERIFY(click(editor(), inEditor("previewSourceStandard")));
        QTRY_COMPARE(preview()->source(), 0);
        QTRY_VERIFY(!inEditor("previewFaceStatus"));
        QVERIFY(!inEditor("previewStandardOnly"));
    }

    // Pictures of the window for a person to look at (LW_SHOT_DIR): a
    // template effect on the photograph and on the drawn face's video.
    void pictures()
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set LW_SHOT_DIR to take the window's pictures");
        if (!preview()->active())
            QVERIFY(click(editor(), inEditor("previewToggle")));
        QTRY_VERIFY(preview()->active());
        for (const char *name : {"temp2DSticker1", "tempMakeup1"}) {
            const QString unpacked = m_dir.filePath(QLatin1String(name));
            QVERIFY(LWZipUtil::unzip(QStringLiteral(LW_SOURCE_DIR "/assets/LWHome/templates/%1.zip").arg(QLatin1String(name)),
                                     unpacked));
            QVERIFY(packs()->importEffect(unpacked));
        }
        pickInDialog("previewSourcePhoto", QStringLiteral(LW_SOURCE_DIR "/tests/render/faces/astronaut.png"));
        QTRY_VERIFY_WITH_TIMEOUT(preview()->faceCount() == 1, 10000);
        QTest::qWait(1500);
        editor()->grabWindow().save(folder + "/preview-photo.png");
        preview()->frame().save(folder + "/preview-photo-frame.png");
        pickInDialog("previewSourceVideo", qEnvironmentVariable("LW_SHOT_VIDEO",
                                                                QStringLiteral(LW_SOURCE_DIR "/tests/render/faces/standardFace.ogv")));
        QTRY_VERIFY_WITH_TIMEOUT(preview()->faceCount() == 1, 15000);
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(700);
            editor()->grabWindow().save(folder + QStringLiteral("/preview-video-%1.png").arg(i));
            preview()->frame().save(folder + QStringLiteral("/preview-video-frame-%1.png").arg(i));
        }
    }

private:
    // Clicks the button, then answers the file dialog it opens with path.
    void pickInDialog(const char *button, const QString &path)
    {
        QObject *adapter = LWMainWindowController::instance()->fileDialogAdapter();
        QSignalSpy asked(adapter, SIGNAL(openDialog()));
        QQuickItem *item = nullptr;
        QTRY_VERIFY((item = inEditor(button)) != nullptr);
        QVERIFY(click(editor(), item));
        QTRY_COMPARE(asked.size(), 1);
        QObject answer;
        answer.setProperty("fileUrl", QUrl::fromLocalFile(path));
        answer.setProperty("fileUrls", QVariant::fromValue(QList<QUrl>{QUrl::fromLocalFile(path)}));
        answer.setProperty("folder", QUrl());
        QObject *platformDialog = editor()->findChild<QObject *>(QStringLiteral("adapterFileDialog"));
        QVERIFY(platformDialog);
        QTRY_VERIFY(platformDialog->property("visible").toBool());
        QMetaObject::invokeMethod(platformDialog, "close");
        QMetaObject::invokeMethod(adapter, "accepted", Q_ARG(QObject *, &answer));
    }
};

LW_TEST_MAIN(TstPreviewWindow)
#include "tst_previewwindow.moc"
