#include "LWTestMain.h"
#include "LWTestTree.h"
#include "navigation/LWNaviTreeFlatModel.h"

#include <QAbstractItemModelTester>

namespace {
QStringList titles(const LWNaviTreeFlatModel &flat)
{
    QStringList out;
    for (int row = 0; row < flat.rowCount(); ++row) {
        const QModelIndex index = flat.index(row);
        auto *item = qobject_cast<LWNaviTreeItem *>(flat.data(index, LWNaviTreeFlatModel::ItemRole).value<QObject *>());
        out << QString(flat.data(index, LWNaviTreeFlatModel::DepthRole).toInt(), QLatin1Char('-')) + item->title();
    }
    return out;
}
} // namespace

class TstNaviFlat : public QObject
{
    Q_OBJECT
private slots:
    void followsTreeAndExpansion()
    {
        LWTestNode root("effect");
        auto *sticker = new LWTestNode("sticker", &root);
        new LWTestNode("ears", sticker);
        new LWTestNode("nose", sticker);
        new LWTestNode("filter", &root);
        LWNaviTreeModel model(&root);
        LWNaviTreeFlatModel flat;
        QAbstractItemModelTester tester(&flat, QAbstractItemModelTester::FailureReportingMode::QtTest);
        flat.setSourceModel(&model);
        QCOMPARE(titles(flat), (QStringList{"sticker", "-ears", "-nose", "filter"}));
        QVERIFY(flat.data(flat.index(0), LWNaviTreeFlatModel::HasChildrenRole).toBool());
        QVERIFY(!flat.data(flat.index(3), LWNaviTreeFlatModel::HasChildrenRole).toBool());

        flat.toggleExpanded(0);
        QCOMPARE(titles(flat), (QStringList{"sticker", "filter"}));
        QVERIFY(!flat.data(flat.index(0), LWNaviTreeFlatModel::ExpandedRole).toBool());

        // A new part appears as it is inserted, and a collapsed branch stays
        // collapsed.
        new LWTestNode("mouth", sticker, 0);
        QCOMPARE(titles(flat), (QStringList{"sticker", "filter"}));
        flat.expandTo(model.indexOfItem(sticker->node(0)));
        QCOMPARE(titles(flat), (QStringList{"sticker", "-mouth", "-ears", "-nose", "filter"}));
        QCOMPARE(flat.rowOf(model.indexOfItem(sticker->node(1))), 2);
        QCOMPARE(flat.sourceIndexAt(4), model.indexOfItem(root.node(1)));

        root.removeModelAt(1);
        QCOMPARE(titles(flat), (QStringList{"sticker", "-mouth", "-ears", "-nose"}));
    }

    void selectionRoles()
    {
        LWTestNode root("effect");
        new LWTestNode("a", &root);
        new LWTestNode("b", &root);
        LWNaviTreeModel model(&root);
        LWNaviTreeSelModel selection(&model);
        LWNaviTreeFlatModel flat;
        flat.setSourceModel(&model);
        flat.setSelectionModel(&selection);
        QSignalSpy changed(&flat, &QAbstractItemModel::dataChanged);
        selection.applyCurrentIndex(model.index(1, 0), QItemSelectionModel::ClearAndSelect);
        QVERIFY(changed.size() >= 1);
        QVERIFY(flat.data(flat.index(1), LWNaviTreeFlatModel::SelectedRole).toBool());
        QVERIFY(flat.data(flat.index(1), LWNaviTreeFlatModel::CurrentRole).toBool());
        QVERIFY(!flat.data(flat.index(0), LWNaviTreeFlatModel::SelectedRole).toBool());
    }

    void sourceGoesAway()
    {
        LWTestNode root("effect");
        new LWTestNode("a", &root);
        auto *model = new LWNaviTreeModel(&root);
        LWNaviTreeFlatModel flat;
        flat.setSourceModel(model);
        QCOMPARE(flat.rowCount(), 1);
        delete model;
        QCOMPARE(flat.rowCount(), 0);
        QVERIFY(!flat.sourceModel());
    }
};

LW_TEST_MAIN(TstNaviFlat)
#include "tst_naviflat.moc"
