#include "HttpParser.h"

#include <QDir>
#include <QUrl>

namespace {

bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArray("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

bool hasControlChars(const QByteArray &text)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f)
            return true;
    }
    return false;
}

// Content-Length: digits only, no sign, no overflow.
bool parseLength(const QByteArray &text, qint64 *length)
{
    const QByteArray t = text.trimmed();
    if (t.isEmpty() || t.size() > 18)
        return false;
    for (const char c : t) {
        if (c < '0' || c > '9')
            return false;
    }
    *length = t.toLongLong();
    return true;
}

} // namespace

HttpParser::HttpParser()
    : m_limits()
{
}

HttpParser::HttpParser(const Limits &limits)
    : m_limits(limits)
{
}

void HttpParser::setBodyLimitProvider(std::function<qint64(const HttpRequest &)> provider)
{
    m_bodyLimitProvider = std::move(provider);
}

void HttpParser::setHeadCheck(std::function<int(const HttpRequest &, QByteArray *)> check)
{
    m_headCheck = std::move(check);
}

void HttpParser::setBodyBudget(std::shared_ptr<BodyBudget> budget)
{
    m_budget = std::move(budget);
}

bool HttpParser::inBody() const
{
    return m_state == State::Body || m_state == State::ChunkSize || m_state == State::ChunkData
        || m_state == State::ChunkDataEnd || m_state == State::Trailers;
}

void HttpParser::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

bool HttpParser::takeContinueRequest()
{
    const bool wanted = m_continueWanted;
    m_continueWanted = false;
    return wanted;
}

HttpRequest HttpParser::takeRequest()
{
    HttpRequest request = m_request;
    m_request = HttpRequest();
    return request;
}

void HttpParser::reset()
{
    m_state = State::RequestLine;
    m_request = HttpRequest();
    m_body.reset();
    m_headerBytes = 0;
    m_blankLines = 0;
    m_chunkExtensionBytes = 0;
    m_bodyLimit = 0;
    m_remaining = 0;
    m_continueWanted = false;
    m_errorStatus = 0;
    m_errorMessage.clear();
    compact();
}

bool HttpParser::hasPartialRequest() const
{
    return m_state != State::RequestLine || available() > 0;
}

void HttpParser::compact()
{
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
}

HttpParser::Result HttpParser::fail(int status, const QByteArray &message)
{
    m_state = State::Failed;
    m_errorStatus = status;
    m_errorMessage = message;
    return Result::Failed;
}

bool HttpParser::takeLine(QByteArray *line, int maxLength, bool *tooLong)
{
    *tooLong = false;
    const int nl = m_buffer.indexOf('\n', m_pos);
    if (nl < 0) {
        *tooLong = available() > maxLength;
        return false;
    }
    int length = nl - m_pos;
    if (length > maxLength + 1) {
        *tooLong = true;
        return false;
    }
    *line = m_buffer.mid(m_pos, length);
    if (line->endsWith('\r'))
        line->chop(1);
    m_pos = nl + 1;
    m_headerBytes += length + 1;
    return true;
}

HttpParser::Result HttpParser::advance()
{
    const Result result = step();
    // Whatever the parser has consumed is gone for good: blank lines,
    // header lines and chunk-size lines must not pile up in the buffer while
    // a client keeps sending them.
    if (result == Result::NeedMore)
        compact();
    return result;
}

