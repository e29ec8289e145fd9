#pragma once

#include <QObject>

// Base of every inspector node: what the interface binds a view document
// to. The inspector engine builds on it.
class LWQmlViewModel : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};
