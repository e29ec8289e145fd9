#include "RequestFields.h"

#include "HeaderValue.h"
#include "HttpRequest.h"
#include "UrlForm.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

bool RequestFields::parse(const HttpRequest &request, RequestFields *fields, QString *error)
{
    const QByteArray contentType = request.header("content-type");
    const QByteArray type = HeaderValue::parse(contentType).token().toLower();
    if (type == "multipart/form-data") {
        if (!MultipartForm::parse(contentType, request.body, &fields->m_form, error))
            return false;
        fields->m_multipart = true;
        for (const MultipartForm::Part &p : fields->m_form.parts()) {
            if (!p.hasFileName && !fields->m_values.contains(p.name))
                fields->m_values.insert(p.name, QString::fromUtf8(p.data));
        }
        return true;
    }
    if (type == "application/json") {
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(request.body, &parseError);
        if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
            *error = QStringLiteral("body is not a JSON object");
            return false;
        }
        const QJsonObject object = doc.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.value().isString())
                fields->m_values.insert(it.key(), it.value().toString());
            else if (it.value().isDouble())
                fields->m_values.insert(it.key(), QString::number(it.value().toDouble(), 'g', 15));
            else if (it.value().isBool())
                fields->m_values.insert(it.key(), it.value().toBool() ? QStringLiteral("1") : QStringLiteral("0"));
        }
        return true;
    }
    // Url-encoded, also when the type is missing: the editor's forms always
    // say so, but hand-made requests often do not.
    const UrlForm form = UrlForm::parse(request.body);
    for (const auto &pair : form.pairs()) {
        if (!fields->m_values.contains(pair.first))
            fields->m_values.insert(pair.first, pair.second);
    }
    return true;
}

QString RequestFields::text(const QString &name) const
{
    return m_values.value(name).toString();
}

bool RequestFields::contains(const QString &name) const
{
    return m_values.contains(name);
}

const MultipartForm::Part *RequestFields::file(const QString &name) const
{
    // Any part of that name: a client that leaves out the file name still
    // sent the bytes.
    return m_form.part(name);
}