HttpParser::Result HttpParser::step()
{
    while (true) {
        QByteArray line;
        bool tooLong = false;
        switch (m_state) {
        case State::RequestLine:
            if (!takeLine(&line, m_limits.maxRequestLine, &tooLong))
                return tooLong ? fail(414, "request line too long") : Result::NeedMore;
            if (line.isEmpty() && m_request.method.isEmpty()) {
                if (++m_blankLines > m_limits.maxLeadingBlankLines)
                    return fail(400, "too many empty lines before the request");
                m_headerBytes = 0;
                continue;
            }
            if (parseRequestLine(line) == Result::Failed)
                return Result::Failed;
            m_state = State::Headers;
            break;
        case State::Headers:
            if (!takeLine(&line, m_limits.maxHeaderBytes, &tooLong))
                return tooLong || m_headerBytes + available() > m_limits.maxHeaderBytes
                    ? fail(431, "request headers too large")
                    : Result::NeedMore;
            if (m_headerBytes > m_limits.maxHeaderBytes)
                return fail(431, "request headers too large");
            if (line.isEmpty()) {
                if (headersDone() == Result::Failed)
                    return Result::Failed;
            } else if (parseHeaderLine(line) == Result::Failed) {
                return Result::Failed;
            }
            break;
        case State::Body:
            if (takeBody() == Result::Failed)
                return Result::Failed;
            if (m_remaining > 0)
                return Result::NeedMore;
            if (complete() == Result::Failed)
                return Result::Failed;
            break;
        case State::ChunkSize:
            if (!takeLine(&line, m_limits.maxChunkLine, &tooLong))
                return tooLong ? fail(400, "chunk size line too long") : Result::NeedMore;
            if (parseChunkSize(line) == Result::Failed)
                return Result::Failed;
            break;
        case State::ChunkData:
            if (takeBody() == Result::Failed)
                return Result::Failed;
            if (m_remaining > 0)
                return Result::NeedMore;
            m_state = State::ChunkDataEnd;
            break;
        case State::ChunkDataEnd:
            // Exactly CRLF (or a bare LF) must follow the chunk's data.
            if (available() < 1)
                return Result::NeedMore;
            if (m_buffer.at(m_pos) == '\n') {
                ++m_pos;
            } else if (m_buffer.at(m_pos) != '\r') {
                return fail(400, "chunk not followed by CRLF");
            } else if (available() < 2) {
                return Result::NeedMore;
            } else if (m_buffer.at(m_pos + 1) != '\n') {
                return fail(400, "chunk not followed by CRLF");
            } else {
                m_pos += 2;
            }
            m_state = State::ChunkSize;
            break;
        case State::Trailers:
            if (!takeLine(&line, m_limits.maxHeaderBytes, &tooLong))
                return tooLong ? fail(431, "trailers too large") : Result::NeedMore;
            if (m_headerBytes > m_limits.maxHeaderBytes)
                return fail(431, "trailers too large");
            if (line.isEmpty() && complete() == Result::Failed)
                return Result::Failed;
            break;
        case State::Complete:
            return Result::Complete;
        case State::Failed:
            return Result::Failed;
        }
    }
}

HttpParser::Result HttpParser::parseRequestLine(const QByteArray &line)
{
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || !isToken(parts.at(0)) || parts.at(1).isEmpty() || hasControlChars(parts.at(1)))
        return fail(400, "malformed request line");
    const QByteArray &version = parts.at(2);
    if (version == "HTTP/1.1")
        m_request.minorVersion = 1;
    else if (version == "HTTP/1.0")
        m_request.minorVersion = 0;
    else if (version.startsWith("HTTP/") && version.size() == 8 && version.at(6) == '.')
        return fail(505, "HTTP version not supported");
    else
        return fail(400, "malformed request line");

    m_request.method = parts.at(0);
    m_request.target = parts.at(1);
    QByteArray target = m_request.target;
    if (target.startsWith("http://") || target.startsWith("https://")) {
        const int slash = target.indexOf('/', target.indexOf("//") + 2);
        target = slash < 0 ? QByteArray("/") : target.mid(slash);
    }
    if (!target.startsWith('/') && target != "*")
        return fail(400, "malformed request target");
    const int hash = target.indexOf('#');
    if (hash >= 0)
        target.truncate(hash);
    const int question = target.indexOf('?');
    const QByteArray rawPath = question < 0 ? target : target.left(question);
    m_request.rawQuery = question < 0 ? QByteArray() : target.mid(question + 1);
    const QByteArray decoded = QByteArray::fromPercentEncoding(rawPath);
    if (decoded.contains('\0') || hasControlChars(decoded))
        return fail(400, "malformed request path");
    m_request.path = QString::fromUtf8(decoded);
    return Result::NeedMore;
}

HttpParser::Result HttpParser::parseHeaderLine(const QByteArray &line)
{
    if (line.startsWith(' ') || line.startsWith('\t'))
        return fail(400, "folded header lines are not accepted");
    const int colon = line.indexOf(':');
    if (colon <= 0)
        return fail(400, "malformed header line");
    const QByteArray name = line.left(colon);
    if (!isToken(name))
        return fail(400, "malformed header name");
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (hasControlChars(value))
        return fail(400, "control characters in a header value");
    if (m_request.headers.size() >= m_limits.maxHeaderCount)
        return fail(431, "too many headers");
    m_request.headers.append({name.toLower(), value});
    return Result::NeedMore;
}

