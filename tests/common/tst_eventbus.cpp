#include "LWTestMain.h"
#include "common/PostEventOffice.h"

namespace {

struct Recorder : LWEditorEventListener
{
    explicit Recorder(QString name, QStringList *journal) : name(std::move(name)), journal(journal) {}
    void onEditorEvent(LWEditorEventType event, const LWEditorEventData *) override
    {
        journal->append(QStringLiteral("%1:%2").arg(name).arg(int(event)));
    }
    QString name;
    QStringList *journal;
};

} // namespace

class TstEventBus : public QObject
{
    Q_OBJECT
private slots:
    void deliveredAtOnceInRegistrationOrder()
    {
        QStringList journal;
        Recorder first("a", &journal);
        Recorder second("b", &journal);
        // Registering again is a no-op: each listener hears an event once.
        PostEventOffice::instance()->addListener(&first);
        PostEventOffice::instance()->sendEvent(LWEditorEventFeatureCountsChanged);
        QCOMPARE(journal, (QStringList{"a:7", "b:7"}));
    }

    void destroyedListenerHearsNothing()
    {
        QStringList journal;
        {
            Recorder gone("gone", &journal);
        }
        Recorder stays("stays", &journal);
        PostEventOffice::instance()->sendEvent(LWEditorEventSaveProject);
        QCOMPARE(journal, QStringList{"stays:6"});
    }
};

LW_TEST_MAIN(TstEventBus)
#include "tst_eventbus.moc"
