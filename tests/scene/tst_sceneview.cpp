// The part editor as an author uses it, in a window: a sticker of three
// parts with frames, one of whose frames cannot be read, is selected,
// dragged past another part's edge, scaled with its handle, nudged with the
// arrow keys, zoomed and undone. Each gesture must leave exactly one undo
// step (none when nothing moved). Stickers with bad numbers and thousands
// of parts must draw without a warning; three animated 300-frame parts
// report the CPU they cost.
//
// With LW_SCENE_SHOTS set to a folder the window is saved there at each
// stage, for looking at.

#include "LWStickerTestKit.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "features/makeup/LWFaceMakeUpV2Model.h"
#include "features/makeup/LWFaceMakeupV2FilterBase.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/LW2DStickerScenePartMoveUndoCommand.h"
#include "features/sticker2d/LW2DStickerScenePartScaleUndoCommand.h"
#include "features/sticker2d/LW2DStickerPartSceneViewModel.h"
#include "features/sticker2d/LW2DStickerSceneViewModel.h"
#include "undo/LWUndoCommand.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QElapsedTimer>
#include <functional>
#include <QPainter>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace LWStickerTestKit;

namespace {

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << message;
    if (g_previous)
        g_previous(type, context, message);
}

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

LWUndoStack *stack()
{
    return LWUndoStack::instance();
}

// Frames that differ from one another, so that a decoder has work to do
// and a screenshot shows which frame is up.
bool writeSequence(const QString &folder, const QString &key, int count, QSize size, QColor colour)
{
    const QString dir = folder + "/" + key;
    QDir().mkpath(dir);
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(colour);
        painter.setPen(QPen(colour.darker(160), 4));
        painter.drawRoundedRect(QRectF(QPointF(2, 2), size - QSizeF(4, 4)), 18, 18);
        painter.setPen(Qt::white);
        QFont font;
        font.setPixelSize(size.height() / 3);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignCenter, QString::number(i));
        painter.end();
        if (!image.save(QStringLiteral("%1/%2_%3.png").arg(dir, key).arg(i, 3, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

// A part of the given frame size anchored on the eyes.
QJsonObject framedPart(int zPosition, QSize size, int frames)
{
    return part(zPosition, {{"width", size.width()}, {"height", size.height()}, {"frameCount", frames}});
}

// The moves and scales done so far (selection changes are steps too, of
// their own kind).
int sceneSteps()
{
    int steps = 0;
    for (int i = 0; i < stack()->index(); ++i) {
        const LWUndoCommand *command = stack()->command(i);
        if (dynamic_cast<const LW2DStickerScenePartMoveUndoCommand *>(command)
            || dynamic_cast<const LW2DStickerScenePartScaleUndoCommand *>(command))
            ++steps;
    }
    return steps;
}

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of the threads that draw and decode: the interface thread and
// the image loader. The project's own workers (package size, backup) run in
// the same process and are left out of this figure.
double drawingCpuSeconds()
{
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    double seconds = 0;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        QFile file(QStringLiteral("/proc/self/task/%1/stat").arg(task));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = file.readAll();
        const int open = line.indexOf('(');
        const int close = line.lastIndexOf(')');
        const QByteArray name = line.mid(open + 1, close - open - 1);
        const bool interfaceThread = task.toLongLong() == getpid();
        if (!interfaceThread && !name.startsWith("QQuickPixmap"))
            continue;
        // utime and stime: fields 14 and 15, the 12th and 13th after the name.
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        seconds += double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) / ticksPerSecond;
    }
    return seconds;
}

} // namespace

class TstSceneView : public QObject
{
    Q_OBJECT

    QQmlEngine *m_engine = nullptr; // owned by m_view
    std::unique_ptr<QQuickView> m_view;
    LW2DStickerFeatureModel *m_feature = nullptr;
    LW2DStickerPartSceneViewModel *m_scene = nullptr;
    QTemporaryDir m_frames;
    QString m_shots;
    int m_shot = 0;

    // A fresh project whose sticker is read from parts and the frame
    // folders written into m_frames.
    void loadSticker(const QJsonObject &parts)
    {
        m_view.reset();
        packs()->clearWorkspace();
        packs()->createProj();
        packs()->createFeatureToWorkSpaceEffect("LWFeatureType2DSticker");
        m_feature = dynamic_cast<LW2DStickerFeatureModel *>(packs()->effect()->featureAt(0));
        QVERIFY(m_feature);
        LW2DSticker::LoadContext context;
        context.featureFolder = m_frames.path();
        m_feature->sticker()->load(QJsonObject{{"version", "1.1"}, {"parts", parts}}, context);
        m_scene = m_feature->partScene();
        stack()->clear();
    }

