#pragma once

#include <QObject>
#include <QString>

// One entry of a drop-down as its view shows it.
class LWPropOptionItemModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString iconPath READ iconPath NOTIFY iconPathChanged)

public:
    LWPropOptionItemModel(const QString &title, const QString &iconPath, QObject *parent = nullptr);

    QString title() const { return m_title; }
    QString iconPath() const { return m_iconPath; }

signals:
    void titleChanged();
    void iconPathChanged();

private:
    QString m_title;
    QString m_iconPath;
};
