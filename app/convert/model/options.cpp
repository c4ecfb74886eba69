#include "model/options.h"

#include "model/presets.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QtGlobal>

#include <optional>

namespace convert {

namespace {

std::optional<int> numberIn(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

QString presetIds()
{
    QStringList ids;
    for (const Preset &preset : presets())
        ids << preset.id;
    return ids.join(QStringLiteral(", "));
}

QString optionWord(const QString &name)
{
    return name.size() == 1 ? QStringLiteral("-") + name : QStringLiteral("--") + name;
}

// Qt's "Missing value after '--size'." as the program's other messages read.
QString plainError(const QString &text)
{
    QString plain = text.trimmed();
    if (plain.endsWith(QLatin1Char('.')))
        plain.chop(1);
    if (!plain.isEmpty())
        plain[0] = plain.at(0).toLower();
    return plain;
}

// The words of the command line.
struct OptionWords {
    const QCommandLineOption preset{{QStringLiteral("p"), QStringLiteral("preset")}, QString(), QStringLiteral("P")};
    const QCommandLineOption quality{{QStringLiteral("q"), QStringLiteral("quality")}, QString(), QStringLiteral("CRF")};
    const QCommandLineOption size{{QStringLiteral("s"), QStringLiteral("size")}, QString(), QStringLiteral("MB")};
    const QCommandLineOption bitrate{{QStringLiteral("b"), QStringLiteral("bitrate")}, QString(), QStringLiteral("KBPS")};
    const QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("DIR")};
    const QCommandLineOption overwrite{{QStringLiteral("y"), QStringLiteral("overwrite")}, QString()};
    const QCommandLineOption dryRun{{QStringLiteral("n"), QStringLiteral("dry-run")}, QString()};
    const QCommandLineOption disc{QStringLiteral("disc"), QString()};
    const QCommandLineOption dualLayer{QStringLiteral("dual-layer"), QString()};
    const QCommandLineOption chapters{QStringLiteral("chapters"), QString(), QStringLiteral("MIN")};
    const QCommandLineOption discName{QStringLiteral("disc-name"), QString(), QStringLiteral("NAME")};
    const QCommandLineOption subtitles{QStringLiteral("subtitles"), QString(), QStringLiteral("FILE")};
    const QCommandLineOption audio{QStringLiteral("audio"), QString(), QStringLiteral("TRACKS")};
    const QCommandLineOption subtitle{QStringLiteral("subtitle"), QString(), QStringLiteral("TRACKS")};
    const QCommandLineOption burn{QStringLiteral("burn-subtitle"), QString(), QStringLiteral("TRACK")};
    const QCommandLineOption maxSize{QStringLiteral("max-size"), QString(), QStringLiteral("WxH")};
    const QCommandLineOption height{QStringLiteral("height"), QString(), QStringLiteral("H")};
    const QCommandLineOption crop{QStringLiteral("crop"), QString(), QStringLiteral("CROP")};
    const QCommandLineOption denoise{QStringLiteral("denoise"), QString(), QStringLiteral("HOW")};
    const QCommandLineOption deinterlace{QStringLiteral("deinterlace"), QString(), QStringLiteral("WHEN")};
    const QCommandLineOption start{QStringLiteral("start"), QString(), QStringLiteral("T")};
    const QCommandLineOption stop{QStringLiteral("stop"), QString(), QStringLiteral("T")};
    const QCommandLineOption duration{QStringLiteral("duration"), QString(), QStringLiteral("T")};
    const QCommandLineOption normalize{QStringLiteral("normalize"), QString()};
    const QCommandLineOption noVerify{QStringLiteral("no-verify"), QString()};
    const QCommandLineOption json{QStringLiteral("json"), QString()};
    const QCommandLineOption container{QStringLiteral("container"), QString(), QStringLiteral("KIND")};
    const QCommandLineOption speed{QStringLiteral("speed"), QString(), QStringLiteral("SPEED")};
    const QCommandLineOption audioCodec{QStringLiteral("audio-codec"), QString(), QStringLiteral("CODEC")};
    const QCommandLineOption audioBitrate{QStringLiteral("audio-bitrate"), QString(), QStringLiteral("KBPS")};
    const QCommandLineOption listPresets{QStringLiteral("list-presets"), QString()};
    const QCommandLineOption savePreset{QStringLiteral("save-preset"), QString(), QStringLiteral("NAME")};
    const QCommandLineOption presetFile{QStringLiteral("preset-file"), QString(), QStringLiteral("FILE")};
    const QCommandLineOption window{{QStringLiteral("w"), QStringLiteral("window")}, QString()};
    const QCommandLineOption terminal{{QStringLiteral("t"), QStringLiteral("terminal")}, QString()};
    const QCommandLineOption debug{{QStringLiteral("d"), QStringLiteral("debug")}, QString()};
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    const QCommandLineOption version{{QStringLiteral("V"), QStringLiteral("version")}, QString()};

    QList<QCommandLineOption> all() const
    {
        return {preset, quality, size, bitrate, output, overwrite, dryRun, disc, dualLayer, chapters, discName,
                subtitles, audio, subtitle, burn, maxSize, height, crop, denoise, deinterlace, start, stop, duration, normalize, noVerify, json, container, speed, audioCodec, audioBitrate, listPresets, savePreset,
                presetFile, window, terminal, debug, help, version};
    }
};

// An option's value; null when the option is not given.
QString valueOf(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    return parser.isSet(option) ? parser.value(option) : QString();
}

// Each reader below takes its part of the line into options; false, with
// options.error, at the first mistake.

bool readModeAndPreset(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    if (parser.isSet(words.window) && parser.isSet(words.terminal)) {
        options.error = QCoreApplication::translate("Options", "--window and --terminal exclude each other");
        return false;
    }
    if (parser.isSet(words.window))
        options.mode = Options::Mode::Window;
    else if (parser.isSet(words.terminal))
        options.mode = Options::Mode::Terminal;
    if (parser.isSet(words.preset)) {
        options.presetId = parser.value(words.preset);
        options.presetGiven = true;
        if (!presetById(options.presetId)) {
            options.error =
                QCoreApplication::translate("Options", "unknown preset '%1' (presets: %2, and yours: --list-presets)")
                    .arg(options.presetId, presetIds());
            return false;
        }
    }
    return true;
}

// --container, --speed, --audio-codec and --audio-bitrate, checked against
// the preset they change.
bool readPresetChanges(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    PresetChanges &changes = options.presetChanges;
    const auto oneOf = [&](const QCommandLineOption &option, const QStringList &choices, QString *into) {
        if (!parser.isSet(option))
            return true;
        *into = parser.value(option).trimmed().toLower();
        if (choices.contains(*into))
            return true;
        options.error = QCoreApplication::translate("Options", "--%1 takes %2, not '%3'")
                            .arg(option.names().constFirst(), choices.join(QStringLiteral(", ")), parser.value(option));
        return false;
    };
    if (!oneOf(words.container, {QStringLiteral("mp4"), QStringLiteral("mkv")}, &changes.container)
        || !oneOf(words.speed, speedWords(), &changes.speed)
        || !oneOf(words.audioCodec, {QStringLiteral("aac"), QStringLiteral("ac3"), QStringLiteral("opus"), QStringLiteral("copy")},
                  &changes.audioCodec))
        return false;
    if (parser.isSet(words.audioBitrate)) {
        const auto kbps = numberIn(parser.value(words.audioBitrate), 32, 640);
        if (!kbps) {
            options.error =
                QCoreApplication::translate("Options", "--audio-bitrate takes kb/s from 32 to 640, not '%1'")
                    .arg(parser.value(words.audioBitrate));
            return false;
        }
        changes.audioKbps = *kbps;
    }
    return bool(changedPreset(*presetById(options.presetId), changes, &options.error));
}

// The settings given, as a preset keeps them: each option's long name and
// word, the preset first.
OptionWordList givenPresetWords(const QCommandLineParser &parser, const Options &options)
{
    OptionWordList words{qMakePair(QStringLiteral("preset"), options.presetId)};
    for (const QString &key : presetKeys()) {
        if (key == QLatin1String("preset") || !parser.isSet(key))
            continue;
        words << qMakePair(key, key == QLatin1String("normalize") ? QStringLiteral("true") : parser.value(key));
    }
    return words;
}

// The words of an option in the arguments, in any of its forms: "--name
// word", "--name=word", and for a short name "-n word" and "-nword". Null
// when it is not given (the last one counts).
QString wordGiven(const QStringList &arguments, const QString &name, QChar shortName = QChar())
{
    QString word;
    const QString longForm = QStringLiteral("--") + name;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &token = arguments.at(i);
        if (token == QLatin1String("--"))
            break;
        if (token == longForm || (!shortName.isNull() && token == QStringLiteral("-") + shortName))
            word = arguments.value(i + 1, QStringLiteral(""));
        else if (token.startsWith(longForm + QLatin1Char('=')))
            word = token.mid(longForm.size() + 1);
        else if (!shortName.isNull() && token.size() > 2 && token.startsWith(QStringLiteral("-") + shortName))
            word = token.mid(2);
    }
    return word;
}

// The arguments without the forms of one option.
QStringList withoutOption(const QStringList &arguments, const QString &name, QChar shortName = QChar())
{
    QStringList kept;
    const QString longForm = QStringLiteral("--") + name;
    bool ended = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &token = arguments.at(i);
        ended = ended || token == QLatin1String("--");
        if (!ended && i > 0) {
            if (token == longForm || (!shortName.isNull() && token == QStringLiteral("-") + shortName)) {
                ++i;
                continue;
            }
            if (token.startsWith(longForm + QLatin1Char('='))
                || (!shortName.isNull() && token.size() > 2 && token.startsWith(QStringLiteral("-") + shortName)))
                continue;
        }
        kept << token;
    }
    return kept;
}

} // namespace