    void showView() { showScene(m_scene); }
    // The document the scene names, handed the scene as the editor does.
    void showScene(LWSceneViewModel *scene)
    {
        m_view = std::make_unique<QQuickView>();
        m_engine = m_view->engine();
        LWAppHost::publishServices(*m_engine);
        m_view->setResizeMode(QQuickView::SizeRootObjectToView);
        m_view->setInitialProperties({{"lwModel", QVariant::fromValue<QObject *>(scene)}});
        m_view->setSource(QUrl(scene->qmlPath()));
        QVERIFY2(m_view->status() == QQuickView::Ready, qPrintable(m_view->errors().value(0).toString()));
        m_view->resize(900, 820);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QTest::qWait(300); // the first frames come in
    }

    QQuickItem *root() const { return m_view->rootObject(); }
    // The drawn item of a part (the delegates hang in the visual tree only).
    QQuickItem *partItem(QObject *part, QQuickItem *from = nullptr) const
    {
        const QList<QQuickItem *> children = (from ? from : root())->childItems();
        for (QQuickItem *child : children) {
            if (child->property("part").value<QObject *>() == part)
                return child;
            if (QQuickItem *found = partItem(part, child))
                return found;
        }
        return nullptr;
    }
    QObject *viewport() const { return root()->findChild<QObject *>("viewport"); }
    // The part's frame image on show once it has been decoded.
    static QQuickItem *readyFrame(QQuickItem *part)
    {
        constexpr int kReady = 1; // Image.Ready
        const QList<QQuickItem *> children = part->childItems();
        for (QQuickItem *child : children) {
            const QString source = child->property("source").toUrl().toString();
            if (child->isVisible() && child->property("status").toInt() == kReady && source.endsWith(".png")
                && !source.startsWith("qrc:"))
                return child;
        }
        return nullptr;
    }

    QRectF viewRect(int index)
    {
        QVariant rect;
        QMetaObject::invokeMethod(root(), "viewRect", Q_RETURN_ARG(QVariant, rect), Q_ARG(QVariant, index));
        return rect.toRectF();
    }
    QPointF mapToFace(QPointF p)
    {
        QVariant point;
        QMetaObject::invokeMethod(viewport(), "mapToFace", Q_RETURN_ARG(QVariant, point), Q_ARG(QVariant, p.x()),
                                  Q_ARG(QVariant, p.y()));
        return point.toPointF();
    }
    int hitAt(QPointF p)
    {
        QVariant index;
        QMetaObject::invokeMethod(root(), "partAt", Q_RETURN_ARG(QVariant, index), Q_ARG(QVariant, p.x()),
                                  Q_ARG(QVariant, p.y()));
        return index.toInt();
    }

    void mouse(QEvent::Type type, QPointF p, Qt::MouseButtons buttons)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, m_view->mapToGlobal(p.toPoint()), button, buttons, Qt::NoModifier);
        QGuiApplication::sendEvent(m_view.get(), &event);
    }
    // Pressed at from, moved there in steps, released at to (unless kept).
    void drag(QPointF from, QPointF to, bool release = true, int steps = 12)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= steps; ++i)
            mouse(QEvent::MouseMove, from + (to - from) * (double(i) / steps), Qt::LeftButton);
        if (release)
            mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    void key(int code, bool autoRepeat = false, QEvent::Type type = QEvent::KeyPress)
    {
        QKeyEvent event(type, code, Qt::NoModifier, QString(), autoRepeat);
        QGuiApplication::sendEvent(m_view.get(), &event);
    }

    void shot(const QString &name)
    {
        if (m_shots.isEmpty())
            return;
        QTest::qWait(50);
        const QString file = QStringLiteral("%1/%2_%3.png").arg(m_shots).arg(++m_shot, 2, 10, QChar('0')).arg(name);
        const QImage image = m_view->grabWindow();
        if (!image.save(file))
            qInfo("could not save %s (%dx%d)", qPrintable(file), image.width(), image.height());
    }

