#include "probing/toolfonts.h"

#include "model/disc.h"
#include "model/tools.h"
#include "probing/toolrun.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>

namespace convert {

namespace {

const QString kMarker = QStringLiteral("<!-- Written by reelkit-convert for the media tools it runs. -->");
const QString kDefaultFont = QStringLiteral("DejaVu Sans");
// Fonts of a language tried before giving up on it; each costs a run of spumux.
constexpr int kFontsTried = 4;
// A first fc-match in a fresh cache folder reads every font of the system.
constexpr int kFontListMs = 30000;
constexpr int kDrawMs = 20000;

QString xmlText(const QString &text)
{
    return text.toHtmlEscaped();
}

bool linkToBundle(Said *error)
{
    const QString folder = reel::getTMPFOLDER();
    if (folder.isEmpty()) {
        *error = said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "there is no private temporary folder"));
        return false;
    }
    const QString link = reel::stringByAppendingPathComponent(folder, QStringLiteral("app.app"));
    const QString bundle = reel::Bundle::main().bundlePath();
    struct stat st = {};
    if (::lstat(QFile::encodeName(link).constData(), &st) == 0) {
        if (!S_ISLNK(st.st_mode))
            return true; // something the program placed itself: kept
        if (reel::srcFromLn(link) == bundle)
            return true;
        // A link left by another copy of the program: ours now.
        if (!reel::rmCocoa(link)) {
            *error = said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "cannot replace the link %1")).arg(link);
            return false;
        }
    }
    if (!reel::ln_sCocoa(bundle, link)) {
        *error = said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "cannot make the link %1")).arg(link);
        return false;
    }
    return true;
}

bool writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

Said languageName(const QString &language)
{
    if (language == QLatin1String("ja"))
        return said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "Japanese"));
    if (language == QLatin1String("ko"))
        return said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "Korean"));
    if (language == QLatin1String("th"))
        return said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "Thai"));
    if (language == QLatin1String("hi"))
        return said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "Hindi"));
    return said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "Chinese"));
}

// "spumux crashed", "fc-match exited with 1", "spumux gave no answer within 20 s".
QString failureText(const QString &tool, const RunResult &run, const RunLimits &limits)
{
    if (run.outcome != RunResult::Outcome::Finished)
        return unfinishedRun(untranslated(tool), run, limits).english;
    return run.exitCode < 0 ? QStringLiteral("%1 crashed").arg(tool)
                            : QStringLiteral("%1 exited with %2").arg(tool).arg(run.exitCode);
}

// The bundle's fc-match, else the system's; empty when there is none.
QString fontMatcher()
{
    const QString bundled = toolPath(QStringLiteral("fc-match"));
    if (reel::testPresenceCocoa(bundled))
        return bundled;
    return QStandardPaths::findExecutable(QStringLiteral("fc-match"));
}

// The files of the fonts that have the language, the closest to a plain
// sans-serif first, as spumux's own fontconfig would order them.
QStringList fontFilesFor(const QString &language)
{
    const QString matcher = fontMatcher();
    if (matcher.isEmpty()) {
        reel::logAlways(reel::LogLabel("subtitleFontFor"), ":-( no fc-match to find a font for %@", language);
        return {};
    }
    // Unpruned (-a): a font that adds no letters to one before it is still
    // one to try when that one fails.
    const RunLimits limits{kFontListMs, {}};
    const RunResult run = runBounded(matcher,
                                     {QStringLiteral("-a"), QStringLiteral("-f"), QStringLiteral("%{file}\t%{lang}\n"),
                                      QStringLiteral("sans-serif:lang=") + language},
                                     limits);
    if (!run.succeeded()) {
        reel::logAlways(reel::LogLabel("subtitleFontFor"), ":-( %@ %@",
                        failureText(QStringLiteral("fc-match"), run, limits),
                        QString::fromUtf8(run.err).trimmed());
        return {};
    }
    QStringList files;
    for (const QString &line : QString::fromUtf8(run.out).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2 || !fields.at(0).startsWith(QLatin1Char('/')) || files.contains(fields.at(0))
            || !fields.at(1).split(QLatin1Char('|')).contains(language))
            continue;
        files << fields.at(0);
        if (files.size() == kFontsTried)
            break;
    }
    return files;
}

