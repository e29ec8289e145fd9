#include "LWInspectorShowcase.h"
#include "LWTestMain.h"

#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWInspectorResources.h"
#include "inspector/LWListViewModel.h"
#include "inspector/LWSecPanelViewModel.h"
#include "undo/LWUndoStack.h"

#include <QLinearGradient>
#include <QPainter>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>

namespace {

QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_messages << message;
    if (g_previous)
        g_previous(type, context, message);
}

// Pictures for the showcase's resource ids, so thumbnails and previews
// have something to show.
class ShowcaseLibrary : public LWInspectorResources
{
public:
    explicit ShowcaseLibrary(const QString &folder)
    {
        add("showcase-ears", "cat ears", 1, paint(folder + "/ears.png", QSize(160, 120), "#ff7a45", "#ffd0a0"));
        add("showcase-mask", "soft mask", 1, paint(folder + "/mask.png", QSize(128, 128), "#ffffff", "#30323a"));
        add("showcase-lut", "warm lut", 1, paint(folder + "/lut.png", QSize(512, 512), "#3a7bd5", "#ff7a45"));
        add("showcase-frames", "blink", 6, paint(folder + "/blink_000.png", QSize(200, 160), "#8e6bd8", "#3ad5b0"));
    }

    QList<LWInspectorResourceEntry> collectByType(int type, int) const override
    {
        QList<LWInspectorResourceEntry> list;
        for (const auto &r : m_records) {
            if (r.type == type)
                list.append({r.id, r.name, r.path});
        }
        return list;
    }
    QString firstImage(const QString &id) const override { return find(id).path; }
    QString absolutePath(const QString &id) const override { return find(id).path; }
    int frameCount(const QString &id) const override { return find(id).type == 6 ? 12 : (find(id).type ? 1 : 0); }
    int type(const QString &id) const override { return find(id).type; }
    qint64 sizeOnDisk(const QString &id, bool *exists) const override
    {
        if (exists)
            *exists = find(id).type != 0;
        return QFileInfo(find(id).path).size();
    }
    bool qualifies(const QString &, int, QString *) const override { return true; }

private:
    struct Record
    {
        QString id, name;
        int type = 0;
        QString path;
    };
    static QString paint(const QString &path, QSize size, const char *from, const char *to)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gradient(0, 0, size.width(), size.height());
        gradient.setColorAt(0, QColor(from));
        gradient.setColorAt(1, QColor(to));
        painter.setBrush(gradient);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(QPointF(0, 0), size).adjusted(4, 4, -4, -4), 16, 16);
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawEllipse(QRectF(size.width() * 0.3, size.height() * 0.25, size.width() * 0.4, size.height() * 0.5));
        painter.end();
        image.save(path);
        return path;
    }
    void add(const char *id, const char *name, int type, const QString &path)
    {
        m_records.append({QString::fromLatin1(id), QString::fromLatin1(name), type, path});
    }
    Record find(const QString &id) const
    {
        for (const auto &r : m_records) {
            if (r.id == id)
                return r;
        }
        return {};
    }
    QList<Record> m_records;
};

// Every item of the scene under root, in the visual tree (rows made by
// repeaters and loaders included).
QList<QQuickItem *> visualItems(QQuickItem *root)
{
    QList<QQuickItem *> items{root};
    for (int i = 0; i < items.size(); ++i)
        items += items.at(i)->childItems();
    return items;
}

// The sum of the heights the list rows were laid out with.
int laidOutHeight(QQuickItem *inspector)
{
    const auto lists = visualItems(inspector);
    for (QQuickItem *item : lists) {
        if (item->metaObject()->className() == QByteArray("QQuickFlickable"))
            return int(item->property("contentHeight").toReal());
    }
    return -1;
}

} // namespace

// Draws the inspector of the showcase profile (every control kind) the
// way the editor shows it, and keeps the picture for a person to look at.
class TstInspectorView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_images;
    LWInspectorShowcase::Uniforms m_uniforms;

    QString shotPath(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR", QCoreApplication::applicationDirPath());
        return folder + "/" + name;
    }

