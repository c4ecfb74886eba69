// Fetching pages, only from a server the test starts on 127.0.0.1. Built into
// a suite with a Qt application and into one without any.
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"
#include "toolscript.h"

#include <reel/core/debug.h>
#include <reel/network/network.h>

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>
#include <tuple>
#include <vector>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
namespace {

// A socket bound to a free port of 127.0.0.1.
int boundSocket(quint16 *port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), length), 0) << "cannot bind a socket on 127.0.0.1";
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    *port = ntohs(address.sin_port);
    return fd;
}

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort()
{
    quint16 port = 0;
    ::close(boundSocket(&port));
    return port;
}

struct Reply {
    QByteArray raw;        // sent as it is, then the connection closes
    bool silent = false;   // accept, read the request, never answer
    int pauseMs = 0;       // send raw a byte at a time, pausing this long after each
};

// "HTTP/1.1 <status>" with the headers and a Content-Length for body.
Reply page(const QByteArray &body, const QByteArray &contentType = "text/html", const QByteArray &status = "200 OK",
           const QByteArray &extraHeaders = QByteArray())
{
    return {"HTTP/1.1 " + status + "\r\nContent-Type: " + contentType + "\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\n" + extraHeaders + "\r\n" + body};
}

Reply moved(const QByteArray &status, const QByteArray &location)
{
    return page("", "text/html", status, "Location: " + location + "\r\n");
}

// A small HTTP server on 127.0.0.1 that gives each path (with its query) its
// reply. It runs on a thread of its own (plain sockets, no event loop), so a
// client that blocks the test's thread is still answered; it serves one
// connection at a time.
class LocalHttpServer {
public:
    explicit LocalHttpServer(std::map<QByteArray, Reply> routes) : m_listener(boundSocket(&m_port)), m_routes(std::move(routes))
    {
        ::listen(m_listener, 8);
        m_thread = std::thread([this] {
            while (!m_stop)
                if (readable(m_listener))
                    answer(::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC));
        });
    }
    ~LocalHttpServer()
    {
        m_stop = true;
        m_thread.join();
        for (int fd : m_held)
            ::close(fd);
        ::close(m_listener);
    }

    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }

private:
    // Waits a little for fd to become readable.
    static bool readable(int fd)
    {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 20) > 0;
    }

    void answer(int fd)
    {
        QByteArray request;
        char buffer[4096];
        while (!m_stop && !request.contains("\r\n\r\n") && request.size() < 65536) {
            if (!readable(fd))
                continue;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            request.append(buffer, n);
        }
        const Reply reply = m_routes[request.left(request.indexOf("\r\n")).split(' ').value(1)];
        const qsizetype piece = reply.pauseMs > 0 ? 1 : reply.raw.size();
        for (qsizetype sent = 0, n = 0; !reply.silent && !m_stop && sent < reply.raw.size(); sent += n) {
            n = ::send(fd, reply.raw.constData() + sent, size_t(qMin(piece, reply.raw.size() - sent)), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
        }
        if (reply.silent)
            m_held.push_back(fd);
        else
            ::close(fd);
    }

    quint16 m_port = 0; // before m_listener, which sets it
    int m_listener;
    std::map<QByteArray, Reply> m_routes; // none: the connection closes unanswered
    std::atomic<bool> m_stop{false};
    std::vector<int> m_held;
    std::thread m_thread;
};

// The machine's proxies stay out of the way of the local server.
class Network : public ::testing::Test {
protected:
    Network()
    {
        setNetworkTimeout(20000);
        setNetworkPageLimit(1024);
    }
    test::ScopedEnv noProxy{"no_proxy", "*"};
};

} // namespace

