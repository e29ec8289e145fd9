#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QString>
#include <QStringList>

class QQuickWindow;
class QWindow;

// Shows one of the program's top-level windows and hides the others. The
// windows are the root objects of the interface's engine, found by their
// object names.
class LWWindowSwitcher : public QObject
{
    Q_OBJECT

public:
    explicit LWWindowSwitcher(QObject *parent = nullptr);

    // Not owned.
    void attachEngine(QQmlApplicationEngine *engine);
    // Window documents to load into the engine after the first window has
    // drawn its first frame, one per turn of the event loop; any of them
    // that a window look-up needs earlier are loaded then and there.
    void deferDocuments(const QStringList &documents, QQuickWindow *first);
    void loadDeferred();
    QQmlApplicationEngine *engine() const { return m_engine; }

    QWindow *window(const QString &objectName) const;
    // Shows the window first, then hides every other one: hiding the last
    // visible window first would end the program.
    void showOnly(const QString &objectName);
    void setVisible(const QString &objectName, bool visible);

    // Quits and starts the program again with the same arguments.
    static void restart();

private:
    void loadNextDeferred();

    QPointer<QQmlApplicationEngine> m_engine;
    QStringList m_deferred; // documents not loaded yet, in order
};
