#include "toolfonts.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace convert {

namespace {

const QString kMarker = QStringLiteral("<!-- Written by reelkit-convert for the media tools it runs. -->");

QString xmlText(const QString &text)
{
    return text.toHtmlEscaped();
}

bool linkToBundle(QString *error)
{
    const QString link = reel::stringByAppendingPathComponent(reel::getTMPFOLDER(), QStringLiteral("app.app"));
    const QString bundle = reel::Bundle::main().bundlePath();
    struct stat st = {};
    if (::lstat(QFile::encodeName(link).constData(), &st) == 0) {
        if (!S_ISLNK(st.st_mode))
            return true; // something the program placed itself: kept
        if (reel::srcFromLn(link) == bundle)
            return true;
        // A link left by another copy of the program: ours now.
        if (!reel::rmCocoa(link)) {
            *error = QStringLiteral("cannot replace the link %1").arg(link);
            return false;
        }
    }
    if (!reel::ln_sCocoa(bundle, link)) {
        *error = QStringLiteral("cannot make the link %1").arg(link);
        return false;
    }
    return true;
}

} // namespace

QString toolFontsConfiguration()
{
    const QString cache = reel::stringByAppendingPathComponent(reel::getTMPFOLDER(), QStringLiteral("fontconfig"));
    return QStringLiteral("<?xml version=\"1.0\"?>\n"
                          "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                          "%1\n"
                          "<fontconfig>\n"
                          "  <dir>%2</dir>\n"
                          "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                          "  <cachedir>%3</cachedir>\n"
                          "</fontconfig>\n")
        .arg(kMarker, xmlText(reel::toolFontconfigPath()), xmlText(cache));
}

bool prepareToolFonts(QString *error)
{
    if (!linkToBundle(error)) {
        reel::logAlways("prepareToolFonts    :-( %@", *error);
        return false;
    }
    const QString path = reel::toolFontconfigFile();
    const QByteArray wanted = toolFontsConfiguration().toUtf8();
    QFile existing(path);
    struct stat st = {};
    const bool present = ::lstat(QFile::encodeName(path).constData(), &st) == 0;
    if (present && !S_ISREG(st.st_mode)) {
        // Never read through a link, a pipe or a device.
        *error = QStringLiteral("%1 is no regular file").arg(path);
        reel::logAlways("prepareToolFonts    :-( %@", *error);
        return false;
    }
    if (present && existing.open(QIODevice::ReadOnly)) {
        const QByteArray text = existing.read(64 * 1024);
        existing.close();
        if (text == wanted)
            return true;
        if (!text.contains(kMarker.toUtf8())) {
            reel::logDebug("prepareToolFonts    ;-) %@ is the user's own", path);
            return true;
        }
    }
    QDir().mkpath(reel::stringByDeletingLastPathComponent(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wanted) != wanted.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        reel::logAlways("prepareToolFonts    :-( %@", *error);
        return false;
    }
    return true;
}

} // namespace convert