// One row per way a server answers (or does not): the text it gives, or the
// failure and its reason, quiet unless the debug level is on.
TEST_F(Network, WhatEachServerBehaviourGives)
{
    const QByteArray kilobyte(1024, 'k');
    const QByteArray chunk = "258\r\n" + QByteArray(600, 'c') + "\r\n";
    const struct {
        const char *name; // the route's path
        Reply reply;
        QString text;
        const char *why = nullptr; // the failure's reason; null: the page comes
        int timeoutMs = 20000;
    } cases[] = {
        // Bytes that break the declared charset, and are not UTF-8, read as Latin-1.
        {"/latin1", page("Caf\xe9", "text/html; charset=utf-8"), u"Café"_s},
        // Whatever the charset, bytes that are not valid text in it fall back.
        {"/utf16-whole", page(QByteArray("h\0i\0", 4), "text/plain; charset=UTF-16LE"), u"hi"_s},
        {"/utf16-odd-length", page("abc", "text/plain; charset=utf-16"), u"abc"_s},
        {"/utf16-unpaired", page(QByteArray("\0\xD8" "a\0", 4), "text/plain; charset=utf-16le"),
         QString::fromLatin1(QByteArray("\0\xD8" "a\0", 4))},
        {"/utf16be-cut-pair", page("\xD8\x3D", "text/plain; charset=utf-16be"), u"\u00d8="_s},
        {"/utf32-past-unicode", page(QByteArray("\0\0\x11\0", 4), "text/plain; charset=\"utf-32\""),
         QString::fromLatin1(QByteArray("\0\0\x11\0", 4))},
        {"/utf32-wraps-to-a-pair", page(QByteArray("\0\0\x01\x04", 4), "text/plain; charset=utf-32le"),
         QString::fromLatin1(QByteArray("\0\0\x01\x04", 4))},
        {"/utf7-lone-surrogate", page("a+2D0-", "text/plain; charset=utf-7"), u"a+2D0-"_s},
        {"/moved", moved("301 Moved", "latin1"), u"Café"_s},
        {"/bad-request", moved("400 Bad Request", "/latin1"), u""_s, "HTTP status 400"},
        // Pages are asked for unencoded; a cut compressed body would not tell.
        {"/gzip", page("\x1f\x8b", "text/html", "200 OK", "Content-Encoding: gzip\r\n"), u""_s, "content encoded as gzip"},
        {"/loop", moved("302 Found", "/loop"), u""_s, "redirection to "},
        {"/to-ftp", moved("302 Found", "ftp://127.0.0.1/x"), u""_s, "redirection to ftp://127.0.0.1/x"},
        // The page limit, however the page is sent.
        {"/at-the-limit", page(kilobyte, "text/plain"), QString::fromLatin1(kilobyte)},
        {"/by-length", page(kilobyte + "k", "text/plain"), u""_s, "page too large"},
        {"/chunked-large", {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunk + chunk + "0\r\n\r\n"}, u""_s,
         "page too large"},
        {"/long-header", page("x", "text/plain", "200 OK", "X-Filler: " + QByteArray(70000, 'f') + "\r\n"), u""_s,
         "header too large"},
        // One time limit for the whole page: a server that never answers, and
        // one whose every byte comes in time for a per-read limit.
        {"/silent", {QByteArray(), true}, u""_s, "timed out", 300},
        {"/slow", {"HTTP/1.1 200 OK\r\nContent-Length: 400\r\n\r\n" + QByteArray(400, 'x'), false, 20}, u""_s,
         "timed out", 500},
    };
    std::map<QByteArray, Reply> routes;
    for (const auto &c : cases)
        routes[c.name] = c.reply;
    LocalHttpServer server(routes);
    test::forEachCase(cases, [&](const auto &c) {
        const QString url = server.url(QString::fromLatin1(c.name));
        setNetworkTimeout(c.timeoutMs);
        setDEBUG(0);
        test::clearLog();
        const QString text = webpageSource(url, false);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(test::takeLog(), QStringList());
        setDEBUG(1);
        EXPECT_EQ(internetConnexionCheck(url), c.why == nullptr);
        if (c.why)
            EXPECT_TRUE(test::logContains(u"webpage             :-( %1 : %2"_s.arg(url, QLatin1String(c.why))));
    });
}

// What is no web address at all is logged whatever the debug level.
TEST_F(Network, AddressesThatAreNotPagesOfAServer)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/page one.html"_s, "<p>\xc3\xa9</p>");
    const QString big = test::writeFile(s + u"/big.html"_s, QByteArray(1025, 'b'));
    const std::tuple<QString, QString, bool> cases[] = { // URL, text (null: not fetched), no web address
        {u"file://"_s + file, u"<p>é</p>"_s, false},
        {u"file://"_s + big, QString(), false},
        {u"file://"_s + s + u"/absent.html"_s, QString(), false},
        {u""_s, QString(), true}, {u"ftp://127.0.0.1/x"_s, QString(), true}, {u"http://"_s, QString(), true},
    };
    for (const auto &[url, text, notWeb] : cases) {
        SCOPED_TRACE(url.toStdString());
        EXPECT_EQ(webpageSource(url, false), text.isNull() ? u""_s : text);
        EXPECT_EQ(internetConnexionCheck(url), !text.isNull());
        EXPECT_EQ(test::takeLog(), QStringList(notWeb ? 2 : 0, u"webpage             :-( not a web address '%1'"_s.arg(url)));
    }
    EXPECT_TRUE(webpageSource(QString(), true).isNull());
    EXPECT_FALSE(internetConnexionCheck(QString()));
    EXPECT_TRUE(test::takeLog().isEmpty());
}

TEST_F(Network, AnUntrustedCertificateIsRefused)
{
    const QString openssl = QStandardPaths::findExecutable(u"openssl"_s);
    if (openssl.isEmpty())
        GTEST_SKIP() << "no openssl program to serve TLS";
    const QString key = test::scratchDir() + u"/key.pem"_s, cert = test::scratchDir() + u"/cert.pem"_s;
    const test::ProgramRun make = test::runProgram(
        openssl, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s,
                  u"-days"_s, u"1"_s, u"-subj"_s, u"/CN=127.0.0.1"_s, u"-keyout"_s, key, u"-out"_s, cert});
    ASSERT_EQ(make.status, 0) << make.err.toStdString();

    const QString url = u"https://127.0.0.1:%1/"_s.arg(closedPort());
    QProcess tls;
    tls.start(openssl, {u"s_server"_s, u"-accept"_s, url.mid(8).chopped(1), u"-cert"_s, cert, u"-key"_s, key, u"-www"_s});
    QByteArray said; // "ACCEPT" once it listens
    while (!said.contains("ACCEPT") && tls.waitForReadyRead(30000))
        said += tls.readAllStandardOutput();
    setDEBUG(1);
    EXPECT_FALSE(internetConnexionCheck(url));
    const QStringList refused = test::logLines().filter(u"webpage             :-( "_s + url);
    ASSERT_FALSE(refused.isEmpty()) << test::logLines().join(u'\n').toStdString();
    EXPECT_TRUE(refused.first().contains(u"certificate"_s)) << test::logLines().join(u'\n').toStdString();
    tls.kill();
    tls.waitForFinished();
}
