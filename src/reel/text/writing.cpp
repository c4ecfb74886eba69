#include "reel/text/writing.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/dialogs/alerts.h"
#include "reel/files/native.h"
#include "reel/files/presence.h"
#include "reel/strings/rewriting.h"
#include "reel/text/codecs.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// An open descriptor, closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now; false when the close reports that written bytes were lost.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Opens an existing item for writing without waiting (a pipe without a
// reader would block an ordinary open) and keeps it only when it is a
// regular file. *why says what went wrong.
int openRegularForWriting(const QString &path, int extraFlags, QString *why)
{
    const int fd = ::open(files::nativePath(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | extraFlags);
    if (fd < 0) {
        *why = files::errnoText(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *why = QStringLiteral("not a regular file");
        return -1;
    }
    return fd;
}

bool writeAllAt(int fd, const char *data, qint64 size, off_t *offset)
{
    while (size > 0) {
        const ssize_t n = offset ? ::pwrite(fd, data, size_t(size), *offset) : ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
        if (offset)
            *offset += n;
    }
    return true;
}

// Creates an empty file where nothing is. Never truncates what is there,
// even an item the presence test could not see (unreadable, or a link that
// leads nowhere).
bool createEmptyFile(const QString &path)
{
    const int fd = ::open(files::nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return false;
    return ::close(fd) == 0;
}

// The encoding a loose name points to, and the alert that announces it
// (title "encoding"): shown always, or only to the developer at level 2.
struct NamedEncoding {
    StringEncoding encoding;
    const char *alert;
    bool developerOnly;
};

NamedEncoding encodingForName(const QString &encodingName)
{
    const QString name = encodingName.toLower();
    auto has = [&](const char *fragment) { return name.contains(QLatin1String(fragment)); };
    if (has("roman"))
        return {kMacOSRomanStringEncoding, "NSMacOSRomanStringEncoding", true};
    if (!has("utf"))
        return {kASCIIStringEncoding, nullptr, false};
    if (has("16") && has("be"))
        return {kUTF16BigEndianStringEncoding, "NSUTF16BigEndianStringEncoding", false};
    if (has("16") && has("le"))
        return {kUTF16LittleEndianStringEncoding, "NSUTF16LittleEndianStringEncoding", false};
    if (has("16"))
        return {kUnicodeStringEncoding, "NSUnicodeStringEncoding", false};
    if (has("8"))
        return {kUTF8StringEncoding, "NSUTF8StringEncoding", false};
    return {kASCIIStringEncoding, nullptr, false};
}

QByteArray lossyBytes(const QString &text, StringEncoding encoding)
{
    return encodeText(text, encoding, true).value_or(QByteArray());
}

} // namespace

bool writeUtf8Bom(const QString &path)
{
    if (path.isNull())
        return false;
    QString why;
    Descriptor file(openRegularForWriting(path, 0, &why));
    if (file.valid()) {
        off_t start = 0;
        if (!writeAllAt(file.get(), kUtf8Mark, 3, &start) || !file.close())
            why = files::errnoText(errno);
    }
    if (!why.isNull()) {
        logAlways("Fixed BOM           :-( %@ (%@)", path, why);
        return false;
    }
    logDebug("Fixed BOM           :-) %@", path);
    return true;
}

bool writeTextFileUtf8(const QString &path, const QString &text, bool withBom)
{
    if (path.isEmpty() || text.isEmpty())
        return false;
    const QString file = stringByExpandingTildeInPath(path);
    if (!testPresenceCocoa(file)) {
        logDebug("a creer…");
        if (!createEmptyFile(file)) {
            std::fputs("Impossible to create destination file !\n", stderr);
            return false;
        }
        if (getDEBUGDEV(2))
            displayAlert(file, QStringLiteral("created"), kCriticalAlertStyle, nullptr);
        if (withBom)
            writeUtf8Bom(file);
    }

    QString why;
    Descriptor out(openRegularForWriting(file, O_APPEND, &why));
    if (!out.valid()) {
        logAlways("ecrit               :-( %@ (%@)", file, why);
        return false;
    }
    const QByteArray bytes = lossyBytes(text, kUTF8StringEncoding);
    struct stat before {};
    const bool measured = ::fstat(out.get(), &before) == 0;
    if (!writeAllAt(out.get(), bytes.constData(), bytes.size(), nullptr)) {
        why = files::errnoText(errno);
        // Half a text would read as the whole one: take it back off.
        if (measured && ::ftruncate(out.get(), before.st_size) != 0)
            why += QStringLiteral(" (part of the text stays)");
        logAlways("ecrit               :-( %@ (%@)", file, why);
        return false;
    }
    if (!out.close()) {
        logAlways("ecrit               :-( %@ (%@)", file, files::errnoText(errno));
        return false;
    }
    logDebug("ecrit               :-) %@", file);
    return true;
}

bool writeTextFileUtf8NoBom(const QString &path, const QString &text)
{
    return writeTextFileUtf8(path, text, false);
}

bool writeTextFileUtf8Bom(const QString &path, const QString &text)
{
    return writeTextFileUtf8(path, text, true);
}

bool writeTextFileEncoding(const QString &path, const QString &text, const QString &encodingName)
{
    if (path.isEmpty() || text.isEmpty())
        return false;
    const QString file = stringByExpandingTildeInPath(path);
    const NamedEncoding chosen = encodingForName(encodingName);
    if (chosen.alert && (!chosen.developerOnly || getDEBUGDEV(2)))
        displayAlert(QStringLiteral("encoding"), QString::fromLatin1(chosen.alert), kCriticalAlertStyle, nullptr);

    QString why;
    if (!writeFileAtomically(file, lossyBytes(text, chosen.encoding), &why)) {
        logAlways("ecrit               :-( %@ (%@)", file, why);
        return false;
    }
    refreshFinder(file);
    logDebug("ecrit               :-) %@", file);
    return true;
}

bool ecritureFichier(const QString &path, const QString &content, int number)
{
    if (path.isNull() || content.isNull())
        return false;
    const QString file = stringByExpandingTildeInPath(path);
    logDebug("utils > ecritureFichier > pathStr : %@", file);
    if (const QString name = fichier_basename(file); !name.isEmpty())
        logDebug("nomFichier : %@", name);
    logAlways("%d", number);

    QString normalised = content;
    logDev(2, "contenuMStr : %@", normalised);
    normalised = findAndReplace(normalised, QStringLiteral("\r\n"), QStringLiteral("\n"), false);
    normalised = findAndReplace(normalised, QStringLiteral("\r"), QStringLiteral("\n"), false);
    logDev(2, "contenuMStr : %@", normalised);

    QString why;
    if (!writeFileAtomically(file, lossyBytes(normalised, kUTF8StringEncoding), &why)) {
        logAlways("Error writing file at %@\n%@", file, why);
        return false;
    }
    refreshFinder(file);
    logDebug("ecritureFichier     :-)");
    return true;
}

} // namespace reel
