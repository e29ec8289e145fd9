#pragma once

#include "MultipartForm.h"

#include <QString>
#include <QVariantMap>

class HttpRequest;

// The text fields of a request body, whatever its form: url-encoded,
// multipart/form-data (file parts stay reachable) or a JSON object (as the
// pages send).
class RequestFields
{
public:
    static bool parse(const HttpRequest &request, RequestFields *fields, QString *error);

    QString text(const QString &name) const;
    bool contains(const QString &name) const;
    const MultipartForm::Part *file(const QString &name) const;
    bool isMultipart() const { return m_multipart; }

private:
    QVariantMap m_values;
    MultipartForm m_form;
    bool m_multipart = false;
};