QString presetWordsProblem(const OptionWordList &words)
{
    if (!words.isEmpty() && words.last().first == QLatin1String("preset") && !presetById(words.last().second))
        return QCoreApplication::translate("Options", "preset '%1' is no built-in preset (%2)")
            .arg(words.last().second, presetIds());
    return parseOptions(QStringList{QStringLiteral("reelkit-convert")} + presetArguments(words)).error;
}

namespace {

// A saved preset (--preset NAME) or a preset file (--preset-file FILE, kept
// among the user's presets) put before the arguments, less the settings the
// arguments give themselves. The arguments unchanged for a built-in preset.
QStringList withSavedPreset(const QStringList &arguments, Options &options)
{
    const QString file = wordGiven(arguments, QStringLiteral("preset-file"));
    const QString name = wordGiven(arguments, QStringLiteral("preset"), QLatin1Char('p'));
    if (file.isNull() && (name.isNull() || presetById(name)))
        return arguments;
    SavedPreset preset;
    QString error;
    if (!file.isNull()) {
        if (!readPresetFile(file, &preset, &error, presetWordsProblem)) {
            options.error = QCoreApplication::translate("Options", "preset file refused: %1").arg(error);
            return {};
        }
        if (preset.name.isEmpty())
            preset.name = QFileInfo(file).completeBaseName();
        const QString kept = isPresetName(preset.name, &error) ? writeSavedPreset(preset, &error) : QString();
        if (kept.isEmpty()) {
            options.error = QCoreApplication::translate("Options", "preset file %1 not imported: %2").arg(file, error);
            return {};
        }
        options.presetNote =
            QCoreApplication::translate("Options", "the preset '%1' from %2, kept as %3").arg(preset.name, file, kept);
    } else {
        const QString path = savedPresetFolder() + QLatin1Char('/') + name + QStringLiteral(".plist");
        if (!QFileInfo::exists(path))
            return arguments; // the options' reading says the name is unknown
        if (!readPresetFile(path, &preset, &error, presetWordsProblem)) {
            options.error = QCoreApplication::translate("Options", "your preset '%1' is refused: %2").arg(name, error);
            return {};
        }
        options.presetNote = QCoreApplication::translate("Options", "your preset '%1' (%2)").arg(name, path);
    }
    // The line's own budget and size replace the preset's whole group.
    const QList<QList<QPair<QString, QChar>>> groups{
        {{QStringLiteral("quality"), u'q'}, {QStringLiteral("size"), u's'}, {QStringLiteral("bitrate"), u'b'}},
        {{QStringLiteral("max-size"), QChar()}, {QStringLiteral("height"), QChar()}},
        {{QStringLiteral("normalize"), QChar()}}};
    OptionWordList kept;
    for (const auto &setting : std::as_const(preset.words)) {
        bool overridden = false;
        for (const auto &group : groups) {
            const bool inGroup = std::any_of(group.cbegin(), group.cend(),
                                             [&](const auto &option) { return option.first == setting.first; });
            for (const auto &[other, letter] : group) {
                if (inGroup && !wordGiven(arguments, other, letter).isNull())
                    overridden = true;
            }
        }
        if (!overridden)
            kept << setting;
    }
    const QStringList rest = withoutOption(withoutOption(arguments, QStringLiteral("preset"), QLatin1Char('p')),
                                           QStringLiteral("preset-file"));
    return QStringList{rest.first()} + presetArguments(kept) + rest.mid(1);
}

bool readBudget(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    const int budgets = int(parser.isSet(words.quality)) + int(parser.isSet(words.size)) + int(parser.isSet(words.bitrate));
    if (budgets > 1) {
        options.error = QCoreApplication::translate("Options", "give one of --quality, --size and --bitrate");
        return false;
    }
    options.budgetGiven = budgets == 1;
    if (parser.isSet(words.quality)) {
        const auto crf = numberIn(parser.value(words.quality), kMinCrf, kMaxCrf);
        if (!crf) {
            options.error =
                QCoreApplication::translate("Options", "--quality takes a whole number from %1 (best) to %2, not '%3'")
                    .arg(kMinCrf)
                    .arg(kMaxCrf)
                    .arg(parser.value(words.quality));
            return false;
        }
        options.budget.mode = Budget::Mode::Quality;
        options.budget.crf = *crf;
    } else if (parser.isSet(words.size)) {
        const auto mb = numberIn(parser.value(words.size), 1, 1 << 24);
        if (!mb) {
            options.error =
                QCoreApplication::translate("Options", "--size takes a whole number of megabytes above 0, not '%1'")
                    .arg(parser.value(words.size));
            return false;
        }
        options.budget.mode = Budget::Mode::TargetSize;
        options.budget.sizeMB = *mb;
    } else if (parser.isSet(words.bitrate)) {
        const auto kbps = numberIn(parser.value(words.bitrate), 1, 1 << 24);
        if (!kbps) {
            options.error =
                QCoreApplication::translate("Options", "--bitrate takes a whole number of kb/s above 0, not '%1'")
                    .arg(parser.value(words.bitrate));
            return false;
        }
        options.budget.mode = Budget::Mode::Bitrate;
        options.budget.videoKbps = *kbps;
    }
    return true;
}

// The disc's chapters, name and subtitle files.
bool readDiscValues(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    if (parser.isSet(words.chapters)) {
        const auto minutes = numberIn(parser.value(words.chapters), 0, 24 * 60);
        if (!minutes) {
            options.error =
                QCoreApplication::translate("Options", "--chapters takes whole minutes from 0 (none) to %1, not '%2'")
                    .arg(24 * 60)
                    .arg(parser.value(words.chapters));
            return false;
        }
        options.chapterMinutes = *minutes;
    }
    if (parser.isSet(words.discName)) {
        options.discName = parser.value(words.discName).trimmed();
        if (options.discName.isEmpty() || options.discName.contains(QLatin1Char('/'))
            || options.discName.startsWith(QLatin1Char('.'))) {
            options.error =
                QCoreApplication::translate("Options", "--disc-name takes a name for the disc folder, not '%1'")
                    .arg(parser.value(words.discName));
            return false;
        }
    }
    for (const QString &file : std::as_const(options.subtitles)) {
        if (file.isEmpty()) {
            options.error = QCoreApplication::translate("Options", "--subtitles needs a file");
            return false;
        }
    }
    return true;
}

// --disc and what goes with it only.
bool readDisc(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    options.disc = parser.isSet(words.disc);
    options.dualLayer = parser.isSet(words.dualLayer);
    options.normalize = parser.isSet(words.normalize);
    options.subtitles = parser.values(words.subtitles);
    if (!options.disc) {
        for (const QCommandLineOption *discOnly : {&words.dualLayer, &words.chapters, &words.discName, &words.subtitles}) {
            if (parser.isSet(*discOnly)) {
                options.error =
                    QCoreApplication::translate("Options", "--%1 goes with --disc").arg(discOnly->names().constFirst());
                return false;
            }
        }
    }
    if (options.disc && options.presetGiven && presetById(options.presetId)->family != Family::DvdMpeg2) {
        options.error =
            QCoreApplication::translate("Options", "--disc needs a DVD preset (-p dvd-pal or -p dvd-ntsc), not %1")
                .arg(options.presetId);
        return false;
    }
    if (options.disc && !options.presetGiven) {
        options.error = QCoreApplication::translate("Options", "--disc needs a DVD preset: -p dvd-pal or -p dvd-ntsc");
        return false;
    }
    return readDiscValues(parser, words, options);
}

// --audio, --subtitle and --burn-subtitle.
bool readTracks(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    TrackRequest &tracks = options.choices.tracks;
    if (parser.isSet(words.audio)
        && !readTrackWords(parser.value(words.audio), false, &tracks.audio, &tracks.audioListed, &options.error))
        return false;
    if (parser.isSet(words.subtitle)
        && !readTrackWords(parser.value(words.subtitle), true, &tracks.subtitles, &tracks.subtitlesListed,
                           &options.error))
        return false;
    return !parser.isSet(words.burn) || readBurnWord(parser.value(words.burn), &tracks.burn, &options.error);
}

// --max-size, --height, --crop, --denoise and --deinterlace.
bool readPicture(const QCommandLineParser &parser, const OptionWords &words, Options &options)
{
    if (parser.isSet(words.maxSize) && parser.isSet(words.height)) {
        options.error = QCoreApplication::translate("Options", "give one of --max-size and --height");
        return false;
    }
    if ((parser.isSet(words.maxSize) || parser.isSet(words.height))
        && presetById(options.presetId)->family == Family::DvdMpeg2) {
        options.error = QCoreApplication::translate(
            "Options", "--max-size and --height are for MP4 presets: a DVD's frame is fixed");
        return false;
    }
    return readPictureWords(valueOf(parser, words.maxSize), valueOf(parser, words.height), valueOf(parser, words.crop),
                            valueOf(parser, words.denoise), valueOf(parser, words.deinterlace),
                            &options.choices.picture, &options.error);
}

} // namespace

