#include "reel/network/network.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/text/codecs.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

#include <curl/curl.h>

#include <atomic>
#include <climits>
#include <memory>
#include <mutex>
#include <optional>

namespace reel {

namespace {

std::atomic<int> g_timeout{15000};
std::atomic<qint64> g_pageLimit{64 * 1024 * 1024};

constexpr int kMaxRedirects = 5;
// The header fields of one answer.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

struct Page {
    QByteArray body;
    QByteArray contentType;
};

// What the callbacks of one fetch gather, and why they stopped it.
struct Transfer {
    QByteArray body;
    qint64 limit = 0;
    qsizetype headerBytes = 0;
    QString stopped;
};

size_t onBody(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<Transfer *>(user);
    const size_t bytes = size * count;
    if (qint64(bytes) > transfer->limit - transfer->body.size()) {
        transfer->stopped = QStringLiteral("page too large");
        return 0; // ends the transfer with CURLE_WRITE_ERROR
    }
    transfer->body.append(data, qsizetype(bytes));
    return bytes;
}

size_t onHeader(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<Transfer *>(user);
    const size_t bytes = size * count;
    // Each answer (an interim one, a redirection) starts with its status line.
    if (bytes >= 5 && qstrncmp(data, "HTTP/", 5) == 0)
        transfer->headerBytes = 0;
    transfer->headerBytes += qsizetype(bytes);
    if (transfer->headerBytes > kMaxHeaderBytes) {
        transfer->stopped = QStringLiteral("header too large");
        return 0;
    }
    return bytes;
}

bool isHttp(const QUrl &url)
{
    return (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) && !url.host().isEmpty();
}

QString failure(CURLcode code, const char *detail, const Transfer &transfer)
{
    if (!transfer.stopped.isEmpty())
        return transfer.stopped;
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("timed out");
    case CURLE_FILESIZE_EXCEEDED:
        return QStringLiteral("page too large");
    default:
        break;
    }
    const QString text = QString::fromUtf8(curl_easy_strerror(code));
    return *detail ? text + QStringLiteral(" (") + QString::fromUtf8(detail).trimmed() + QLatin1Char(')') : text;
}

using Handle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

Handle newHandle()
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    return Handle(curl_easy_init(), &curl_easy_cleanup);
}

std::optional<Page> fetchLocalFile(const QString &path, QString *why)
{
    if (QFileInfo(path).size() > networkPageLimit()) {
        *why = QStringLiteral("page too large");
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = readRegularFile(path, why);
    if (!bytes)
        return std::nullopt;
    return Page{*bytes, QByteArray()};
}

// Sets what every request of a fetch shares; the header list must outlive
// the handle's transfers.
void configure(CURL *curl, Transfer &transfer, char *detail, curl_slist *headers)
{
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
    // No signals: the caller may be any thread of a program with its own.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirections are followed by the caller, one by one, to refuse https
    // to http.
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "reelkit");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(transfer.limit));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
}

// The page of a successful answer; nothing, with why, for a page that came
// encoded.
std::optional<Page> pageOf(CURL *curl, const Transfer &transfer, QString *why)
{
    curl_header *coding = nullptr;
    if (curl_easy_header(curl, "Content-Encoding", 0, CURLH_HEADER, -1, &coding) == CURLHE_OK) {
        const QByteArray name = QByteArray(coding->value).trimmed().toLower();
        if (!name.isEmpty() && name != "identity") {
            *why = QStringLiteral("content encoded as ") + QString::fromLatin1(name);
            return std::nullopt;
        }
    }
    const char *type = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type);
    return Page{transfer.body, QByteArray(type)};
}

// Where an answer of status sends the request next; nothing, with why, when
// it is not a redirection this fetch follows.
std::optional<QUrl> redirection(CURL *curl, long status, const QUrl &url, int redirects, QString *why)
{
    const char *location = nullptr;
    curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &location);
    if (status < 300 || status > 399 || !location) {
        *why = QStringLiteral("HTTP status %1").arg(status);
        return std::nullopt;
    }
    const QUrl next = QUrl::fromEncoded(location);
    if (redirects == kMaxRedirects || !isHttp(next)
        || (url.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https"))) {
        *why = QStringLiteral("redirection to ") + next.toString();
        return std::nullopt;
    }
    return next;
}

