#include "HeaderValue.h"

namespace {

// Splits on ";" outside quoted strings.
QList<QByteArray> splitParameters(const QByteArray &value)
{
    QList<QByteArray> pieces;
    QByteArray current;
    bool quoted = false;
    for (int i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (quoted && c == '\\' && i + 1 < value.size()) {
            current += c;
            current += value.at(++i);
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted) {
            pieces.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    pieces.append(current);
    return pieces;
}

QByteArray unquote(const QByteArray &raw)
{
    if (raw.size() < 2 || !raw.startsWith('"') || !raw.endsWith('"'))
        return raw;
    QByteArray out;
    const QByteArray inner = raw.mid(1, raw.size() - 2);
    for (int i = 0; i < inner.size(); ++i) {
        if (inner.at(i) == '\\' && i + 1 < inner.size())
            ++i;
        out += inner.at(i);
    }
    return out;
}

} // namespace

HeaderValue HeaderValue::parse(const QByteArray &value)
{
    HeaderValue result;
    const QList<QByteArray> pieces = splitParameters(value);
    result.m_token = pieces.value(0).trimmed();
    for (int i = 1; i < pieces.size(); ++i) {
        const QByteArray piece = pieces.at(i).trimmed();
        const int eq = piece.indexOf('=');
        if (eq <= 0)
            continue;
        result.m_parameters.append({piece.left(eq).trimmed().toLower(), unquote(piece.mid(eq + 1).trimmed())});
    }
    return result;
}

QByteArray HeaderValue::parameter(const QByteArray &name) const
{
    const QByteArray wanted = name.toLower();
    for (const auto &p : m_parameters) {
        if (p.first == wanted)
            return p.second;
    }
    return QByteArray();
}

bool HeaderValue::hasParameter(const QByteArray &name) const
{
    const QByteArray wanted = name.toLower();
    for (const auto &p : m_parameters) {
        if (p.first == wanted)
            return true;
    }
    return false;
}
