#include "reel/text/writing.h"

#include "reel/core/filereplace_p.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/dialogs/alerts.h"
#include "reel/files/presence.h"
#include "reel/strings/rewriting.h"
#include "reel/text/codecs.h"
#include "reel/text/fileaccess_p.h"

#include <QFile>

#include <cstdio>
#include <fcntl.h>

namespace reel {

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

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
    QFile file;
    QString why;
    if (!text::openRegularFile(file, path, O_WRONLY, &why) || !text::writeAndClose(file, kUtf8Mark, &why)) {
        logAlways(LogLabel("Fixed BOM"), ":-( %@ (%@)", path, why);
        return false;
    }
    logDebug(LogLabel("Fixed BOM"), ":-) %@", path);
    return true;
}

bool writeTextFileUtf8(const QString &path, const QString &text, bool withBom)
{
    if (path.isEmpty() || text.isEmpty())
        return false;
    const QString file = stringByExpandingTildeInPath(path);
    QString why;
    if (!testPresenceCocoa(file)) {
        logDebug("a creer…");
        // Never over something that is there, even an item the presence
        // test cannot see (unreadable, or a link that leads nowhere).
        QFile created;
        if (!text::openRegularFile(created, file, O_WRONLY | O_CREAT | O_EXCL, &why)) {
            std::fputs("Impossible to create destination file !\n", stderr);
            return false;
        }
        created.close();
        if (getDEBUGDEV(2))
            displayAlert(file, QStringLiteral("created"), kCriticalAlertStyle, nullptr);
        if (withBom)
            writeUtf8Bom(file);
    }

    QFile out;
    if (!text::openRegularFile(out, file, O_WRONLY | O_APPEND, &why)) {
        logAlways(LogLabel("ecrit"), ":-( %@ (%@)", file, why);
        return false;
    }
    const qint64 before = out.size();
    const QByteArray bytes = lossyBytes(text, kUTF8StringEncoding);
    if (out.write(bytes) != bytes.size()) {
        why = out.errorString();
        // Half a text would read as the whole one: take it back off.
        if (!out.resize(before))
            why += QStringLiteral(" (part of the text stays)");
        logAlways(LogLabel("ecrit"), ":-( %@ (%@)", file, why);
        return false;
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        logAlways(LogLabel("ecrit"), ":-( %@ (%@)", file, out.errorString());
        return false;
    }
    logDebug(LogLabel("ecrit"), ":-) %@", file);
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
    if (!replaceFileContents(file, lossyBytes(text, chosen.encoding), &why)) {
        logAlways(LogLabel("ecrit"), ":-( %@ (%@)", file, why);
        return false;
    }
    refreshFinder(file);
    logDebug(LogLabel("ecrit"), ":-) %@", file);
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
    if (!replaceFileContents(file, lossyBytes(normalised, kUTF8StringEncoding), &why)) {
        logAlways("Error writing file at %@\n%@", file, why);
        return false;
    }
    refreshFinder(file);
    logDebug(LogLabel("ecritureFichier"), ":-)");
    return true;
}

} // namespace reel
