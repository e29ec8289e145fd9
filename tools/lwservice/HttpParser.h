#pragma once

#include "HttpRequest.h"
#include "RequestBody.h"

#include <QByteArray>

#include <functional>
#include <memory>

// Incremental HTTP/1.x request parser. Bytes go in as they arrive; one
// request comes out at a time, and bytes of a following (pipelined) request
// stay buffered for the next round. Anything malformed or over a limit ends
// in Failed with the status to answer.
class HttpParser
{
public:
    enum class Result { NeedMore, Complete, Failed };

    struct Limits
    {
        int maxRequestLine = 8192;
        int maxHeaderBytes = 32768; // request line, headers and trailers together
        int maxHeaderCount = 100;
        int maxChunkLine = 1024;
        // Stray empty lines before a request are tolerated (some clients
        // end a body with an extra CRLF), but not without end.
        int maxLeadingBlankLines = 16;
        int maxChunkExtensionBytes = 4096; // all ";name=value" text of one request
    };

    HttpParser();
    explicit HttpParser(const Limits &limits);

    // Asked once the headers of a request are in: how many body bytes that
    // request may carry.
    void setBodyLimitProvider(std::function<qint64(const HttpRequest &)> provider);
    // Asked once the headers of a request are in, before its body is read:
    // 0 to go on, else the HTTP status to refuse the request with.
    void setHeadCheck(std::function<int(const HttpRequest &, QByteArray *message)> check);
    // Where bodies go while they arrive; shared by the parsers of a server.
    // Without one, a parser has an allowance of its own in the temporary folder.
    void setBodyBudget(std::shared_ptr<BodyBudget> budget);

    void append(const QByteArray &bytes);
    Result advance();

    // True once per request whose client waits for "100 Continue".
    bool takeContinueRequest();

    HttpRequest takeRequest();
    int errorStatus() const { return m_errorStatus; }
    QByteArray errorMessage() const { return m_errorMessage; }

    // Starts the next request; keeps the bytes already buffered for it.
    void reset();
    bool hasPartialRequest() const;
    // Bytes held in the parser's own buffer, consumed ones already dropped.
    qint64 bufferedBytes() const { return m_buffer.size(); }
    // The request's headers are in and its body is on the way.
    bool inBody() const;
    qint64 bodyReceived() const { return m_body ? m_body->size() : 0; }

private:
    enum class State { RequestLine, Headers, Body, ChunkSize, ChunkData, ChunkDataEnd, Trailers, Complete, Failed };

    Result step();
    Result fail(int status, const QByteArray &message);
    bool takeLine(QByteArray *line, int maxLength, bool *tooLong);
    Result parseRequestLine(const QByteArray &line);
    Result parseHeaderLine(const QByteArray &line);
    Result headersDone();
    Result parseChunkSize(const QByteArray &line);
    Result takeBody();
    Result complete();
    void compact();
    qint64 available() const { return m_buffer.size() - m_pos; }

    Limits m_limits;
    std::function<qint64(const HttpRequest &)> m_bodyLimitProvider;
    std::function<int(const HttpRequest &, QByteArray *)> m_headCheck;
    std::shared_ptr<BodyBudget> m_budget;
    std::shared_ptr<RequestBody> m_body; // of the request being read
    QByteArray m_buffer;
    int m_pos = 0;
    State m_state = State::RequestLine;
    HttpRequest m_request;
    int m_headerBytes = 0;
    int m_blankLines = 0;
    int m_chunkExtensionBytes = 0;
    qint64 m_bodyLimit = 0;
    qint64 m_remaining = 0; // of the current Content-Length body or chunk
    bool m_continueWanted = false;
    int m_errorStatus = 0;
    QByteArray m_errorMessage;
};