// The page at url, following redirections; nothing, with why, on failure.
std::optional<Page> fetch(QUrl url, QString *why)
{
    if (url.isLocalFile())
        return fetchLocalFile(url.toLocalFile(), why);

    const Handle handle = newHandle();
    CURL *const curl = handle.get();
    if (!curl) {
        *why = QStringLiteral("no transfer handle");
        return std::nullopt;
    }
    Transfer transfer;
    transfer.limit = networkPageLimit();
    char detail[CURL_ERROR_SIZE] = {};
    // The page as it is: a compressed one whose end was cut off would not
    // tell, so an answer encoded all the same is refused.
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        curl_slist_append(nullptr, "Accept-Encoding: identity"), &curl_slist_free_all);
    configure(curl, transfer, detail, headers.get());

    const QDeadlineTimer deadline(networkTimeout());
    for (int redirects = 0;; ++redirects) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0) {
            *why = QStringLiteral("timed out");
            return std::nullopt;
        }
        curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(qMin<qint64>(left, LONG_MAX)));
        const QByteArray target = url.toEncoded(QUrl::RemoveFragment);
        curl_easy_setopt(curl, CURLOPT_URL, target.constData());
        transfer.body.clear();
        detail[0] = '\0';
        if (const CURLcode code = curl_easy_perform(curl); code != CURLE_OK) {
            *why = failure(code, detail, transfer);
            return std::nullopt;
        }
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        if (status >= 200 && status < 300)
            return pageOf(curl, transfer, why);
        const std::optional<QUrl> next = redirection(curl, status, url, redirects, why);
        if (!next)
            return std::nullopt;
        url = *next;
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

// The toolkit's own decoder for a UTF-16 or UTF-32 charset: Qt's give U+FFFD
// for a cut unit and pass unpaired surrogates and code points above U+10FFFF
// without an error. The byte order is the mark's, else this machine's, as
// Qt reads such pages.
std::optional<StringEncoding> unicodeForm(QStringConverter::Encoding encoding, QByteArrayView body)
{
    constexpr bool big = Q_BYTE_ORDER == Q_BIG_ENDIAN;
    switch (encoding) {
    case QStringConverter::Utf16:
        if (body.startsWith("\xFE\xFF") || body.startsWith("\xFF\xFE"))
            return kUnicodeStringEncoding;
        return big ? kUTF16BigEndianStringEncoding : kUTF16LittleEndianStringEncoding;
    case QStringConverter::Utf16LE:
        return kUTF16LittleEndianStringEncoding;
    case QStringConverter::Utf16BE:
        return kUTF16BigEndianStringEncoding;
    case QStringConverter::Utf32:
        if (body.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)) || body.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
            return kUTF32StringEncoding;
        return big ? kUTF32BigEndianStringEncoding : kUTF32LittleEndianStringEncoding;
    case QStringConverter::Utf32LE:
        return kUTF32LittleEndianStringEncoding;
    case QStringConverter::Utf32BE:
        return kUTF32BigEndianStringEncoding;
    default:
        return std::nullopt;
    }
}

// The body in its declared charset; nothing when the charset is unknown or
// the body is not valid text in it.
std::optional<QString> decodeDeclared(const QByteArray &body, const QByteArray &charset)
{
    std::optional<QString> text;
    const std::optional<QStringConverter::Encoding> known = QStringConverter::encodingForName(charset.constData());
    if (const std::optional<StringEncoding> form = known ? unicodeForm(*known, body) : std::nullopt) {
        text = decodeText(body, *form);
    } else {
        QStringDecoder declared(charset.constData(), QStringDecoder::Flag::Stateless);
        if (!declared.isValid())
            return std::nullopt;
        text = declared(body);
        if (declared.hasError())
            return std::nullopt;
    }
    // UTF-7 and the UTF-16 forms can give unpaired surrogates.
    if (!text || !text->isValidUtf16())
        return std::nullopt;
    return text;
}

QString decode(const Page &page)
{
    const QByteArray charset = charsetOf(page.contentType);
    if (!charset.isEmpty()) {
        if (std::optional<QString> text = decodeDeclared(page.body, charset))
            return *text;
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
        logAlways(LogLabel("webpage"), ":-( not a web address '%@'", urlText);
        return std::nullopt;
    }
    QString why;
    const std::optional<Page> page = fetch(url, &why);
    if (!page) {
        logDebug(LogLabel("webpage"), ":-( %@ : %@", urlText, why);
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
    logDebug(LogLabel("internetConnexionCheck"), "- deb: %@", lastPathComponent(url));
    const std::optional<QString> text = pageText(url);
    logDebug(LogLabel("internetConnexionCheck"), "- fin: src == %@", text.value_or(QStringLiteral("nil")));
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

qint64 networkPageLimit()
{
    return g_pageLimit.load();
}

qint64 setNetworkPageLimit(qint64 bytes)
{
    return g_pageLimit.exchange(qMax<qint64>(0, bytes));
}

} // namespace reel
