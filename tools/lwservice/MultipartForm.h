#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// A parsed multipart/form-data body. Disposition parameters are matched
// without regard to case because the editor writes "fileName" while
// browsers write "filename".
class MultipartForm
{
public:
    struct Part
    {
        QString name;
        QString fileName;
        bool hasFileName = false;
        QByteArray contentType;
        QList<QPair<QByteArray, QByteArray>> headers; // names lower-cased
        QByteArray data;
    };

    // Returns false with a reason for anything that is not a well-formed
    // form-data body of the boundary that contentType announces.
    static bool parse(const QByteArray &contentType, const QByteArray &body, MultipartForm *form, QString *error);
    static bool isMultipart(const QByteArray &contentType);

    const Part *part(const QString &name) const;
    QString text(const QString &name) const; // UTF-8 value of a field, empty when missing
    bool contains(const QString &name) const { return part(name) != nullptr; }
    const QList<Part> &parts() const { return m_parts; }

private:
    QList<Part> m_parts;
};
