#pragma once

#include <QObject>
#include <QString>

// One frame sequence in the list of the batch compression window.
class CompressFileModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString getFileName READ getFileName CONSTANT)

public:
    CompressFileModel(const QString &resourceId, const QString &fileName, QObject *parent = nullptr);

    QString getFileName() const { return m_fileName; }
    QString resourceId() const { return m_resourceId; }

private:
    QString m_resourceId;
    QString m_fileName;
};
