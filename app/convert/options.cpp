#include "options.h"

#include "presets.h"

#include <QtGlobal>

#include <optional>

namespace convert {

namespace {

std::optional<int> positiveNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0)
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

} // namespace

Options parseOptions(const QStringList &arguments)
{
    Options options;
    options.anyArgument = arguments.size() > 1;
    bool optionsEnded = false;
    bool sizeGiven = false;
    bool bitrateGiven = false;
    for (qsizetype i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString &word = arguments.at(i);
        if (optionsEnded || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            options.files << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = word;
        QString value;
        bool hasInlineValue = false;
        const qsizetype eq = word.indexOf(QLatin1Char('='));
        if (word.startsWith(QLatin1String("--")) && eq > 0) {
            name = word.left(eq);
            value = word.mid(eq + 1);
            hasInlineValue = true;
        }
        // The value of an option that takes one: after "=" or the next word.
        auto takeValue = [&]() -> std::optional<QString> {
            if (hasInlineValue)
                return value;
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("%1 needs a value").arg(name);
                return std::nullopt;
            }
            return arguments.at(++i);
        };
        auto flag = [&](bool &target) {
            if (hasInlineValue)
                options.error = QStringLiteral("%1 takes no value").arg(name);
            target = true;
        };

        if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            flag(options.help);
        } else if (name == QLatin1String("--version")) {
            flag(options.version);
        } else if (name == QLatin1String("--overwrite")) {
            flag(options.overwrite);
        } else if (name == QLatin1String("--debug")) {
            flag(options.debug);
        } else if (name == QLatin1String("--window") || name == QLatin1String("--terminal")) {
            const Options::Mode mode =
                name == QLatin1String("--window") ? Options::Mode::Window : Options::Mode::Terminal;
            if (options.mode != Options::Mode::Automatic && options.mode != mode)
                options.error = QStringLiteral("--window and --terminal exclude each other");
            bool unused = false;
            flag(unused);
            options.mode = mode;
        } else if (name == QLatin1String("--preset")) {
            const auto id = takeValue();
            if (!id)
                break;
            if (!presetById(*id))
                options.error = QStringLiteral("unknown preset '%1' (presets: %2)").arg(*id, presetIds());
            options.presetId = *id;
            options.presetGiven = true;
        } else if (name == QLatin1String("--size")) {
            const auto text = takeValue();
            if (!text)
                break;
            const auto mb = positiveNumber(*text);
            if (!mb)
                options.error = QStringLiteral("--size takes a whole number of megabytes above 0, not '%1'").arg(*text);
            options.budget.mode = Budget::Mode::TargetSize;
            options.budget.sizeMB = mb.value_or(0);
            sizeGiven = true;
        } else if (name == QLatin1String("--bitrate")) {
            const auto text = takeValue();
            if (!text)
                break;
            const auto kbps = positiveNumber(*text);
            if (!kbps)
                options.error = QStringLiteral("--bitrate takes a whole number of kb/s above 0, not '%1'").arg(*text);
            options.budget.mode = Budget::Mode::Bitrate;
            options.budget.videoKbps = kbps.value_or(0);
            bitrateGiven = true;
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            const auto dir = takeValue();
            if (!dir)
                break;
            if (dir->isEmpty())
                options.error = QStringLiteral("%1 needs a folder").arg(name);
            options.outputDir = *dir;
        } else {
            options.error = QStringLiteral("unknown option '%1'").arg(word);
        }
    }
    if (options.error.isEmpty() && sizeGiven && bitrateGiven)
        options.error = QStringLiteral("give either --size or --bitrate, not both");
    options.budgetGiven = sizeGiven || bitrateGiven;
    return options;
}

QString usageText(const QString &program)
{
    QString presetLines;
    for (const Preset &preset : presets()) {
        presetLines += QStringLiteral("  %1%2\n")
                           .arg(preset.id, -10)
                           .arg(QStringLiteral("%1 (default %2 kb/s)").arg(preset.label).arg(preset.defaultVideoKbps));
    }
    return QStringLiteral(
               "Usage: %1 [--preset P] [--size MB | --bitrate KBPS] [-o DIR] [--overwrite] FILE...\n"
               "Converts videos with ffmpeg, to a target size or at a bitrate.\n"
               "\n"
               "  --preset P      the output kind (default mp4)\n"
               "  --size MB       make each output about MB megabytes (of 1024 x 1024 bytes)\n"
               "  --bitrate KBPS  encode the picture at KBPS kilobits per second\n"
               "  -o, --output DIR  write the outputs into DIR (default: the current folder)\n"
               "  --overwrite     replace outputs that already exist (otherwise they are kept;\n"
               "                  on a terminal you are asked)\n"
               "  --window        open the window, with the FILEs in it\n"
               "  --terminal      convert in the terminal even where a display is present\n"
               "  --debug         write the toolkit's diagnostic log on standard error (otherwise\n"
               "                  it goes to reelkit-convert.log in the temporary folder)\n"
               "  -h, --help      show this text\n"
               "  --version       show the version\n"
               "\n"
               "Presets:\n%2"
               "\n"
               "Without FILE, a 5-second sample made with ffmpeg's test sources is converted.\n"
               "Started without arguments where a display is present, it opens its window.\n"
               "Exit codes: 0 done, 1 a conversion failed, 2 bad option or size, 3 missing tool,\n"
               "4 unreadable source, 5 output exists, 130 interrupted.\n")
        .arg(program, presetLines);
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

Budget effectiveBudget(const Options &options, const Preset &preset)
{
    if (options.budgetGiven)
        return options.budget;
    Budget budget;
    budget.mode = Budget::Mode::Bitrate;
    budget.videoKbps = preset.defaultVideoKbps;
    return budget;
}

} // namespace convert