private slots:
    void initTestCase()
    {
        LWAppHost::registerTypes();
        g_previous = qInstallMessageHandler(collect);
    }
    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previous);
        LWInspectorHub::instance()->setResources(nullptr);
    }

    // The application's services come first: they install the real library,
    // which the pictures then stand in for.
    void publish(QQuickView &view)
    {
        LWAppHost::publishServices(*view.engine());
        LWInspectorHub::instance()->setResources(std::make_unique<ShowcaseLibrary>(m_images.path()));
    }

    void rendersTheShowcase()
    {
        g_messages.clear();
        QQuickView view;
        publish(view);
        auto root = LWInspectorShowcase::build(QStringLiteral(LW_SHOWCASE_DIR), &m_uniforms);
        QVERIFY(root->children().size() >= 9);
        view.setColor(QColor("#26282e"));
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.setInitialProperties({{"viewModel", QVariant::fromValue<QObject *>(root.get())}});
        view.setSource(QUrl("qrc:/LWViewCommon/LWSecView/LWInspectorView.qml"));
        QVERIFY2(view.rootObject(), qPrintable(g_messages.join('\n')));
        view.resize(340, root->height());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(200); // asynchronous thumbnails

        QCOMPARE(laidOutHeight(view.rootObject()), root->height());
        const QImage shot = view.grabWindow();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(shotPath("inspector_showcase.png")));
        // Something was drawn beyond the background.
        QSet<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 7) {
            for (int x = 0; x < shot.width(); x += 7)
                colours.insert(shot.pixel(x, y));
        }
        QVERIFY(colours.size() > 50);

        // Collapsing a panel re-lays the column out at the new height.
        auto *basic = qobject_cast<LWSecPanelViewModel *>(root->children().first().get());
        QVERIFY(basic);
        const int before = root->height();
        basic->setIsExpanded(false);
        QCOMPARE(root->height(), before - basic->listView()->height() - 4);
        QTest::qWait(50);
        QCOMPARE(laidOutHeight(view.rootObject()), root->height());
        view.resize(340, root->height());
        QTest::qWait(50);
        QVERIFY(view.grabWindow().save(shotPath("inspector_collapsed.png")));

        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join('\n')));
    }

    void controllerBroadcastsReachTheTree()
    {
        QQmlEngine engine;
        LWAppHost::publishServices(engine);
        LWAppHost::publishServices(engine); // wiring twice connects once
        auto root = std::make_shared<LWInspectorViewModel>(
            QJsonObject{{"LWEntry", QJsonObject{{"components", QJsonArray{QJsonObject{{"type", "LWPropTypeFloatRange"},
                                                                                          {"id", "ovalRadiusX"}}}}}}},
            QJsonObject{{"ovalRadiusX", 0.1}});
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        emit LWMainWindowController::instance()->sceneViewDataChanged(0.4, "ovalRadiusX");
        QCOMPARE(root->value().toObject().value("ovalRadiusX").toDouble(), 0.4);
        QCOMPARE(announced.count(), 1);
    }

    void editThroughTheView()
    {
        LWUndoStack::instance()->clear();
        QQuickView view;
        publish(view);
        auto root = LWInspectorShowcase::build(QStringLiteral(LW_SHOWCASE_DIR), &m_uniforms);
        view.setInitialProperties({{"viewModel", QVariant::fromValue<QObject *>(root.get())}});
        view.setSource(QUrl("qrc:/LWViewCommon/LWSecView/LWInspectorView.qml"));
        view.resize(340, root->height());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        // Click the "Visible" check box: one undo step, the value follows.
        QQuickItem *check = nullptr;
        const auto items = visualItems(view.rootObject());
        for (QQuickItem *item : items) {
            if (QByteArray(item->metaObject()->className()).startsWith("LWCheck_QMLTYPE")) {
                const QVariant vm = item->parentItem() ? item->parentItem()->parentItem()->property("viewModel") : QVariant();
                if (vm.value<QObject *>() && vm.value<QObject *>()->property("name").toString() == "Visible") {
                    check = item;
                    break;
                }
            }
        }
        QVERIFY(check);
        const QPointF centre = check->mapToScene(QPointF(check->width() / 2, check->height() / 2));
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        QCOMPARE(LWUndoStack::instance()->count(), 1);
        QCOMPARE(root->value().toObject().value("visible").toBool(), false);
        LWUndoStack::instance()->undo();
        QCOMPARE(root->value().toObject().value("visible").toBool(), true);
        QTRY_COMPARE(check->property("checked").toBool(), true);
    }
};

LW_TEST_MAIN(TstInspectorView)
#include "tst_inspectorview.moc"
