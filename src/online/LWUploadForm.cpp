#include "LWUploadForm.h"

#include "LWServiceProtocol.h"

#include <QHttpMultiPart>

namespace {

void appendText(QHttpMultiPart *form, const QString &name, const QString &value)
{
    QHttpPart part;
    part.setRawHeader("Content-Disposition", "form-data; name=\"" + name.toUtf8() + '"');
    part.setBody(value.toUtf8());
    form->append(part);
}

} // namespace

void LWUploadForm::appendFilePart(QHttpMultiPart *form, const QByteArray &bytes)
{
    QHttpPart part;
    part.setRawHeader("Content-Disposition",
                      "form-data; name=\"file\"; fileName=\"effectupload.zip\"; mimeType=\"zip\"");
    part.setRawHeader(LWServiceProtocol::kContentIdHeader, LWServiceProtocol::kContentIdValue);
    part.setBody(bytes);
    form->append(part);
}

QList<QPair<QString, QString>> LWUploadForm::textParts(const LWUploadFields &fields)
{
    QList<QPair<QString, QString>> parts;
    if (fields.sendName)
        parts.append({QStringLiteral("name"), fields.name});
    if (fields.sendInstructions)
        parts.append({QStringLiteral("instructions"), fields.instructions});
    if (fields.subType != -1)
        parts.append({QStringLiteral("subType"), QString::number(fields.subType)});
    if (!fields.icon.isEmpty())
        parts.append({QStringLiteral("icon"), fields.icon});
    if (!fields.description.isEmpty())
        parts.append({QStringLiteral("description"), fields.description});
    if (fields.type != 0)
        parts.append({QStringLiteral("type"), QString::number(fields.type)});
    if (!fields.id.isEmpty())
        parts.append({QStringLiteral("id"), fields.id});
    if (fields.review)
        parts.append({QStringLiteral("review"), QStringLiteral("1")});
    if (!fields.deviceId.isEmpty())
        parts.append({QStringLiteral("deviceId"), fields.deviceId});
    return parts;
}

QHttpMultiPart *LWUploadForm::package(const QByteArray &packageBytes, const LWUploadFields &fields)
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    appendFilePart(form, packageBytes);
    const auto parts = textParts(fields);
    for (const auto &part : parts)
        appendText(form, part.first, part.second);
    return form;
}

QHttpMultiPart *LWUploadForm::packageOnly(const QByteArray &packageBytes)
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    appendFilePart(form, packageBytes);
    return form;
}

QHttpMultiPart *LWUploadForm::icon(const QByteArray &pngBytes)
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("image/png"));
    part.setRawHeader("Content-Disposition", "form-data; name=\"file\"; fileName=\"effectIcon.png\"");
    part.setRawHeader(LWServiceProtocol::kContentIdHeader, LWServiceProtocol::kContentIdValue);
    part.setBody(pngBytes);
    form->append(part);
    return form;
}
