// lwservice's HTTP layer in this process: the request parser against
// floods and oversized pieces.
#include "LWTestMain.h"

#include "HttpParser.h"

namespace {

HttpParser parserWithLimit(qint64 bodyLimit)
{
    HttpParser parser;
    parser.setBodyLimitProvider([bodyLimit](const HttpRequest &) { return bodyLimit; });
    return parser;
}

} // namespace

class TstLwServiceHttp : public QObject
{
    Q_OBJECT

private slots:
    // ---- parser -----------------------------------------------------------

    void blankLinesBeforeARequest_data()
    {
        QTest::addColumn<int>("blankLines");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("none") << 0 << true;
        QTest::newRow("one after a body") << 1 << true;
        QTest::newRow("at the bound") << 16 << true;
        QTest::newRow("one past the bound") << 17 << false;
    }
    void blankLinesBeforeARequest()
    {
        QFETCH(int, blankLines);
        QFETCH(bool, accepted);
        HttpParser parser = parserWithLimit(0);
        parser.append(QByteArray("\r\n").repeated(blankLines) + "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        const HttpParser::Result result = parser.advance();
        QCOMPARE(result, accepted ? HttpParser::Result::Complete : HttpParser::Result::Failed);
        if (!accepted)
            QCOMPARE(parser.errorStatus(), 400);
    }

    void floodOfBlankLinesIsNotKept()
    {
        // Fed in pieces below the bound, then past it: the buffer never
        // holds what was consumed.
        HttpParser parser = parserWithLimit(0);
        HttpParser::Result result = HttpParser::Result::NeedMore;
        int rounds = 0;
        while (result == HttpParser::Result::NeedMore && rounds < 1000) {
            parser.append("\r\n");
            result = parser.advance();
            QVERIFY(parser.bufferedBytes() <= 2);
            ++rounds;
        }
        QCOMPARE(result, HttpParser::Result::Failed);
        QCOMPARE(rounds, 17);
    }

    void consumedLinesAreDropped_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<QByteArray>("tail");
        const QByteArray chunked = "POST /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n";
        QTest::newRow("one-byte chunks") << chunked << QByteArray("1\r\nx\r\n") << 20000 << QByteArray("0\r\n\r\n");
        QTest::newRow("chunks in CR LF halves") << chunked << QByteArray("2\r") << 1 << QByteArray();
        QTest::newRow("header lines") << QByteArray("GET / HTTP/1.1\r\n") << QByteArray("X-A: 1\r\n") << 90 << QByteArray("\r\n");
    }
    void consumedLinesAreDropped()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, piece);
        QFETCH(int, pieces);
        QFETCH(QByteArray, tail);
        HttpParser parser = parserWithLimit(1024 * 1024);
        parser.append(head);
        QCOMPARE(parser.advance(), HttpParser::Result::NeedMore);
        qint64 most = 0;
        for (int i = 0; i < pieces; ++i) {
            parser.append(piece);
            QCOMPARE(parser.advance(), HttpParser::Result::NeedMore);
            most = qMax(most, parser.bufferedBytes());
        }
        QVERIFY2(most < 64, qPrintable(QString::number(most)));
        if (tail.isEmpty())
            return;
        parser.append(tail);
        QCOMPARE(parser.advance(), HttpParser::Result::Complete);
        if (head.startsWith("POST"))
            QCOMPARE(parser.takeRequest().body, QByteArray(pieces, 'x'));
    }

    void headAndChunkBounds_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QByteArray wide("GET / HTTP/1.1\r\n");
        for (int i = 0; i < 90; ++i)
            wide += "X-H" + QByteArray::number(i) + ": " + QByteArray(400, 'v') + "\r\n";
        QTest::newRow("head over 32 KiB in short lines") << QByteArray(wide + "\r\n") << 431;
        const QByteArray chunked = "POST /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n";
        QTest::newRow("a short extension") << QByteArray(chunked + "1;name=value\r\nx\r\n0\r\n\r\n") << 0;
        QTest::newRow("extensions over 4 KiB in all")
            << QByteArray(chunked + QByteArray("1;" + QByteArray(500, 'e') + "\r\nx\r\n").repeated(10) + "0\r\n\r\n") << 400;
        QTest::newRow("one chunk line over its bound") << QByteArray(chunked + "1;" + QByteArray(2000, 'e') + "\r\nx\r\n") << 400;
    }
    void headAndChunkBounds()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        HttpParser parser = parserWithLimit(1024 * 1024);
        parser.append(request);
        const HttpParser::Result result = parser.advance();
        if (status == 0) {
            QCOMPARE(result, HttpParser::Result::Complete);
        } else {
            QCOMPARE(result, HttpParser::Result::Failed);
            QCOMPARE(parser.errorStatus(), status);
        }
    }
};

LW_TEST_MAIN(TstLwServiceHttp)
#include "tst_lwservice_http.moc"
