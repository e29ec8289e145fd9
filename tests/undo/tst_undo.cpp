#include "LWTestMain.h"
#include "LWTestTree.h"

#include "common/LWDiagnosticLog.h"
#include "navigation/LWEffectNaviTreeModel.h"
#include "navigation/LWNaviComponentAddUndoCommandBase.h"
#include "navigation/LWNaviComponentRemoveUndoCommandBase.h"
#include "undo/LWSwapUndoCommand.h"
#include "undo/LWUndoStack.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>

namespace {

// What a concrete add command looks like: create the item, the rest is the
// base's. New items go to the front of the owner, as features do.
class AddNodeCommand : public LWNaviComponentAddUndoCommandBase<LWTestNode>
{
public:
    AddNodeCommand(LWTestNode *owner, QString title,
                   LWEffectCommon::LWNaviTreeType tree = LWEffectCommon::LWNaviTreeTypeEffect)
        : LWNaviComponentAddUndoCommandBase(owner, "makeup add component undo failed, using nullptr\n", tree)
        , m_owner(owner)
        , m_title(std::move(title))
    {
    }

protected:
    LWTestNode *createItem() override
    {
        auto *node = new LWTestNode(m_title, m_owner, 0);
        ++created;
        return node;
    }

public:
    static int created;

private:
    LWTestNode *m_owner;
    QString m_title;
};
int AddNodeCommand::created = 0;

using RemoveNodeCommand = LWNaviComponentRemoveUndoCommandBase<LWTestNode>;

// Records its runs in a journal; counts its discards.
class RecordingCommand : public LWUndoCommand
{
public:
    RecordingCommand(QString name, QStringList *journal, bool chained = false)
        : m_name(std::move(name))
        , m_journal(journal)
    {
        setChained(chained);
    }
    void redo() override { m_journal->append("redo " + m_name); }
    void undo() override { m_journal->append("undo " + m_name); }
    void discard() override { m_journal->append("discard " + m_name); }

private:
    QString m_name;
    QStringList *m_journal;
};

struct Knob
{
    double value = 0;
    int notifications = 0;
    void set(double v)
    {
        value = v;
        ++notifications;
    }
};

class KnobCommand : public LWSwapUndoCommand<Knob, double>
{
public:
    using LWSwapUndoCommand::LWSwapUndoCommand;

protected:
    double readValue(Knob &knob) const override { return knob.value; }
    void writeValue(Knob &knob, const double &value) override { knob.set(value); }
};

// A scene command: the part is a QObject held through QPointer.
class TitleCommand : public LWSwapUndoCommand<LWTestNode, QString, QPointer>
{
public:
    using LWSwapUndoCommand::LWSwapUndoCommand;

protected:
    QString readValue(LWTestNode &node) const override { return node.title(); }
    void writeValue(LWTestNode &node, const QString &title) override { node.setTitle(title); }
};

QByteArray diagnosticLog()
{
    QFile file(LWDiagnosticLog::instance()->logFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TstUndo : public QObject
{
    Q_OBJECT

    LWUndoStack *stack() const { return LWUndoStack::instance(); }

    // Outlives the commands of each test: the stack is cleared in init().
    QStringList journal;

private slots:
    void init()
    {
        stack()->clear();
        journal.clear();
        flushDeferredDeletes();
        AddNodeCommand::created = 0;
    }

    void elevenAdditionsElevenUndosTakeBackTen()
    {
        LWTestNode effect("effect");
        for (int i = 0; i < 11; ++i)
            stack()->push(new AddNodeCommand(&effect, QString::number(i)));
        QCOMPARE(effect.modelCount(), 11);
        QCOMPARE(stack()->count(), 10);
        for (int i = 0; i < 11; ++i)
            stack()->undo();
        QCOMPARE(LWTest::titles(&effect), QStringList{"0"});
        QVERIFY(!stack()->canUndo());
        QVERIFY(stack()->canRedo());
    }

    void chainedCommandIsOneStepWithItsPredecessor()
    {
        stack()->push(new RecordingCommand("a", &journal));
        stack()->push(new RecordingCommand("b", &journal));
        stack()->push(new RecordingCommand("c", &journal, true));
        journal.clear();

        stack()->undo();
        QCOMPARE(journal, (QStringList{"undo c", "undo b"}));
        QCOMPARE(stack()->index(), 1);
        stack()->redo();
        QCOMPARE(journal, (QStringList{"undo c", "undo b", "redo b", "redo c"}));
        QCOMPARE(stack()->index(), 3);
        stack()->undo();
        stack()->undo();
        QCOMPARE(journal.mid(4), (QStringList{"undo c", "undo b", "undo a"}));
        QVERIFY(!stack()->canUndo());
    }

    void undoingAnAdditionRemovesAndRedoRestoresTheSameObject()
    {
        LWTestNode effect("effect");
        new LWTestNode("old", &effect);
        LWEffectNaviTreeModel model(&effect);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        LWTestTreeRecorder tree(&model);

        auto *command = new AddNodeCommand(&effect, "sticker");
        stack()->push(command);
        LWTestNode *sticker = command->item();
        QVERIFY(sticker);
        QCOMPARE(effect.node(0), sticker);
        QCOMPARE(tree.log, QStringList{"+0"});
        QVERIFY(LWTest::modelMatchesTree(model));

        stack()->undo();
        QCOMPARE(tree.log, (QStringList{"+0", "-0"}));
        QCOMPARE(effect.indexOfModel(sticker), -1);
        QCOMPARE(LWTest::titles(&effect), QStringList{"old"});
        QVERIFY(LWTest::modelMatchesTree(model));

        stack()->redo();
        QCOMPARE(AddNodeCommand::created, 1);
        QCOMPARE(effect.node(0), sticker); // the same object, at the front
        QCOMPARE(tree.log, (QStringList{"+0", "-0", "+0"}));
        QVERIFY(LWTest::modelMatchesTree(model));
    }

    void resourceTreeCommandsSelectNothing()
    {
        LWTestNode library("library");
        LWNaviTreeModel model(&library);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        LWTestTreeRecorder tree(&model);
        auto *command = new AddNodeCommand(&library, "frames", LWEffectCommon::LWNaviTreeTypeResource);
        stack()->push(command);
        stack()->undo();
        stack()->redo();
        QCOMPARE(tree.log, (QStringList{"+0", "-0", "+0"}));
        QVERIFY(LWTest::modelMatchesTree(model));

        stack()->push(new RemoveNodeCommand(&library, command->item(), LWEffectCommon::LWNaviTreeTypeResource));
        stack()->undo(); // no selection for the resource tree
        QCOMPARE(tree.log.mid(3), (QStringList{"-0", "+0"}));
        QVERIFY(LWTest::modelMatchesTree(model));
    }

    void removalDetachesAndUndoRestoresInPlaceAndSelects()
    {
        LWTestNode effect("effect");
        for (const char *title : {"a", "b", "c"})
            new LWTestNode(title, &effect);
        LWEffectNaviTreeModel model(&effect);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto selection = std::make_shared<LWNaviTreeSelModel>(&model);
        LWTestTreeRecorder tree(&model);
        QSignalSpy reported(selection.get(), &LWNaviTreeSelModel::naviTreeSelChanged);
        LWTestNode *b = effect.node(1);
        selection->applyCurrentIndex(model.index(0, 0), QItemSelectionModel::SelectCurrent);
        reported.clear();

        stack()->push(new RemoveNodeCommand(&effect, b));
        QCOMPARE(tree.log, QStringList{"-1"});
        QCOMPARE(LWTest::titles(&effect), (QStringList{"a", "c"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        QCOMPARE(b->parent(), &effect); // detached, not destroyed
        // Whatever leaves the effect tree ends the selection.
        QVERIFY(!selection->currentIndex().isValid());
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.at(0).at(0).value<LWNaviTreeItem *>(), nullptr);

        stack()->undo();
        QCOMPARE(LWTest::titles(&effect), (QStringList{"a", "b", "c"}));
        QCOMPARE(effect.node(1), b);
        QCOMPARE(tree.log, (QStringList{"-1", "+1", "select"}));
        QCOMPARE(selection->currentIndex(), model.indexOfItem(b));
        QCOMPARE(reported.last().at(0).value<LWNaviTreeItem *>(), b);
        QVERIFY(LWTest::modelMatchesTree(model));

        stack()->redo();
        QCOMPARE(LWTest::titles(&effect), (QStringList{"a", "c"}));
        QVERIFY(LWTest::modelMatchesTree(model));
    }

    void removeCommandWithoutItemLogsAndDoesNothing()
    {
        LWTestNode effect("effect");
        auto *gone = new LWTestNode("gone", &effect);
        new LWTestNode("kept", &effect);
        auto *command = new RemoveNodeCommand(&effect, gone);
        delete gone;
        LWNaviTreeModel model(&effect);
        LWTestTreeRecorder tree(&model);
        stack()->push(command);
        stack()->undo();
        stack()->redo();
        QVERIFY(tree.log.isEmpty());
        QCOMPARE(LWTest::titles(&effect), QStringList{"kept"});
        QCOMPARE(diagnosticLog().count("remove redo command, using nullptr\n"), 2);
        QVERIFY(diagnosticLog().contains("[ERROR]"));
    }

    void addCommandWhoseOwnerIsGoneLogsAndDoesNothing()
    {
        const int before = diagnosticLog().count("makeup add component undo failed, using nullptr\n");
        auto *effect = new LWTestNode("effect");
        auto *command = new AddNodeCommand(effect, "filter");
        delete effect;
        stack()->push(command);
        QVERIFY(!command->item());
        QCOMPARE(AddNodeCommand::created, 0);
        QCOMPARE(diagnosticLog().count("makeup add component undo failed, using nullptr\n"), before + 1);

        // Gone after the addition: undo and redo do nothing.
        auto *owner = new LWTestNode("owner");
        auto *second = new AddNodeCommand(owner, "filter");
        stack()->push(second);
        QVERIFY(second->item());
        delete owner;
        stack()->undo();
        stack()->redo();
        QVERIFY(!second->item());
    }

    void swapCommandsExchangeTheValue()
    {
        auto knob = std::make_shared<Knob>();
        knob->value = 0.7;
        stack()->push(new KnobCommand(knob, 0.3));
        QCOMPARE(knob->value, 0.3);
        stack()->undo();
        QCOMPARE(knob->value, 0.7);
        stack()->redo();
        QCOMPARE(knob->value, 0.3);
        QCOMPARE(knob->notifications, 3);

        LWTestNode part("part");
        stack()->push(new TitleCommand(QPointer<LWTestNode>(&part), QString("moved")));
        QCOMPARE(part.title(), QString("moved"));
        stack()->undo();
        QCOMPARE(part.title(), QString("part"));
    }

    void swapCommandWhoseTargetIsGoneDoesNothing()
    {
        auto knob = std::make_shared<Knob>();
        knob->value = 1;
        stack()->push(new KnobCommand(knob, 2));
        std::weak_ptr<Knob> watch = knob;
        knob.reset(); // the inspector was closed
        QVERIFY(watch.expired());
        stack()->undo();
        stack()->redo();
        QCOMPARE(stack()->index(), 1);

        auto *part = new LWTestNode("part");
        auto *command = new TitleCommand(QPointer<LWTestNode>(part), QString("x"));
        stack()->push(command);
        delete part;
        QVERIFY(!command->targetAlive());
        stack()->undo();
        QCOMPARE(command->storedValue(), QString("part"));
    }

    void changeClockAndPushOccured()
    {
        QSignalSpy pushed(stack(), &LWUndoStack::pushOccured);
        stack()->push(new RecordingCommand("quiet", &journal), false);
        QCOMPARE(pushed.count(), 0);
        stack()->push(new RecordingCommand("loud", &journal));
        QCOMPARE(pushed.count(), 1);
        QVERIFY(qAbs(stack()->lastChangeTime() - QDateTime::currentSecsSinceEpoch()) <= 1);
        stack()->undo();
        QCOMPARE(pushed.count(), 2);
        stack()->undo(); // the quiet step changes nothing in the project
        QCOMPARE(pushed.count(), 2);
        stack()->redo();
        QCOMPARE(pushed.count(), 2);
        stack()->redo();
        QCOMPARE(pushed.count(), 3);
        stack()->markChanged();
        QCOMPARE(pushed.count(), 4);
        stack()->undo();
        stack()->undo();
        stack()->undo(); // nothing left: no change
        QCOMPARE(pushed.count(), 5);
        QCOMPARE(journal, (QStringList{"redo quiet", "redo loud", "undo loud", "undo quiet", "redo quiet",
                                       "redo loud", "undo loud", "undo quiet"}));
    }

    void discardRunsOnceBeforeTheStackDropsACommand()
    {
        for (int i = 0; i < 10; ++i)
            stack()->push(new RecordingCommand(QString::number(i), &journal));
        journal.clear();
        stack()->push(new RecordingCommand("10", &journal)); // drops the oldest
        QCOMPARE(journal, (QStringList{"discard 0", "redo 10"}));
        stack()->undo();
        stack()->undo();
        journal.clear();
        stack()->push(new RecordingCommand("new", &journal)); // drops 9 and 10
        QCOMPARE(journal, (QStringList{"discard 9", "discard 10", "redo new"}));
        journal.clear();
        stack()->clear();
        QCOMPARE(journal.size(), 9);
        QVERIFY(journal.startsWith("discard 1"));
        QCOMPARE(stack()->count(), 0);
    }

    // A creation that selects its new item through the undoable path pushes
    // a selection step while its own push is running.
    void selectionPushedDuringACreationStaysBelowIt()
    {
        LWTestNode effect("effect");
        new LWTestNode("old", &effect);
        LWEffectNaviTreeModel model(&effect);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto selection = std::make_shared<LWNaviTreeSelModel>(&model);
        selection->setCurrentIndex(model.index(0, 0), QItemSelectionModel::ClearAndSelect);

        class SelectingAdd : public AddNodeCommand
        {
        public:
            using AddNodeCommand::AddNodeCommand;

        protected:
            LWTestNode *createItem() override
            {
                LWTestNode *node = AddNodeCommand::createItem();
                node->requestSelection(true);
                return node;
            }
        };
        auto *command = new SelectingAdd(&effect, "new");
        stack()->push(command);
        QCOMPARE(stack()->count(), 3);
        QCOMPARE(stack()->command(1)->marksChange(), false); // the selection
        QCOMPARE(stack()->command(2), command);
        QCOMPARE(selection->currentIndex(), model.indexOfItem(command->item()));

        stack()->undo(); // the addition only
        QCOMPARE(LWTest::titles(&effect), QStringList{"old"});
        QVERIFY(!selection->currentIndex().isValid());
        QVERIFY(LWTest::modelMatchesTree(model));
        stack()->undo(); // the selection of the new item: "old" is current again
        QCOMPARE(selection->currentIndex(), model.index(0, 0));
        stack()->undo(); // the first click
        QVERIFY(!selection->currentIndex().isValid());
        QVERIFY(!stack()->canUndo());
        stack()->redo();
        QCOMPARE(selection->currentIndex(), model.index(0, 0));
    }

    void droppedUndoneAdditionReleasesItsItem()
    {
        LWTestNode effect("effect");
        auto *undone = new AddNodeCommand(&effect, "undone");
        stack()->push(undone);
        QPointer<LWTestNode> undoneItem = undone->item();
        stack()->push(new AddNodeCommand(&effect, "kept"));
        QPointer<LWTestNode> keptItem = effect.node(0);
        stack()->undo();
        stack()->undo();
        QVERIFY(undoneItem);
        stack()->redo(); // "undone" back, "kept" still undone
        QCOMPARE(effect.node(0), undoneItem.data());

        // A new push drops the undone addition of "kept": its item has no
        // owner any more and is released.
        stack()->push(new AddNodeCommand(&effect, "other"));
        flushDeferredDeletes();
        QVERIFY(!keptItem);
        QVERIFY(undoneItem);

        // Clearing keeps items that are in the tree.
        stack()->clear();
        flushDeferredDeletes();
        QVERIFY(undoneItem);
        QCOMPARE(LWTest::titles(&effect), (QStringList{"other", "undone"}));
    }
};

LW_TEST_MAIN(TstUndo)
#include "tst_undo.moc"