Options parseOptions(const QStringList &given)
{
    Options options;
    const QStringList arguments = withSavedPreset(given, options);
    if (!options.error.isEmpty())
        return options;
    options.anyArgument = arguments.size() > 1;
    const OptionWords words;
    QCommandLineParser parser;
    parser.addOptions(words.all());
    options.json = asksForJson(arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        options.error =
            unknown.isEmpty()
                ? plainError(parser.errorText())
                : QCoreApplication::translate("Options", "unknown option '%1'").arg(optionWord(unknown.first()));
        return options;
    }
    options.files = parser.positionalArguments();
    options.help = parser.isSet(words.help);
    options.version = parser.isSet(words.version);
    options.overwrite = parser.isSet(words.overwrite);
    options.dryRun = parser.isSet(words.dryRun);
    options.verify = !parser.isSet(words.noVerify);
    options.debug = parser.isSet(words.debug);
    options.json = parser.isSet(words.json);
    options.listPresets = parser.isSet(words.listPresets);
    if (parser.isSet(words.savePreset)) {
        options.savePreset = parser.value(words.savePreset).trimmed();
        if (!isPresetName(options.savePreset, &options.error))
            return options;
    }
    if (!readModeAndPreset(parser, words, options) || !readBudget(parser, words, options)
        || !readDisc(parser, words, options) || !readTracks(parser, words, options)
        || !readPicture(parser, words, options) || !readPresetChanges(parser, words, options)
        || !readTrimWords(valueOf(parser, words.start), valueOf(parser, words.stop), valueOf(parser, words.duration),
                          &options.choices.trim, &options.error))
        return options;
    options.presetWords = givenPresetWords(parser, options);
    if (parser.isSet(words.output)) {
        options.outputDir = parser.value(words.output);
        if (options.outputDir.isEmpty())
            options.error = QCoreApplication::translate("Options", "--output needs a folder");
    }
    return options;
}