private slots:
    void initTestCase()
    {
        LWAppHost::registerTypes();
        m_shots = qEnvironmentVariable("LW_SCENE_SHOTS");
        if (!m_shots.isEmpty())
            QDir().mkpath(m_shots);
        g_previous = qInstallMessageHandler(collect);
    }
    void init() { g_warnings.clear(); }
    void cleanup()
    {
        m_view.reset();
        packs()->clearWorkspace();
        stack()->clear();
    }

    // Select, drag, line up, scale, nudge and undo, one step per gesture.
    void editingGestures()
    {
        QVERIFY(writeSequence(m_frames.path(), "ears", 4, QSize(240, 120), QColor("#4f8ff7")));
        QVERIFY(writeSequence(m_frames.path(), "blush", 2, QSize(160, 160), QColor("#ff7a9a")));
        QVERIFY(writeSequence(m_frames.path(), "ghost", 3, QSize(120, 120), QColor("#8fd694")));
        loadSticker({{"ears", framedPart(5000, QSize(240, 120), 4)},
                     {"blush", framedPart(4999, QSize(160, 160), 2)},
                     {"ghost", framedPart(4998, QSize(120, 120), 3)}});
        LW2DSticker *sticker = m_feature->sticker();
        QCOMPARE(sticker->modelCount(), 3);
        LW2DStickerPart *ears = sticker->modelAt(0);
        LW2DStickerPart *blush = sticker->modelAt(1);
        LW2DStickerPart *ghost = sticker->modelAt(2);
        // Spread the parts over the face; the ghost's frames are then lost.
        ears->setFramePos(QPointF(240, 330));
        blush->setFramePos(QPointF(120, 640));
        ghost->setFramePos(QPointF(470, 700));
        stack()->clear();
        for (int i = 0; i < 3; ++i)
            QVERIFY(QFile::remove(QStringLiteral("%1_%2.png").arg(ghost->stickerPartPath()).arg(i, 3, 10, QChar('0'))));

        showView();
        // View indices: 0 ghost (drawn first), 1 blush, 2 ears (on top).
        shot("initial");
        QQuickItem *ghostItem = partItem(ghost);
        QVERIFY(ghostItem);
        QVERIFY(ghostItem->property("frameFailed").toBool());

        // Hovering names the part and marks it; a click selects it.
        const QRectF earsBox = viewRect(2);
        mouse(QEvent::MouseMove, earsBox.center(), Qt::NoButton);
        QCOMPARE(root()->property("hoverIndex").toInt(), 2);
        mouse(QEvent::MouseButtonPress, earsBox.center(), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, earsBox.center(), Qt::NoButton);
        QCOMPARE(m_scene->qmlSelectIndex(), 2);
        QCOMPARE(m_scene->selectedPart(), ears);
        QCOMPARE(sceneSteps(), 0); // a click moves nothing
        shot("selected");

        // A drag is one step, whatever the number of mouse moves.
        const QPointF earsBefore = ears->framePos();
        const double viewScale = viewport()->property("viewScale").toDouble();
        drag(earsBox.center(), earsBox.center() + QPointF(60, 40), false);
        QCOMPARE(root()->property("mode").toString(), QString("movePart"));
        mouse(QEvent::MouseButtonRelease, earsBox.center() + QPointF(60, 40), Qt::NoButton);
        QCOMPARE(sceneSteps(), 1);
        QVERIFY(std::abs(ears->framePos().x() - (earsBefore.x() + 60 / viewScale)) < 1e-6);
        QVERIFY(std::abs(ears->framePos().y() - (earsBefore.y() + 40 / viewScale)) < 1e-6);
        shot("dragged");

        // Away and back again: no step.
        const QRectF moved = viewRect(2);
        mouse(QEvent::MouseButtonPress, moved.center(), Qt::LeftButton);
        mouse(QEvent::MouseMove, moved.center() + QPointF(80, 0), Qt::LeftButton);
        mouse(QEvent::MouseMove, moved.center(), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, moved.center(), Qt::NoButton);
        QCOMPARE(sceneSteps(), 1);

        // The left edge brought onto the blush's left edge: a guideline
        // there and the blush outlined, the part left where the mouse put it.
        const QRectF blushBox = viewRect(1);
        const QPointF grab = moved.center();
        const QPointF aligned = grab + QPointF(std::round(blushBox.left() - moved.left()), 0);
        drag(grab, aligned, false);
        const QVariantList guides = root()->property("guideXs").toList();
        QVERIFY2(!guides.isEmpty(), "no guideline at an aligned edge");
        QVERIFY(std::abs(guides.first().toDouble() - blushBox.left()) < 1e-6);
        QCOMPARE(root()->property("matchedParts").toList(), QVariantList{1});
        shot("guideline");
        mouse(QEvent::MouseMove, aligned + QPointF(0, 37), Qt::LeftButton);
        QVERIFY(root()->property("guideXs").toList().size() >= 1);
        mouse(QEvent::MouseMove, aligned + QPointF(23, 37), Qt::LeftButton);
        QVERIFY(root()->property("guideXs").toList().isEmpty());
        mouse(QEvent::MouseButtonRelease, aligned + QPointF(23, 37), Qt::NoButton);
        QCOMPARE(sceneSteps(), 2);
        QVERIFY(root()->property("matchedParts").toList().isEmpty());

        // The handle: uniform scaling by the smaller ratio, one step.
        const QRectF box = viewRect(2);
        const double scaleBefore = ears->partScale();
        const QPointF cornerBefore = ears->framePos();
        mouse(QEvent::MouseMove, box.bottomRight(), Qt::NoButton);
        QVERIFY(root()->property("overHandle").toBool());
        drag(box.bottomRight(), box.bottomRight() + QPointF(90, 30), false);
        QCOMPARE(root()->property("mode").toString(), QString("scalePart"));
        mouse(QEvent::MouseButtonRelease, box.bottomRight() + QPointF(90, 30), Qt::NoButton);
        QCOMPARE(sceneSteps(), 3);
        const double factor = std::min((box.width() + 90) / box.width(), (box.height() + 30) / box.height());
        QVERIFY2(std::abs(ears->partScale() - scaleBefore * factor) < 1e-6,
                 qPrintable(QString("%1 vs %2").arg(ears->partScale()).arg(scaleBefore * factor)));
        QVERIFY(std::abs((ears->framePos() - cornerBefore).manhattanLength()) < 1e-6);
        shot("scaled");

        // Undo takes the scale back, then the drag.
        stack()->undo();
        QVERIFY(std::abs(ears->partScale() - scaleBefore) < 1e-9);
        shot("scale_undone");
        stack()->undo();
        QVERIFY(std::abs(ears->framePos().x() - (earsBefore.x() + 60 / viewScale)) < 1e-6);
        stack()->redo();
        stack()->redo();
        QVERIFY(std::abs(ears->partScale() - scaleBefore * factor) < 1e-6);

        // Arrow keys: a held key is one step when it comes up.
        const QPointF beforeNudge = ears->framePos();
        const int steps = sceneSteps();
        key(Qt::Key_Right);
        key(Qt::Key_Right, true);
        key(Qt::Key_Right, true);
        QCOMPARE(sceneSteps(), steps);
        key(Qt::Key_Right, false, QEvent::KeyRelease);
        QCOMPARE(sceneSteps(), steps + 1);
        QVERIFY(std::abs(ears->framePos().x() - (beforeNudge.x() + 24)) < 1e-6);
        key(Qt::Key_Up);
        key(Qt::Key_Up, false, QEvent::KeyRelease);
        QVERIFY(std::abs(ears->framePos().y() - (beforeNudge.y() - 8)) < 1e-6);

        // Another part chosen by a click, then the hover prefers the
        // selected part where they overlap.
        const QRectF blushNow = viewRect(1);
        mouse(QEvent::MouseButtonPress, blushNow.center(), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, blushNow.center(), Qt::NoButton);
        QCOMPARE(m_scene->selectedPart(), blush);
        QVERIFY(g_warnings.isEmpty());
        shot("reselected");
    }

    // Zoom by keys (animated, about the centre), by the wheel (about the
    // cursor) and back with "Reset View"; the main window reads it 0.1 up.
    void zoom()
    {
        loadSticker({{"ears", framedPart(5000, QSize(240, 120), 0)}});
        showView();
        QObject *port = viewport();
        QCOMPARE(root()->property("zoomPercent").toInt(), 100);
        QCOMPARE(port->property("wholeScale").toDouble(), 0.9);
        mouse(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton); // focus
        mouse(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::NoButton);
        key(Qt::Key_Plus);
        key(Qt::Key_Equal);
        QVERIFY(port->property("wholeScale").toDouble() < 1.05); // still on its way
        QTRY_COMPARE_WITH_TIMEOUT(root()->property("zoomPercent").toInt(), 120, 1000);
        QVERIFY(port->property("pannable").toBool());
        shot("zoomed_keys");
        key(Qt::Key_Minus);
        QTRY_COMPARE_WITH_TIMEOUT(root()->property("zoomPercent").toInt(), 110, 1000);

        // The face point under the cursor stays under it, once the face is
        // wider than the view (narrower, it stays centred across).
        QMetaObject::invokeMethod(port, "zoomBy", Q_ARG(QVariant, 1.0));
        QTRY_COMPARE_WITH_TIMEOUT(port->property("wholeScale").toDouble(), 2.0, 1000);
        // The scroll bar pans; the cursor says so while it is held.
        auto *bar = port->findChild<QQuickItem *>("verticalBar");
        QVERIFY(bar && bar->isVisible());
        const double middle = bar->property("position").toDouble() + bar->property("size").toDouble() / 2;
        const QPointF handle = bar->mapToScene(QPointF(bar->width() / 2, bar->height() * middle));
        const QPointF centreBefore = mapToFace(QPointF(450, 410));
        mouse(QEvent::MouseButtonPress, handle, Qt::LeftButton);
        mouse(QEvent::MouseMove, handle + QPointF(0, 50), Qt::LeftButton);
        mouse(QEvent::MouseMove, handle + QPointF(0, 100), Qt::LeftButton);
        QCOMPARE(root()->property("mode").toString(), QString("moveSlider"));
        mouse(QEvent::MouseButtonRelease, handle + QPointF(0, 100), Qt::NoButton);
        QVERIFY2(mapToFace(QPointF(450, 410)).y() > centreBefore.y() + 100,
                 qPrintable(QString::number(mapToFace(QPointF(450, 410)).y() - centreBefore.y())));
        QCOMPARE(root()->property("mode").toString(), QString("default"));

        const QPointF cursor(610, 300);
        const QPointF faceBefore = mapToFace(cursor);
        for (int notch = 0; notch < 20; ++notch) {
            QWheelEvent wheel(cursor, m_view->mapToGlobal(cursor.toPoint()), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QGuiApplication::sendEvent(m_view.get(), &wheel);
        }
        const double zoomed = port->property("wholeScale").toDouble();
        QVERIFY2(zoomed > 2.3, qPrintable(QString::number(zoomed)));
        const QPointF faceAfter = mapToFace(cursor);
        QVERIFY2((faceAfter - faceBefore).manhattanLength() < 1e-6,
                 qPrintable(QString("%1,%2").arg(faceAfter.x()).arg(faceAfter.y())));
        shot("zoomed_wheel");

        // Limits.
        for (int i = 0; i < 120; ++i)
            QMetaObject::invokeMethod(port, "zoomIn");
        QTRY_COMPARE_WITH_TIMEOUT(port->property("wholeScale").toDouble(), 9.9, 1000);
        QMetaObject::invokeMethod(port, "resetView");
        QCOMPARE(root()->property("zoomPercent").toInt(), 100);
        QVERIFY(!port->property("pannable").toBool());
        for (int i = 0; i < 120; ++i)
            QMetaObject::invokeMethod(port, "zoomOut");
        QTRY_COMPARE_WITH_TIMEOUT(port->property("wholeScale").toDouble(), 0.2, 1000);
        QVERIFY(g_warnings.isEmpty());
    }

    // Parts a damaged file can give: frames of no size, a scale of 0, no
    // frames at all, thousands of them. The view draws on, the placeholder
    // stands in, and dragging them gives the model nothing it cannot take.
    void badInputKeepsDrawing()
    {
        QJsonObject parts;
        for (int i = 0; i < 2000; ++i)
            parts.insert(QStringLiteral("crowd%1").arg(i, 4, 10, QChar('0')), framedPart(3000 - i, QSize(40, 40), 0));
        parts.insert("flat", part(4999, {{"scale", QJsonObject{{"scaleX", QJsonObject{
                                                                   {"pointA", QJsonArray{anchor(74, 100, 120)}},
                                                                   {"pointB", QJsonArray{anchor(74, 220, 120)}}}}}}}));
        parts.insert("nosize", framedPart(5000, QSize(0, 0), 5));
        loadSticker(parts);
        LW2DSticker *sticker = m_feature->sticker();
        QCOMPARE(sticker->modelCount(), 2002);
        QCOMPARE(sticker->modelAt(1)->partScale(), 0.0);
        sticker->modelAt(0)->setFramePos(QPointF(380, 820));
        stack()->clear();
        QElapsedTimer shown;
        shown.start();
        showView();
        qInfo("2002 parts shown in %lld ms", shown.elapsed());
        shot("bad_input");

        // The frame without size is drawn as the placeholder, full size.
        const int count = sticker->modelCount();
        const QRectF nosize = viewRect(count - 1);
        QVERIFY(nosize.width() > 0 && nosize.height() > 0);
        QCOMPARE(hitAt(nosize.center()), count - 1);
        // The part whose scale is 0 is drawn at scale 1 and cannot be taken
        // hold of: a drag selects it but moves nothing.
        const QRectF flat = viewRect(count - 2);
        QVERIFY(std::isfinite(flat.width()) && flat.width() > 0);
        const QPointF grip = flat.topLeft() + QPointF(3, 3);
        QCOMPARE(hitAt(grip), count - 2);
        drag(grip, grip + QPointF(50, 50));
        QCOMPARE(m_scene->qmlSelectIndex(), count - 2);
        QCOMPARE(sceneSteps(), 0);
        QVERIFY(g_warnings.isEmpty());
        const LW2DStickerAnchors anchors = sticker->modelAt(1)->anchors();
        QVERIFY(std::isfinite(anchors.scaleA.x) && std::isfinite(anchors.positionX.value(0).x));

        // A crowd part is still moved like any other.
        const QRectF crowd = viewRect(0);
        drag(crowd.center(), crowd.center() + QPointF(20, 0));
        QCOMPARE(sceneSteps(), 1);
    }

    // The other scenes draw their pictures without a warning and start at
    // the zoom the main window shows as 100%; the makeup draws the pupil
    // over both eyes.
    void otherScenes_data()
    {
        QTest::addColumn<QString>("feature");
        QTest::addColumn<QString>("choice");
        QTest::newRow("whole sticker") << "LWFeatureType2DSticker" << "";
        QTest::newRow("makeup") << "LWFeatureTypeFaceMakeupV2" << "pupil";
        QTest::newRow("filter") << "LWFeatureTypeFilter" << "";
        QTest::newRow("hair colour") << "LWFeatureTypeHairColor" << "";
    }
    void otherScenes()
    {
        QFETCH(QString, feature);
        QFETCH(QString, choice);
        packs()->clearWorkspace();
        packs()->createProj();
        packs()->createFeatureToWorkSpaceEffectWithChoice(feature, choice);
        LWNaviTreeItem *item = dynamic_cast<LWNaviTreeItem *>(packs()->effect()->featureAt(0));
        QVERIFY(item && item->sceneViewModel());
        QString pupil;
        if (auto *makeup = dynamic_cast<LWFaceMakeUpV2Model *>(item)) {
            makeup->addPart("brow");
            makeup->naviTreeItemSelect(); // the filters show their pictures
            pupil = makeup->makeupScene()->listFilterObject().isEmpty() ? QString()
                                                                         : makeup->makeupScene()->pupilFilterPath();
            QVERIFY(!pupil.isEmpty());
        } else if (auto *sticker = dynamic_cast<LW2DStickerFeatureModel *>(item)) {
            QVERIFY(writeSequence(m_frames.path(), "bow", 3, QSize(200, 120), QColor("#ff7a9a")));
            sticker->sticker()->load(QJsonObject{{"parts", QJsonObject{{"bow", framedPart(5000, QSize(200, 120), 3)}}}},
                                     {false, m_frames.path()});
            QVERIFY(qobject_cast<LW2DStickerSceneViewModel *>(item->sceneViewModel()));
        }
        showScene(item->sceneViewModel());
        QCOMPARE(root()->property("zoomPercent").toInt(), 100);
        shot(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        if (!pupil.isEmpty()) {
            int drawn = 0;
            std::function<void(QQuickItem *)> count = [&](QQuickItem *parent) {
                for (QQuickItem *child : parent->childItems()) {
                    if (child->property("source").toUrl() == QUrl::fromLocalFile(pupil) && child->isVisible())
                        ++drawn;
                    count(child);
                }
            };
            count(root());
            QCOMPARE(drawn, 2);
        }
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));
    }

    // A frame as large as the engine takes, shown at a fraction of its size,
    // is decoded near the size shown, not at 16 Mpx.
    void largeFramesDecodeAtTheSizeShown()
    {
        const QSize size(4096, 2048);
        QVERIFY(writeSequence(m_frames.path(), "huge", 1, size, QColor("#8fd694")));
        loadSticker(QJsonObject{{"huge", framedPart(5000, size, 1)}});
        m_feature->sticker()->modelAt(0)->setPartScale(0.1);
        stack()->clear();
        showView();
        QQuickItem *item = partItem(m_feature->sticker()->modelAt(0));
        QVERIFY(item);
        QQuickItem *shown = nullptr;
        QTRY_VERIFY((shown = readyFrame(item)));
        const double onScreen = item->width() * item->scale() * item->property("viewScale").toDouble();
        QVERIFY2(onScreen > 0 && onScreen < 1024, qPrintable(QString::number(onScreen)));
        // Rounded up to a power of two: at most twice what the screen shows.
        QVERIFY2(shown->implicitWidth() >= onScreen && shown->implicitWidth() <= 2 * onScreen,
                 qPrintable(QString("%1 for %2").arg(shown->implicitWidth()).arg(onScreen)));
        QCOMPARE(shown->implicitHeight() * 2, shown->implicitWidth());
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));
    }

    // Three parts of 300 frames animate: each shows a new frame every
    // 150 ms while only the frame on show is decoded.
    void animationCost()
    {
        const QSize size(256, 256);
        QJsonObject parts;
        const QStringList keys{"spinA", "spinB", "spinC"};
        const QList<QColor> colours{QColor("#4f8ff7"), QColor("#ff7a45"), QColor("#8fd694")};
        for (int i = 0; i < keys.size(); ++i) {
            QVERIFY(writeSequence(m_frames.path(), keys.at(i), 300, size, colours.at(i)));
            parts.insert(keys.at(i), framedPart(5000 - i, size, 300));
        }
        loadSticker(parts);
        for (int i = 0; i < 3; ++i)
            m_feature->sticker()->modelAt(i)->setFramePos(QPointF(60 + 200 * i, 420 + 160 * i));
        stack()->clear();
        QCOMPARE(m_feature->sticker()->modelAt(0)->frameCount(), 300);
        showView();

        QQuickItem *first = partItem(m_feature->sticker()->modelAt(0));
        QVERIFY(first);
        const int tickBefore = root()->property("frameTick").toInt();
        const int decodedBefore = first->property("framesDecoded").toInt();
        const qint64 rssBefore = residentKiB();
        const double cpuBefore = cpuSeconds();
        const double drawingBefore = drawingCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTest::qWait(6000);
        const double cpu = cpuSeconds() - cpuBefore;
        const double drawing = drawingCpuSeconds() - drawingBefore;
        const double seconds = wall.elapsed() / 1000.0;
        const int ticks = root()->property("frameTick").toInt() - tickBefore;
        const int decoded = first->property("framesDecoded").toInt() - decodedBefore;
        const qint64 rssGrowth = residentKiB() - rssBefore;
        qInfo("animating 3 x 300 frames of %dx%d: %d ticks in %.1f s, %d frames decoded by the first part; "
              "CPU of the interface and image loader threads %.2f s (%.0f%% of one core), whole process %.2f s "
              "(%.0f%%); resident memory %+lld KiB",
              size.width(), size.height(), ticks, seconds, decoded, drawing, 100.0 * drawing / seconds, cpu,
              100.0 * cpu / seconds, rssGrowth);
        shot("animation");
        // Some 40 ticks in 6 s; a loaded machine may drop a few.
        QVERIFY2(ticks >= 25, qPrintable(QString::number(ticks)));
        // One decode per frame shown (a frame still loading at the next tick
        // is skipped, never queued), and no frames kept beyond the two shown:
        // the 300 frames would hold some 75 MiB per part.
        QVERIFY2(decoded <= ticks + 1 && decoded >= ticks / 2, qPrintable(QString("%1 / %2").arg(decoded).arg(ticks)));
        QVERIFY2(rssGrowth < 40 * 1024, qPrintable(QString::number(rssGrowth)));
        QVERIFY(!first->property("frameFailed").toBool());
        QVERIFY(g_warnings.isEmpty());
    }
};

LW_TEST_MAIN(TstSceneView)
#include "tst_sceneview.moc"