// Whether spumux draws the cue in the font and lives: it draws its first
// subtitle before it reads any picture, so an empty stream will do.
bool spumuxDraws(const QString &font, const Cue &cue, const Preset &preset)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QString srt = folder.filePath(QStringLiteral("probe.srt"));
    const QString xml = folder.filePath(QStringLiteral("probe.xml"));
    if (!writeText(srt, writeSrt({Cue{0, 1000, cue.text}})) || !writeText(xml, spumuxXml(srt, preset, font)))
        return false;
    const RunLimits limits{kDrawMs, {}};
    const RunResult run = runBounded(toolPath(QStringLiteral("spumux")),
                                     {QStringLiteral("-m"), QStringLiteral("dvd"), QStringLiteral("-s"),
                                      QStringLiteral("0"), xml},
                                     limits);
    if (!run.succeeded())
        reel::logAlways(reel::LogLabel("subtitleFontFor"), ":-( %@ refused: %@", font,
                        failureText(QStringLiteral("spumux"), run, limits));
    return run.succeeded();
}

} // namespace

QString toolFontsConfiguration()
{
    const QString folder = reel::getTMPFOLDER();
    if (folder.isEmpty())
        return QString();
    const QString cache = reel::stringByAppendingPathComponent(folder, QStringLiteral("fontconfig"));
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

bool prepareToolFonts(Said *error)
{
    if (!linkToBundle(error)) {
        reel::logAlways(reel::LogLabel("prepareToolFonts"), ":-( %@", error->english);
        return false;
    }
    const QString path = reel::toolFontconfigFile();
    const QString configuration = toolFontsConfiguration();
    if (configuration.isNull()) {
        *error = said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "there is no private temporary folder"));
        reel::logAlways(reel::LogLabel("prepareToolFonts"), ":-( %@", error->english);
        return false;
    }
    const QByteArray wanted = configuration.toUtf8();
    QFile existing(path);
    struct stat st = {};
    const bool present = ::lstat(QFile::encodeName(path).constData(), &st) == 0;
    if (present && !S_ISREG(st.st_mode)) {
        // Never read through a link, a pipe or a device.
        *error = said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "%1 is no regular file")).arg(path);
        reel::logAlways(reel::LogLabel("prepareToolFonts"), ":-( %@", error->english);
        return false;
    }
    if (present && existing.open(QIODevice::ReadOnly)) {
        const QByteArray text = existing.read(64 * 1024);
        existing.close();
        if (text == wanted)
            return true;
        if (!text.contains(kMarker.toUtf8())) {
            reel::logDebug(reel::LogLabel("prepareToolFonts"), ";-) %@ is the user's own", path);
            return true;
        }
    }
    QDir().mkpath(reel::stringByDeletingLastPathComponent(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wanted) != wanted.size() || !file.commit()) {
        *error = said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "cannot write %1: %2")).arg(path, file.errorString());
        reel::logAlways(reel::LogLabel("prepareToolFonts"), ":-( %@", error->english);
        return false;
    }
    return true;
}

QString subtitleFontFor(const QList<Cue> &cues, const Preset &preset, QStringList *remarks)
{
    const QString language = subtitleLanguage(cues);
    if (language.isEmpty())
        return kDefaultFont;
    // The tallest text is the likeliest to run past the picture.
    const auto longest = std::max_element(cues.cbegin(), cues.cend(), [](const Cue &a, const Cue &b) {
        return a.text.size() < b.text.size();
    });
    for (const QString &file : fontFilesFor(language)) {
        if (spumuxDraws(file, *longest, preset)) {
            reel::logDebug(reel::LogLabel("subtitleFontFor"), ":-) %@ for %@", file, language);
            return file;
        }
    }
    const Said remark =
        said("ToolFonts", QT_TRANSLATE_NOOP("ToolFonts", "the %1 subtitles are drawn in DejaVu Sans, which "
                                                         "shows their letters as boxes: no %1 font is "
                                                         "installed that spumux can draw with"))
            .arg(languageName(language));
    reel::logAlways(reel::LogLabel("subtitleFontFor"), ":-/ %@", remark.english);
    if (remarks && !remarks->contains(remark.shown))
        *remarks << remark.shown;
    return kDefaultFont;
}

} // namespace convert