bool asksForJson(const QStringList &arguments)
{
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    return arguments.mid(0, end < 0 ? arguments.size() : end).contains(QStringLiteral("--json"));
}

namespace {

// --help fits a terminal of 80 columns, in every language.
constexpr int kHelpWidth = 79;

// An entry of --help: the text after its head, wrapped at the spaces, the
// lines after the first under its start.
QString helpEntry(const QString &head, const QString &text)
{
    const QString indent(head.size(), QLatin1Char(' '));
    QString entry;
    QString line = head;
    bool first = true;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!first && line.size() + 1 + word.size() > kHelpWidth) {
            entry += line + QLatin1Char('\n');
            line = indent + word;
        } else {
            line += (first ? QString() : QStringLiteral(" ")) + word;
        }
        first = false;
    }
    return entry + line + QLatin1Char('\n');
}

} // namespace

QString usageText(const QString &program)
{
    QString presetLines;
    for (const Preset &preset : presets()) {
        const QString usual =
            preset.hasQualityMode()
                ? QCoreApplication::translate("Options", "default quality %1").arg(preset.defaultCrf)
                : QCoreApplication::translate("Options", "default %1 kb/s").arg(preset.defaultVideoKbps);
        presetLines += helpEntry(QStringLiteral("  ") + (preset.id + QLatin1Char(' ')).leftJustified(11),
                                 QCoreApplication::translate("Options", "%1 (%2)", "a preset's label (its default)")
                                     .arg(preset.label, usual));
    }
    return QCoreApplication::translate(
               "Options",
               "Usage: %1 [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR] [-y]\n"
               "          [-n] [--normalize] [--audio TRACKS] [--subtitle TRACKS]\n"
               "          [--burn-subtitle TRACK] [--max-size WxH | --height H] [--crop CROP]\n"
               "          [--denoise HOW] [--deinterlace WHEN] [--start T]\n"
               "          [--stop T | --duration T] [--json] [--container KIND] [--speed SPEED]\n"
               "          [--audio-codec CODEC] [--audio-bitrate KBPS] [--list-presets]\n"
               "          [--save-preset NAME] [--preset-file FILE]\n"
               "          [--disc [--dual-layer] [--chapters MIN] [--subtitles FILE]...]\n"
               "          FILE|FOLDER...\n"
               "Converts videos with ffmpeg: at a quality, to a target size or at a bitrate.\n"
               "\n"
               "  -p, --preset P     the output kind (default mp4)\n"
               "  -q, --quality CRF  constant quality, %2 (best, largest) to %3 (worst); MP4\n"
               "                     presets only and their default (mp4 23, mp4-hevc 28)\n"
               "  -s, --size MB      make each output about MB megabytes (two passes for MP4);\n"
               "                     with --disc, all the titles together\n"
               "  -b, --bitrate KBPS encode the picture at KBPS kilobits per second (default\n"
               "                     for DVD)\n"
               "  -o, --output DIR   write the outputs into DIR (default: the current folder)\n"
               "  -y, --overwrite    replace outputs that already exist (otherwise they are\n"
               "                     kept; on a terminal you are asked); a source is never\n"
               "                     replaced\n"
               "  -n, --dry-run      print the plan and the ffmpeg command lines, convert\n"
               "                     nothing\n"
               "      --audio TRACKS the sound tracks kept: default (the one marked default,\n"
               "                     else the first), all, none, or track numbers as the plan\n"
               "                     shows them and languages, separated by commas (--audio\n"
               "                     fre,eng or 2,1); the first is marked default. A DVD keeps\n"
               "                     at most 8\n"
               "      --subtitle TRACKS  the subtitle tracks kept: all (default: those the\n"
               "                     output can hold), none, or numbers and languages as for\n"
               "                     --audio\n"
               "      --burn-subtitle TRACK  draw that subtitle track (a number or a language),\n"
               "                     text or pictures, into the picture\n"
               "      --max-size WxH make each MP4 at most W x H (either way round), keeping\n"
               "                     its shape; never larger than the source\n"
               "      --height H     make each MP4 at most H pixels high, keeping its shape\n"
               "      --crop CROP    auto (the black bars found at several points), none\n"
               "                     (default) or TOP:BOTTOM:LEFT:RIGHT in pixels\n"
               "      --denoise HOW  off (default), light or strong\n"
               "      --deinterlace WHEN  auto (as the stream or ffmpeg's interlace test says;\n"
               "                     default), on or off\n"
               "      --start T      convert from T on (90, 1:30, 0:01:30.5, 1m30s...)\n"
               "      --stop T       convert up to T of the source; --duration T: for T\n"
               "      --normalize    even out each video's sound with normalize before encoding\n"
               "      --no-verify    do not check the outputs (by default each is opened, its\n"
               "                     tracks and durations compared with the source's, and\n"
               "                     decoded whole before it is called done; a disc's titles\n"
               "                     and image are read back)\n"
               "      --disc         with a DVD preset, go on to a DVD: one title per video in\n"
               "                     a VIDEO_TS folder, and an ISO image (genisoimage or\n"
               "                     xorriso)\n"
               "      --dual-layer   a disc of 8.5 GB instead of 4.7 GB\n"
               "      --chapters MIN a chapter every MIN minutes (default 5; 0: none)\n"
               "      --disc-name NAME  the disc folder's name (default DVD; numbered when\n"
               "                     taken)\n"
               "      --subtitles FILE  SubRip subtitles for the disc, the first for the first\n"
               "                     video, the next for the next...; an .srt beside a video\n"
               "                     with its name is taken without asking\n"
               "      --container KIND  mp4 or mkv (Matroska, which holds any sound and\n"
               "                     subtitles)\n"
               "      --speed SPEED  the encoder's speed, ultrafast to veryslow (default\n"
               "                     medium; slower makes a smaller file at the same quality)\n"
               "      --audio-codec CODEC  aac, ac3, opus (MKV only) or copy (each sound track\n"
               "                     as it is when the container holds it, else AAC)\n"
               "      --audio-bitrate KBPS  the sound's rate, 32 to 640 (default 192)\n"
               "      --list-presets the presets, built-in and yours\n"
               "      --save-preset NAME  keep this line's settings as your preset NAME\n"
               "                     (converts the FILEs too, when there are any); use it with\n"
               "                     -p NAME\n"
               "      --preset-file FILE  take a preset from a file (an XML property list, as\n"
               "                     --save-preset writes), keep it among yours, and use it\n"
               "      --json         write the plan, the progress, each result and a summary as\n"
               "                     one JSON object per line on standard output, and nothing\n"
               "                     else there\n"
               "  -w, --window       open the window, with the FILEs in it\n"
               "  -t, --terminal     convert in the terminal even where a display is present\n"
               "  -d, --debug        write the toolkit's diagnostic log on standard error\n"
               "                     (otherwise it goes to reelkit-convert.log in the temporary\n"
               "                     folder)\n"
               "  -h, --help         show this text\n"
               "  -V, --version      show the version\n"
               "\n"
               "Presets:\n"
               "%4\n"
               "Sizes are in MB of 1024 x 1024 bytes everywhere (inputs, estimates, results).\n"
               "A FOLDER is searched for videos; a camera card (PRIVATE/AVCHD/BDMV or BDMV)\n"
               "gives its clips, named by their recording time. Only regular files are read:\n"
               "not pipes or devices.\n"
               "Languages are ISO 639 codes, as containers store them or shorter: eng, fre,\n"
               "fra, en, fr.\n"
               "The sound track marked default (else the first) is kept; MP4 keeps text\n"
               "subtitles.\n"
               "Without FILE, a 5-second sample made with ffmpeg's test sources is converted.\n"
               "Started without arguments where a display answers, it opens its window.\n"
               "Exit codes: 0 done, 1 a conversion, its check or part of the disc failed, 2 bad\n"
               "option or size (a disc too large, or of too many titles), 3 missing tool, 4\n"
               "unreadable source, 5 output exists, 130 interrupted (Ctrl-C, the terminal or\n"
               "the output pipe closed).\n")
        .arg(program)
        .arg(kMinCrf)
        .arg(kMaxCrf)
        .arg(presetLines);
}

bool displayPresent()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool wantsWindow(const Options &options, bool display)
{
    switch (options.mode) {
    case Options::Mode::Window:
        return true;
    case Options::Mode::Terminal:
        return false;
    case Options::Mode::Automatic:
        break;
    }
    return !options.anyArgument && display;
}

Preset effectivePreset(const Options &options)
{
    QString ignored;
    const Preset preset = *presetById(options.presetId);
    return changedPreset(preset, options.presetChanges, &ignored).value_or(preset);
}

Budget effectiveBudget(const Options &options, const Preset &preset)
{
    return options.budgetGiven ? options.budget : defaultBudget(preset);
}

} // namespace convert
