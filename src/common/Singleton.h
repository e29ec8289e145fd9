#pragma once

#include <QMutex>
#include <QMutexLocker>

// Process-wide single instance created on first use. Creation is guarded so
// that a worker thread (the helper installer, for example) and the interface
// thread never build two copies. The instance lives until process exit.
template <typename T>
class Singleton
{
public:
    static T *instance()
    {
        static QMutex mutex;
        QMutexLocker lock(&mutex);
        static T *object = nullptr;
        if (!object)
            object = new T();
        return object;
    }

    Singleton(const Singleton &) = delete;
    Singleton &operator=(const Singleton &) = delete;

protected:
    Singleton() = default;
};
