#include "reel/system/network.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"

#include <QDeadlineTimer>
#include <QList>
#include <QSslSocket>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QUrl>

#include <atomic>
#include <climits>
#include <memory>
#include <optional>

namespace reel {

namespace {

std::atomic<int> g_timeout{15000};

constexpr int kMaxRedirects = 5;
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
constexpr qsizetype kMaxPageBytes = 64 * 1024 * 1024;

struct Page {
    QByteArray body;
    QByteArray contentType;
};

struct Response {
    int status = 0;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(const char *name) const
    {
        for (const auto &h : headers)
            if (h.first.compare(name, Qt::CaseInsensitive) == 0)
                return h.second;
        return QByteArray();
    }
};

// The bytes of one connection, read as they come, never past the deadline.
class Reader {
public:
    Reader(QTcpSocket &socket, const QDeadlineTimer &deadline) : m_socket(socket), m_deadline(deadline) {}

    QByteArray buffer;

    // Appends what arrives next; false at the end of the stream, on an
    // error, at the deadline or past the size limit (why() says which).
    bool more()
    {
        if (m_socket.bytesAvailable() <= 0) {
            if (m_socket.state() != QAbstractSocket::ConnectedState)
                return ended();
            if (m_deadline.hasExpired() || !m_socket.waitForReadyRead(remaining())) {
                if (m_socket.bytesAvailable() <= 0) {
                    if (m_deadline.hasExpired() || m_socket.error() == QAbstractSocket::SocketTimeoutError) {
                        m_why = QStringLiteral("timed out");
                        return false;
                    }
                    return ended();
                }
            }
        }
        buffer += m_socket.readAll();
        if (buffer.size() > kMaxPageBytes) {
            m_why = QStringLiteral("page too large");
            return false;
        }
        return true;
    }

    // True when the stream ended with the server's close (a reset reads the
    // same through Qt), not with a time-out or another error.
    bool closedInOrder() const { return m_closed; }

    int remaining() const { return int(qBound(qint64(1), m_deadline.remainingTime(), qint64(INT_MAX))); }
    QString why() const { return m_why; }

private:
    bool ended()
    {
        const QAbstractSocket::SocketError error = m_socket.error();
        m_closed = error == QAbstractSocket::RemoteHostClosedError || error == QAbstractSocket::UnknownSocketError;
        m_why = m_closed ? QStringLiteral("connection closed") : m_socket.errorString();
        return false;
    }

