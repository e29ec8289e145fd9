#include "MultipartForm.h"

#include "HeaderValue.h"

namespace {

constexpr int kMaxParts = 100;
constexpr int kMaxPartHeader = 8192;
constexpr int kMaxBoundary = 200;

bool parsePartHeaders(const QByteArray &block, MultipartForm::Part *part, QString *error)
{
    for (const QByteArray &line : block.split('\n')) {
        const QByteArray clean = line.endsWith('\r') ? line.left(line.size() - 1) : line;
        if (clean.isEmpty())
            continue;
        const int colon = clean.indexOf(':');
        if (colon <= 0) {
            *error = QStringLiteral("malformed part header");
            return false;
        }
        const QByteArray name = clean.left(colon).trimmed().toLower();
        const QByteArray value = clean.mid(colon + 1).trimmed();
        part->headers.append({name, value});
        if (name == "content-type") {
            part->contentType = value;
        } else if (name == "content-disposition") {
            const HeaderValue disposition = HeaderValue::parse(value);
            if (disposition.token().toLower() != "form-data") {
                *error = QStringLiteral("part is not form-data");
                return false;
            }
            part->name = QString::fromUtf8(disposition.parameter("name"));
            part->hasFileName = disposition.hasParameter("filename");
            part->fileName = QString::fromUtf8(disposition.parameter("filename"));
        }
    }
    if (part->name.isEmpty()) {
        *error = QStringLiteral("part without a name");
        return false;
    }
    return true;
}

} // namespace

bool MultipartForm::isMultipart(const QByteArray &contentType)
{
    return HeaderValue::parse(contentType).token().toLower() == "multipart/form-data";
}

bool MultipartForm::parse(const QByteArray &contentType, const QByteArray &body, MultipartForm *form, QString *error)
{
    const HeaderValue type = HeaderValue::parse(contentType);
    const QByteArray boundary = type.parameter("boundary");
    if (type.token().toLower() != "multipart/form-data" || boundary.isEmpty() || boundary.size() > kMaxBoundary) {
        *error = QStringLiteral("not a multipart/form-data body with a boundary");
        return false;
    }
    const QByteArray delimiter = QByteArray("--") + boundary;
    const QByteArray next = QByteArray("\r\n") + delimiter;
    // The first delimiter may follow a preamble; later ones follow CRLF.
    int pos = 0;
    if (body.startsWith(delimiter)) {
        pos = delimiter.size();
    } else {
        const int at = body.indexOf(next);
        if (at < 0) {
            *error = QStringLiteral("boundary not found");
            return false;
        }
        pos = at + next.size();
    }
    form->m_parts.clear();
    while (true) {
        if (body.mid(pos, 2) == "--")
            return true; // closing delimiter; the epilogue is ignored
        while (pos < body.size() && (body.at(pos) == ' ' || body.at(pos) == '\t'))
            ++pos;
        if (body.mid(pos, 2) != "\r\n") {
            *error = QStringLiteral("malformed delimiter line");
            return false;
        }
        pos += 2;
        const int end = body.indexOf(next, pos);
        if (end < 0) {
            *error = QStringLiteral("unterminated multipart body");
            return false;
        }
        if (form->m_parts.size() >= kMaxParts) {
            *error = QStringLiteral("too many parts");
            return false;
        }
        Part part;
        int headerEnd = -1;
        if (body.mid(pos, 2) == "\r\n")
            headerEnd = pos; // no headers at all
        else
            headerEnd = body.indexOf("\r\n\r\n", pos);
        if (headerEnd < 0 || headerEnd > end || headerEnd - pos > kMaxPartHeader) {
            *error = QStringLiteral("malformed part headers");
            return false;
        }
        if (!parsePartHeaders(body.mid(pos, headerEnd - pos), &part, error))
            return false;
        const int dataStart = headerEnd == pos ? pos + 2 : headerEnd + 4;
        part.data = body.mid(dataStart, end - dataStart);
        form->m_parts.append(part);
        pos = end + next.size();
    }
}

const MultipartForm::Part *MultipartForm::part(const QString &name) const
{
    for (const Part &p : m_parts) {
        if (p.name == name)
            return &p;
    }
    return nullptr;
}

QString MultipartForm::text(const QString &name) const
{
    const Part *p = part(name);
    return p ? QString::fromUtf8(p->data) : QString();
}
