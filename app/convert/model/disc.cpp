#include "model/disc.h"

#include "model/tools.h"
#include "model/tracks.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/numbers.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>

#include <sys/stat.h>

namespace convert {

namespace {

constexpr double kBytesPerMB = 1024.0 * 1024.0;
// No chapter mark this close to a title's end: it would hold nothing.
constexpr float kLastChapterRoom = 10;

int soundTracks(const SourceInfo &source, const Preset &preset, const JobChoices &choices)
{
    return int(chooseTracks(source, preset, choices.tracksFor(source.path)).audio.size());
}

QString videosText(int count)
{
    return counted("Disc", QT_TRANSLATE_N_NOOP("Disc", "the %n video(s)"), count, "the video");
}

QString timestamp(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Anything at path, a dangling link included.
bool occupied(const QString &path)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

int discCapacityMB(bool dualLayer)
{
    return int((dualLayer ? kDualLayerBytes : kSingleLayerBytes) / qint64(kBytesPerMB));
}

int discRoomMB(bool dualLayer)
{
    const int capacity = discCapacityMB(dualLayer);
    return capacity - capacity * kDiscReservePercent / 100;
}

QString discKindText(bool dualLayer)
{
    return dualLayer ? QCoreApplication::translate("Disc", "a dual-layer DVD (8.5 GB)")
                     : QCoreApplication::translate("Disc", "a single-layer DVD (4.7 GB)");
}

namespace {

// The titles' whole duration and the most sound tracks any of them keeps.
struct Titles {
    QList<SourceInfo> sources;
    float duration = 0;
    int soundTracks = 0;
};

// The one bitrate the titles share, or false with result's problem (and
// suggestions) set.
bool shareBitrate(const Titles &titles, const Preset &preset, const Budget &asked, const DiscSettings &settings,
                  DiscBudget &result)
{
    const int room = discRoomMB(settings.dualLayer);
    if (asked.mode != Budget::Mode::TargetSize) {
        const BudgetPlan checked = planBudget(preset, asked, titles.duration, titles.soundTracks);
        if (!checked.ok) {
            result.problem = checked.message;
            return false;
        }
        result.sharedKbps = checked.videoKbps;
        return true;
    }
    if (asked.sizeMB > room) {
        result.problem =
            QCoreApplication::translate("Disc", "%1 MB is %2 MB more than %3 has for videos (%4 MB); a target size of "
                                                "%4 MB fits")
                .arg(asked.sizeMB)
                .arg(asked.sizeMB - room)
                .arg(discKindText(settings.dualLayer))
                .arg(room);
        result.suggestedSizeMB = room;
        result.suggestDualLayer = !settings.dualLayer && asked.sizeMB <= discRoomMB(true);
        return false;
    }
    // One bitrate over the titles' whole duration shares the size.
    const BudgetPlan shared = planBudget(preset, asked, titles.duration, titles.soundTracks);
    if (!shared.ok) {
        result.problem = QCoreApplication::translate("Disc", "%1 (%2 in all): %3")
                             .arg(videosText(int(titles.sources.size())),
                                  reel::secondesInt2Str(int(titles.duration + 0.5f)), shared.message);
        return false;
    }
    result.sharedKbps = shared.videoKbps;
    return true;
}

// Why titles of result.totalMB do not fit the disc, and what would.
void explainTooLarge(const Titles &titles, const Preset &preset, const DiscSettings &settings, DiscBudget &result)
{
    const int room = discRoomMB(settings.dualLayer);
    QString problem =
        QCoreApplication::translate("Disc", "%1 (%2 in all) need about %3 at %4 kb/s: %5 more than %6 has for videos "
                                            "(%7 MB).")
            .arg(videosText(int(titles.sources.size())), reel::secondesInt2Str(int(titles.duration + 0.5f)),
                 sizeText(result.totalMB))
            .arg(result.sharedKbps)
            .arg(sizeText(result.totalMB - room), discKindText(settings.dualLayer))
            .arg(room);
    const BudgetPlan fits =
        planBudget(preset, Budget{Budget::Mode::TargetSize, room, 0, 0}, titles.duration, titles.soundTracks);
    if (fits.ok) {
        problem += QCoreApplication::translate("Disc", " A target size of %1 MB fits them (%2 kb/s for each picture).")
                       .arg(room)
                       .arg(fits.videoKbps);
        result.suggestedSizeMB = room;
    } else {
        const int dualRoom = discRoomMB(true);
        const BudgetPlan dual =
            planBudget(preset, Budget{Budget::Mode::TargetSize, dualRoom, 0, 0}, titles.duration, titles.soundTracks);
        result.suggestDualLayer = !settings.dualLayer && dual.ok;
        if (result.suggestDualLayer)
            problem += QCoreApplication::translate(
                           "Disc", " Even at %1's lowest %2 kb/s they do not fit; a dual-layer disc does, "
                                   "with a target size of %3 MB.")
                           .arg(preset.id)
                           .arg(preset.minVideoKbps)
                           .arg(dualRoom);
        else
            problem += QCoreApplication::translate(
                           "Disc", " Even at %1's lowest %2 kb/s they do not fit: leave some videos out.")
                           .arg(preset.id)
                           .arg(preset.minVideoKbps);
    }
    result.problem = problem;
}

} // namespace

DiscBudget planDiscBudget(const QList<SourceInfo> &sources, const Preset &preset, const Budget &asked,
                          const DiscSettings &settings, const JobChoices &choices)
{
    DiscBudget result;
    if (preset.family != Family::DvdMpeg2) {
        result.problem =
            QCoreApplication::translate("Disc", "a disc is made with a DVD preset (dvd-pal or dvd-ntsc), not %1")
                .arg(preset.id);
        return result;
    }
    Titles titles;
    for (const SourceInfo &source : sources) {
        if (source.usable())
            titles.sources << source;
    }
    if (titles.sources.size() > kMaxDiscTitles) {
        result.problem =
            QCoreApplication::translate("Disc", "a disc made here holds at most %1 titles, and %2 videos were given: "
                                                "leave %3 out, or make two discs")
                .arg(kMaxDiscTitles)
                .arg(titles.sources.size())
                .arg(titles.sources.size() - kMaxDiscTitles);
        return result;
    }
    for (const SourceInfo &source : std::as_const(titles.sources)) {
        titles.duration += source.duration;
        titles.soundTracks = std::max(titles.soundTracks, soundTracks(source, preset, choices));
    }
    if (!shareBitrate(titles, preset, asked, settings, result))
        return result;
    for (const SourceInfo &source : std::as_const(titles.sources))
        result.totalMB += estimateMB(preset, result.sharedKbps, source.duration, soundTracks(source, preset, choices));
    result.budget = Budget{Budget::Mode::Bitrate, 0, result.sharedKbps, 0};
    if (result.totalMB > discRoomMB(settings.dualLayer))
        explainTooLarge(titles, preset, settings, result);
    else
        result.ok = true;
    return result;
}

QStringList chapterMarks(float duration, int minutes)
{
    QStringList marks{QStringLiteral("0")};
    if (minutes <= 0)
        return marks;
    for (qint64 at = qint64(minutes) * 60; float(at) < duration - kLastChapterRoom && marks.size() < kMaxChapters;
         at += qint64(minutes) * 60)
        marks << timestamp(int(at));
    return marks;
}

DiscPaths discPathsFor(const QString &destination, const QString &name)
{
    const QString base = name.trimmed().isEmpty() ? QStringLiteral("DVD") : name.trimmed();
    for (int number = 1;; ++number) {
        const QString numbered = number == 1 ? base : QStringLiteral("%1 %2").arg(base).arg(number);
        DiscPaths paths;
        paths.folder = reel::stringByAppendingPathComponent(destination, numbered);
        paths.iso = paths.folder + QStringLiteral(".iso");
        if (!occupied(paths.folder) && !occupied(paths.iso))
            return paths;
    }
}

QString volumeLabel(const QString &name)
{
    QString label;
    for (const QChar c : name.toUpper()) {
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            label += c;
        else if (!label.isEmpty() && !label.endsWith(QLatin1Char('_')))
            label += QLatin1Char('_');
    }
    while (label.endsWith(QLatin1Char('_')))
        label.chop(1);
    label.truncate(32);
    return label.isEmpty() ? QStringLiteral("DVD") : label;
}

QString dvdFormat(const Preset &preset)
{
    return preset.height == 576 ? QStringLiteral("pal") : QStringLiteral("ntsc");
}

double discFrameMs(const Preset &preset)
{
    return preset.height == 576 ? 40.0 : 1001.0 / 30;
}

QStringList discLanguages(const JobSettings &job, bool subpictures)
{
    QStringList codes;
    for (int index : subpictures ? job.tracks.subtitles : job.tracks.audio) {
        QString code;
        for (const StreamInfo &stream : job.source.streams) {
            if (stream.index != index || stream.language.isEmpty())
                continue;
            const QLocale::Language language = QLocale::codeToLanguage(stream.language.toLower());
            if (language != QLocale::AnyLanguage && language != QLocale::C)
                code = QLocale::languageToCode(language, QLocale::ISO639Part1);
        }
        codes << code;
    }
    return codes;
}

QString dvdauthorXml(const QString &destination, const QList<AuthoredTitle> &titles, const QString &format)
{
    // Players start in the menu of the video manager; its commands play the
    // title that register g1 names, the first when it names none, and end
    // the disc after the last one.
    QString jumps;
    for (int i = 2; i <= titles.size(); ++i)
        jumps += QStringLiteral("if (g1 eq %1) jump title %1; ").arg(i);
    QString xml = QStringLiteral("<dvdauthor dest=\"%1\">\n"
                                 "  <vmgm>\n"
                                 "    <menus>\n"
                                 "      <pgc entry=\"title\">\n"
                                 "        <pre>%2if (g1 gt %3) exit; jump title 1;</pre>\n"
                                 "      </pgc>\n"
                                 "    </menus>\n"
                                 "  </vmgm>\n")
                      .arg(destination.toHtmlEscaped(), jumps)
                      .arg(titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        const AuthoredTitle &title = titles.at(i);
        const bool wide = title.aspect == QLatin1String("16:9");
        xml += QStringLiteral("  <titleset>\n"
                              "    <titles>\n"
                              "      <video format=\"%1\" aspect=\"%2\"%3/>\n")
                   .arg(format, wide ? QStringLiteral("16:9") : QStringLiteral("4:3"),
                        wide ? QStringLiteral(" widescreen=\"nopanscan\"") : QString());
        // A player's language menu names the sound tracks.
        if (std::any_of(title.audioLanguages.cbegin(), title.audioLanguages.cend(),
                        [](const QString &code) { return !code.isEmpty(); })) {
            for (const QString &code : title.audioLanguages)
                xml += code.isEmpty() ? QStringLiteral("      <audio/>\n")
                                      : QStringLiteral("      <audio lang=\"%1\"/>\n").arg(code);
        }
        // The source's own subpictures keep their streams, from 0; the
        // disc's subtitles come after them and are shown from the start.
        for (const QString &code : title.subpictureLanguages)
            xml += code.isEmpty() ? QStringLiteral("      <subpicture/>\n")
                                  : QStringLiteral("      <subpicture lang=\"%1\"/>\n").arg(code);
        if (title.subtitled)
            xml += QStringLiteral("      <subpicture/>\n");
        xml += QStringLiteral("      <pgc>\n");
        if (title.subtitled)
            xml += QStringLiteral("        <pre>subtitle = %1;</pre>\n").arg(64 + title.subpictureLanguages.size());
        xml += QStringLiteral("        <vob file=\"%1\" chapters=\"%2\"/>\n"
                              "        <post>g1 = %3; call vmgm menu entry title;</post>\n"
                              "      </pgc>\n"
                              "    </titles>\n"
                              "  </titleset>\n")
                   .arg(title.mpeg.toHtmlEscaped(), title.chapters.join(QLatin1Char(',')))
                   .arg(i + 2);
    }
    xml += QStringLiteral("</dvdauthor>\n");
    return xml;
}

QString subtitleLanguage(const QList<Cue> &cues)
{
    bool han = false;
    for (const Cue &cue : cues) {
        for (qsizetype i = 0; i < cue.text.size(); ++i) {
            const QChar c = cue.text.at(i);
            const char32_t code = c.isHighSurrogate() && i + 1 < cue.text.size()
                                      ? QChar::surrogateToUcs4(c, cue.text.at(i + 1))
                                      : char32_t(c.unicode());
            switch (QChar::script(code)) {
            case QChar::Script_Hiragana:
            case QChar::Script_Katakana:
                return QStringLiteral("ja");
            case QChar::Script_Hangul:
                return QStringLiteral("ko");
            case QChar::Script_Thai:
                return QStringLiteral("th");
            case QChar::Script_Devanagari:
                return QStringLiteral("hi");
            case QChar::Script_Han:
                han = true;
                break;
            default:
                break;
            }
        }
    }
    // Han alone, without kana, is Chinese.
    return han ? QStringLiteral("zh-cn") : QString();
}

QString spumuxXml(const QString &srt, const Preset &preset, const QString &font)
{
    const bool pal = preset.height == 576;
    const QString fps = pal ? QStringLiteral("25") : QStringLiteral("29.97");
    return QStringLiteral("<subpictures format=\"%1\">\n"
                          "  <stream>\n"
                          "    <textsub filename=\"%2\" characterset=\"UTF-8\" font=\"%3\" fontsize=\"%4\"\n"
                          "             horizontal-alignment=\"center\" vertical-alignment=\"bottom\"\n"
                          "             left-margin=\"60\" right-margin=\"60\" top-margin=\"20\" bottom-margin=\"%5\"\n"
                          "             subtitle-fps=\"%6\" movie-fps=\"%6\" movie-width=\"%7\" movie-height=\"%8\"/>\n"
                          "  </stream>\n"
                          "</subpictures>\n")
        .arg(pal ? QStringLiteral("PAL") : QStringLiteral("NTSC"), srt.toHtmlEscaped(), font.toHtmlEscaped(),
             pal ? QStringLiteral("28.0") : QStringLiteral("24.0"),
             pal ? QStringLiteral("36") : QStringLiteral("30"), fps)
        .arg(preset.width)
        .arg(preset.height);
}

QString isoTool()
{
    for (const QString &name : {QStringLiteral("genisoimage"), QStringLiteral("xorriso")}) {
        const QString bundled = toolPath(name);
        if (reel::testPresenceCocoa(bundled))
            return bundled;
        const QString onPath = QStandardPaths::findExecutable(name);
        if (!onPath.isEmpty())
            return onPath;
    }
    return QString();
}

QStringList isoArguments(const QString &tool, const QString &folder, const QString &iso, const QString &label)
{
    if (reel::lastPathComponent(tool) == QLatin1String("genisoimage"))
        return {QStringLiteral("-dvd-video"), QStringLiteral("-V"), label, QStringLiteral("-o"), iso, folder};
    // xorriso writes no UDF; its ISO 9660 tree is what players without UDF
    // read, and what software players and burning programs take.
    return {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-V"), label, QStringLiteral("-o"), iso,
            folder};
}

} // namespace convert