    QTcpSocket &m_socket;
    QDeadlineTimer m_deadline;
    QString m_why;
    bool m_closed = false;
};

// A chunked body: true when complete (body set), false when more bytes are
// needed, nothing when malformed.
std::optional<bool> dechunk(const QByteArray &raw, QByteArray *body)
{
    body->clear();
    qsizetype at = 0;
    while (true) {
        const qsizetype eol = raw.indexOf("\r\n", at);
        if (eol < 0)
            return raw.size() - at > 1024 ? std::nullopt : std::optional<bool>(false);
        QByteArray sizeText = raw.mid(at, eol - at);
        if (const qsizetype semi = sizeText.indexOf(';'); semi >= 0)
            sizeText.truncate(semi);
        bool ok = false;
        const qint64 size = sizeText.trimmed().toLongLong(&ok, 16);
        if (!ok || size < 0 || size > kMaxPageBytes)
            return std::nullopt;
        at = eol + 2;
        if (size == 0)
            return true; // trailer fields, if any, are not needed
        if (raw.size() - at < size + 2)
            return false;
        body->append(raw.constData() + at, size);
        if (raw.mid(at + size, 2) != "\r\n")
            return std::nullopt;
        at += size + 2;
    }
}

std::optional<Response> readResponse(Reader &in, QString *why)
{
    Response r;
    // Interim 1xx answers come before the real one.
    while (r.status < 200) {
        qsizetype headerEnd;
        while ((headerEnd = in.buffer.indexOf("\r\n\r\n")) < 0) {
            if (in.buffer.size() > kMaxHeaderBytes) {
                *why = QStringLiteral("header too large");
                return std::nullopt;
            }
            if (!in.more()) {
                *why = in.why();
                return std::nullopt;
            }
        }
        const QList<QByteArray> lines = in.buffer.left(headerEnd).split('\n');
        in.buffer.remove(0, headerEnd + 4);
        const QList<QByteArray> status = lines.first().trimmed().split(' ');
        bool ok = false;
        r.status = status.size() >= 2 && status.first().startsWith("HTTP/") ? status.at(1).toInt(&ok) : 0;
        if (!ok || r.status < 100 || r.status > 599) {
            *why = QStringLiteral("not an HTTP answer");
            return std::nullopt;
        }
        r.headers.clear();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            if (colon > 0)
                r.headers.append({lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
        }
    }

    if (r.status == 204 || r.status == 304)
        return r;
    if (r.header("Transfer-Encoding").toLower().contains("chunked")) {
        while (true) {
            const std::optional<bool> complete = dechunk(in.buffer, &r.body);
            if (!complete) {
                *why = QStringLiteral("bad chunked body");
                return std::nullopt;
            }
            if (*complete)
                return r;
            if (!in.more()) {
                *why = in.why();
                return std::nullopt;
            }
        }
    }
    const QByteArray lengthText = r.header("Content-Length");
    if (!lengthText.isEmpty()) {
        bool ok = false;
        const qint64 length = lengthText.toLongLong(&ok);
        if (!ok || length < 0 || length > kMaxPageBytes) {
            *why = QStringLiteral("bad length");
            return std::nullopt;
        }
        while (in.buffer.size() < length) {
            if (!in.more()) {
                *why = in.why();
                return std::nullopt;
            }
        }
        r.body = in.buffer.left(length);
        return r;
    }
    // Neither: the body ends with the connection.
    while (in.more()) {
    }
    if (!in.closedInOrder()) {
        *why = in.why();
        return std::nullopt;
    }
    r.body = in.buffer;
    return r;
}

bool isHttp(const QUrl &url)
{
    return (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) && !url.host().isEmpty();
}

// One request and its answer.
std::optional<Response> get(const QUrl &url, const QDeadlineTimer &deadline, QString *why)
{
    const bool tls = url.scheme() == QLatin1String("https");
    std::unique_ptr<QTcpSocket> socket;
    if (tls) {
        if (!QSslSocket::supportsSsl()) {
            *why = QStringLiteral("no TLS support");
            return std::nullopt;
        }
        auto ssl = std::make_unique<QSslSocket>();
        ssl->connectToHostEncrypted(url.host(), quint16(url.port(443)));
        socket = std::move(ssl);
    } else {
        socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(url.host(), quint16(url.port(80)));
    }
    Reader in(*socket, deadline);
    if (!socket->waitForConnected(in.remaining())
        || (tls && !static_cast<QSslSocket *>(socket.get())->waitForEncrypted(in.remaining()))) {
        *why = deadline.hasExpired() ? QStringLiteral("timed out") : socket->errorString();
        return std::nullopt;
    }

    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!target.startsWith('/'))
        target.prepend('/');
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: " + host
        + "\r\nUser-Agent: reelkit\r\nAccept: */*\r\nAccept-Encoding: identity\r\nConnection: close\r\n";
    if (!url.userInfo().isEmpty())
        request += "Authorization: Basic "
            + (url.userName(QUrl::FullyDecoded) + QLatin1Char(':') + url.password(QUrl::FullyDecoded)).toUtf8().toBase64()
            + "\r\n";
    request += "\r\n";
    socket->write(request);
    while (socket->bytesToWrite() > 0) {
        if (!socket->waitForBytesWritten(in.remaining())) {
            *why = deadline.hasExpired() ? QStringLiteral("timed out") : socket->errorString();
            return std::nullopt;
        }
    }
    std::optional<Response> r = readResponse(in, why);
    socket->abort();
    return r;
}

// The page at url, following redirections; nothing, with why, on failure.
std::optional<Page> fetch(QUrl url, QString *why)
{
    if (url.isLocalFile()) {
        std::optional<QByteArray> bytes = readRegularFile(url.toLocalFile(), why);
        if (!bytes)
            return std::nullopt;
        return Page{*bytes, QByteArray()};
    }
    const QDeadlineTimer deadline(networkTimeout());
    for (int redirects = 0;; ++redirects) {
        const std::optional<Response> r = get(url, deadline, why);
        if (!r)
            return std::nullopt;
        if (r->status >= 200 && r->status < 300) {
            if (const QByteArray coding = r->header("Content-Encoding").toLower(); !coding.isEmpty() && coding != "identity") {
                *why = QStringLiteral("content encoded as ") + QString::fromLatin1(coding);
                return std::nullopt;
            }
            return Page{r->body, r->header("Content-Type")};
        }
        const QByteArray location = r->header("Location");
        if (r->status < 300 || r->status > 399 || location.isEmpty()) {
            *why = QStringLiteral("HTTP status %1").arg(r->status);
            return std::nullopt;
        }
        const QUrl next = url.resolved(QUrl::fromEncoded(location));
        if (redirects == kMaxRedirects || !isHttp(next)
            || (url.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https"))) {
            *why = QStringLiteral("redirection to ") + next.toString();
            return std::nullopt;
        }
        url = next;
    }
}

QByteArray charsetOf(const QByteArray &contentType)
{
    for (const QByteArray &param : contentType.split(';')) {
        const QByteArray p = param.trimmed();
        if (p.size() > 8 && p.left(8).toLower() == "charset=") {
            QByteArray name = p.mid(8).trimmed();
            if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
                name = name.mid(1, name.size() - 2);
            return name;
        }
    }
    return QByteArray();
}

QString decode(const Page &page)
{
    const QByteArray charset = charsetOf(page.contentType);
    if (!charset.isEmpty()) {
        QStringDecoder declared(charset.constData(), QStringDecoder::Flag::Stateless);
        if (declared.isValid()) {
            QString text = declared(page.body);
            if (!declared.hasError())
                return text;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(page.body);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(page.body);
}

// The page's text, or nothing when it could not be fetched (logged).
std::optional<QString> pageText(const QString &urlText)
{
    const QUrl url(urlText);
    if (!url.isValid() || !(isHttp(url) || url.isLocalFile())) {
        logAlways("webpage             :-( not a web address '%@'", urlText);
        return std::nullopt;
    }
    QString why;
    const std::optional<Page> page = fetch(url, &why);
    if (!page) {
        logDebug("webpage             :-( %@ : %@", urlText, why);
        return std::nullopt;
    }
    return decode(*page);
}

} // namespace

QString webpageSource(const QString &url, bool verbose)
{
    if (url.isNull())
        return QString();
    if (verbose)
        logDebug("WebClass source_webpa- debut (%@)", lastPathComponent(url));
    const std::optional<QString> text = pageText(url);
    if (verbose)
        logDebug("WebClass source_webpa- fin");
    logDev(1, "WebClass source_webpa- fin : %@", text.value_or(QString()));
    return text.value_or(QStringLiteral(""));
}

bool internetConnexionCheck(const QString &url)
{
    if (url.isNull())
        return false;
    logDebug("internetConnexionChe- deb: %@", lastPathComponent(url));
    const std::optional<QString> text = pageText(url);
    logDebug("internetConnexionChe- fin: src == %@", text.value_or(QStringLiteral("nil")));
    return text.has_value();
}

int networkTimeout()
{
    return g_timeout.load();
}

int setNetworkTimeout(int milliseconds)
{
    return g_timeout.exchange(qMax(1, milliseconds));
}

} // namespace reel
