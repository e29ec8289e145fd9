#include "UrlForm.h"

namespace {

QString decode(QByteArray part)
{
    part.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(part));
}

} // namespace

UrlForm UrlForm::parse(const QByteArray &encoded)
{
    UrlForm form;
    for (const QByteArray &pair : encoded.split('&')) {
        if (pair.isEmpty())
            continue;
        const int eq = pair.indexOf('=');
        if (eq < 0)
            form.m_pairs.append({decode(pair), QString()});
        else
            form.m_pairs.append({decode(pair.left(eq)), decode(pair.mid(eq + 1))});
    }
    return form;
}

QString UrlForm::value(const QString &name) const
{
    for (const auto &p : m_pairs) {
        if (p.first == name)
            return p.second;
    }
    return QString();
}

bool UrlForm::contains(const QString &name) const
{
    for (const auto &p : m_pairs) {
        if (p.first == name)
            return true;
    }
    return false;
}