HttpParser::Result HttpParser::headersDone()
{
    const bool chunked = m_request.hasHeader("transfer-encoding");
    qint64 length = -1;
    for (const auto &h : m_request.headers) {
        if (h.first != "content-length")
            continue;
        // Differing lengths are how requests get smuggled past proxies.
        for (const QByteArray &piece : h.second.split(',')) {
            qint64 value = 0;
            if (!parseLength(piece, &value) || (length >= 0 && value != length))
                return fail(400, "invalid Content-Length");
            length = value;
        }
    }
    if (chunked) {
        if (length >= 0)
            return fail(400, "both Content-Length and Transfer-Encoding");
        if (m_request.minorVersion == 0)
            return fail(400, "Transfer-Encoding in an HTTP/1.0 request");
        if (m_request.header("transfer-encoding").trimmed().toLower() != "chunked")
            return fail(501, "only chunked transfer coding is supported");
    }
    if (m_headCheck) {
        QByteArray message;
        if (const int status = m_headCheck(m_request, &message))
            return fail(status, message);
    }
    m_bodyLimit = m_bodyLimitProvider ? m_bodyLimitProvider(m_request) : 0;
    if (length > m_bodyLimit)
        return fail(413, "request body too large");
    const bool bodyFollows = chunked || length > 0;
    if (bodyFollows && m_request.header("expect").toLower() == "100-continue")
        m_continueWanted = true;
    if (!bodyFollows)
        return complete();
    if (!m_budget)
        m_budget = std::make_shared<BodyBudget>(BodyBudget::Limits(), QDir::tempPath());
    m_body = std::make_shared<RequestBody>(m_budget, chunked ? -1 : length);
    if (chunked) {
        m_state = State::ChunkSize;
    } else {
        m_remaining = length;
        m_state = State::Body;
    }
    return Result::NeedMore;
}

HttpParser::Result HttpParser::parseChunkSize(const QByteArray &line)
{
    const int semicolon = line.indexOf(';');
    if (semicolon >= 0) {
        // Extensions carry nothing this service uses; a client sending
        // thousands of them is only burning our time.
        m_chunkExtensionBytes += line.size() - semicolon;
        if (m_chunkExtensionBytes > m_limits.maxChunkExtensionBytes)
            return fail(400, "chunk extensions too long");
    }
    const QByteArray digits = (semicolon < 0 ? line : line.left(semicolon)).trimmed();
    if (digits.isEmpty() || digits.size() > 15)
        return fail(400, "malformed chunk size");
    bool ok = false;
    const qint64 size = digits.toLongLong(&ok, 16);
    if (!ok || size < 0 || digits.startsWith('-') || digits.startsWith('+'))
        return fail(400, "malformed chunk size");
    if (size == 0) {
        m_headerBytes = 0; // trailers get their own allowance
        m_state = State::Trailers;
        return Result::NeedMore;
    }
    if (m_body->size() + size > m_bodyLimit)
        return fail(413, "request body too large");
    m_remaining = size;
    m_state = State::ChunkData;
    return Result::NeedMore;
}

HttpParser::Result HttpParser::takeBody()
{
    const qint64 take = qMin(m_remaining, available());
    switch (m_body->append(m_buffer.constData() + m_pos, take)) {
    case RequestBody::Status::Ok:
        break;
    case RequestBody::Status::Busy:
        return fail(503, "the service is busy receiving other requests; try again shortly");
    case RequestBody::Status::Failed:
        return fail(500, "the request body could not be stored");
    }
    m_pos += int(take);
    m_remaining -= take;
    return Result::NeedMore;
}

HttpParser::Result HttpParser::complete()
{
    if (m_body) {
        if (!m_body->finish())
            return fail(500, "the request body could not be stored");
        m_request.body = m_body->bytes();
        m_request.bodyStore = m_body;
        m_body.reset();
    }
    m_state = State::Complete;
    return Result::NeedMore;
}
