#include "LWTestMain.h"
#include "app/CustomFileDialogAdapter.h"
#include "app/CustomTutorialDialogAdapter.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>

class TstDialogs : public QObject
{
    Q_OBJECT
private slots:
    void fileDialogReportsChoice()
    {
        CustomFileDialogAdapter adapter;
        QSignalSpy opened(&adapter, &CustomFileDialogAdapter::openDialog);
        int calls = 0;
        CustomFileDialogResult got;
        CustomFileDialogParam param;
        param.title = "Import";
        param.filter = QStringList{"Images (*.png *.jpg)"};
        param.selectMultiple = true;
        adapter.open(param, [&](const CustomFileDialogResult &r) { ++calls; got = r; });
        QCOMPARE(opened.size(), 1);
        QCOMPARE(adapter.title(), QString("Import"));
        QVERIFY(adapter.selectMultiple());

        // A dialog as the interface declares it: URL properties, a URL list.
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nQtObject {"
                          " property url folder: 'file:///pics'\n"
                          " property url fileUrl: 'file:///pics/a.png'\n"
                          " property var fileUrls: ['file:///pics/a.png', 'file:///pics/b.png'] }",
                          QUrl());
        QScopedPointer<QObject> dialog(component.create());
        QVERIFY2(dialog, qPrintable(component.errorString()));
        adapter.accepted(dialog.data());
        QCOMPARE(calls, 1);
        QCOMPARE(got.folder, QUrl("file:///pics"));
        QCOMPARE(got.fileUrl, QUrl("file:///pics/a.png"));
        QCOMPARE(got.fileUrls, (QList<QUrl>{QUrl("file:///pics/a.png"), QUrl("file:///pics/b.png")}));

        // A second answer without a new open reaches nobody.
        adapter.accepted(dialog.data());
        QCOMPARE(calls, 1);
    }

    void cancellingStillAnswers()
    {
        CustomFileDialogAdapter adapter;
        int calls = 0;
        bool empty = false;
        adapter.open({}, [&](const CustomFileDialogResult &r) { ++calls; empty = r.isEmpty(); });
        adapter.rejected(nullptr);
        QCOMPARE(calls, 1);
        QVERIFY(empty);
    }

    void reopeningReplacesCallback()
    {
        CustomFileDialogAdapter adapter;
        QStringList heard;
        adapter.open({}, [&](const CustomFileDialogResult &) { heard << "first"; });
        adapter.open({}, [&](const CustomFileDialogResult &) { heard << "second"; });
        adapter.rejected();
        QCOMPARE(heard, QStringList{"second"});
    }

    void callbackMayOpenAgain()
    {
        CustomFileDialogAdapter adapter;
        int calls = 0;
        std::function<void(const CustomFileDialogResult &)> again = [&](const CustomFileDialogResult &) {
            if (++calls == 1)
                adapter.open({}, again);
        };
        adapter.open({}, again);
        adapter.rejected();
        adapter.rejected();
        QCOMPARE(calls, 2);
    }

    void tutorialNeverShow_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("tick");
        QTest::newRow("accept ticked") << true << true;
        QTest::newRow("accept plain") << true << false;
        QTest::newRow("reject ticked") << false << true;
    }
    void tutorialNeverShow()
    {
        QFETCH(bool, accept);
        QFETCH(bool, tick);
        CustomTutorialDialogAdapter adapter;
        CustomTutorialDialogResult got;
        int calls = 0;
        adapter.open({"Tip", "Drag parts onto the face", "https://tutorial", "https://download"},
                     [&](const CustomTutorialDialogResult &r) { ++calls; got = r; });
        QCOMPARE(adapter.urlTutorial(), QString("https://tutorial"));
        adapter.setNeverShowChecked(tick);
        accept ? adapter.accepted() : adapter.rejected();
        QCOMPARE(calls, 1);
        QCOMPARE(got.accepted, accept);
        QCOMPARE(got.neverShow, tick);
        QVERIFY(!adapter.neverShowChecked());

        // The next open starts with the box cleared.
        adapter.setNeverShowChecked(true);
        adapter.open({}, [&](const CustomTutorialDialogResult &r) { got = r; });
        QVERIFY(!adapter.neverShowChecked());
        adapter.accepted();
        QVERIFY(!got.neverShow);
    }
};

LW_TEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
