#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QHttpMultiPart;

// The text fields that travel with an effect package. Which ones go out
// follows fixed rules: subType unless -1, type unless 0, icon, description,
// id and deviceId unless empty.
struct LWUploadFields
{
    QString name;
    bool sendName = true;
    QString instructions;
    bool sendInstructions = true;
    int subType = -1;
    QString icon;
    QString description;
    int type = 0;
    QString id;
    bool review = true;
    QString deviceId;
};

// Multipart bodies of the publishing requests.
class LWUploadForm
{
public:
    // Parts in the service's order: file, name, instructions, subType, icon,
    // description, type, id, review, deviceId.
    static QHttpMultiPart *package(const QByteArray &packageBytes, const LWUploadFields &fields);
    // The web page's upload: the file part only.
    static QHttpMultiPart *packageOnly(const QByteArray &packageBytes);
    static QHttpMultiPart *icon(const QByteArray &pngBytes);

    static QList<QPair<QString, QString>> textParts(const LWUploadFields &fields);

private:
    static void appendFilePart(QHttpMultiPart *form, const QByteArray &bytes);
};
