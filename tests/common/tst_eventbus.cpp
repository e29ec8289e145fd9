#include "LWTestMain.h"
#include "common/PostEventOffice.h"

namespace {

struct Recorder : LWEditorEventListener
{
    explicit Recorder(QString name, QStringList *journal) : name(std::move(name)), journal(journal) {}
    void onEditorEvent(LWEditorEventType event, const LWEditorEventData *data) override
    {
        journal->append(QStringLiteral("%1:now:%2:%3").arg(name).arg(int(event)).arg(data ? data->row : -1));
    }
    void onPostedEvent(LWEPEvent event, const QVariant &value) override
    {
        journal->append(QStringLiteral("%1:posted:%2:%3").arg(name).arg(int(event)).arg(value.toLongLong()));
        if (onPosted)
            onPosted(event);
    }
    QString name;
    QStringList *journal;
    std::function<void(LWEPEvent)> onPosted;
};

} // namespace

class TstEventBus : public QObject
{
    Q_OBJECT
private slots:
    void immediateInRegistrationOrder()
    {
        QStringList journal;
        Recorder first("a", &journal);
        Recorder second("b", &journal);
        // Registering again is a no-op: each listener hears an event once.
        PostEventOffice::instance()->addListener(&first);
        LWEditorEventData data;
        data.row = 3;
        PostEventOffice::instance()->sendEvent(LWEditorEventEffectItemInserted, data);
        QCOMPARE(journal, (QStringList{"a:now:1:3", "b:now:1:3"}));
    }

    void queuedWaitsForEventLoop()
    {
        QStringList journal;
        Recorder listener("a", &journal);
        PostEventOffice::instance()->postEvent(ToSelectEffectNaviItem, QVariant::fromValue<qint64>(42));
        QVERIFY(journal.isEmpty());
        QTRY_COMPARE(journal, QStringList{"a:posted:0:42"});
    }

    void postedDuringHandlingGoesToLaterTurn()
    {
        QStringList journal;
        Recorder listener("a", &journal);
        int depth = 0;
        listener.onPosted = [&](LWEPEvent event) {
            QCOMPARE(depth, 0); // never re-entered
            ++depth;
            if (event == ToSelectEffectNaviItem) {
                PostEventOffice::instance()->postEvent(ToExpandEffectNaviItem, QVariant::fromValue<qint64>(2));
                journal.append("after post");
            }
            --depth;
        };
        PostEventOffice::instance()->postEvent(ToSelectEffectNaviItem, QVariant::fromValue<qint64>(1));
        QTRY_COMPARE(journal.size(), 3);
        QCOMPARE(journal, (QStringList{"a:posted:0:1", "after post", "a:posted:1:2"}));
    }

    void destroyedListenerHearsNothing()
    {
        QStringList journal;
        {
            Recorder gone("gone", &journal);
            PostEventOffice::instance()->postEvent(ToExpandEffectNaviItem, QVariant::fromValue<qint64>(5));
        }
        Recorder stays("stays", &journal);
        PostEventOffice::instance()->sendEvent(LWEditorEventSaveProject, LWEditorEventData{});
        QTRY_COMPARE(journal.size(), 2);
        QCOMPARE(journal, (QStringList{"stays:now:6:0", "stays:posted:1:5"}));
    }
};

LW_TEST_MAIN(TstEventBus)
#include "tst_eventbus.moc"
