// The command line: what the user asked for, and whether the window or the
// terminal form answers.
#pragma once

#include "model/budget.h"
#include "model/choices.h"
#include "model/presets.h"
#include "model/savedpresets.h"

#include <QString>
#include <QStringList>

namespace convert {

// Exit codes of the terminal form.
enum ExitCode {
    kExitOk = 0,
    kExitFailed = 1,        // a conversion failed, or the disk is too full
    kExitUsage = 2,         // a bad option or value, a budget the preset refuses, no display for --window
    kExitMissingTool = 3,   // ffmpeg or ffprobe missing from the bundle
    kExitBadSource = 4,     // a source that cannot be read as a video (or is no regular file)
    kExitOutputExists = 5,  // an output exists and may not be replaced
    kExitInterrupted = 130, // stopped by Ctrl-C, a closed terminal or output pipe; partial outputs removed
};

struct Options {
    enum class Mode { Automatic, Window, Terminal };
    Mode mode = Mode::Automatic;
    QString presetId = QStringLiteral("mp4");
    bool presetGiven = false;
    Budget budget;              // meaningful when budgetGiven
    bool budgetGiven = false;
    PresetChanges presetChanges; // --container, --speed, --audio-codec, --audio-bitrate
    JobChoices choices;         // the tracks...
    QString outputDir;          // null when not given
    QStringList files;
    bool overwrite = false;
    bool disc = false;          // go on to a DVD (VIDEO_TS folder and ISO image)
    bool dualLayer = false;
    int chapterMinutes = 5;     // a chapter every so many minutes; 0: none but the start
    QString discName = QStringLiteral("DVD");
    QStringList subtitles;      // --subtitles files, the first for the first video...
    bool normalize = false;     // even out each video's sound with normalize
    bool verify = true;         // check each output (and the disc) before calling it done
    bool dryRun = false;
    bool debug = false;
    bool json = false;          // events as JSON lines on standard output
    bool listPresets = false;
    QString savePreset;         // --save-preset NAME
    OptionWordList presetWords; // the settings given, as a saved preset keeps them
    QString presetNote;         // the saved or imported preset used, and its file
    bool help = false;
    bool version = false;
    bool anyArgument = false;   // anything at all after the program name
    QString error;              // a bad option; empty when the line is good
};

// Reads the arguments (the program name first) with QCommandLineParser:
// short and long options, values as the next word or after "=" (and right
// after a short option), "--" ending the options.
Options parseOptions(const QStringList &arguments);

// Whether the arguments ask for --json (before any "--"), even on a line
// that is otherwise bad: a script that asked for JSON gets its summary.
bool asksForJson(const QStringList &arguments);

// The preset the options ask for, with their changes (checked when the
// options were read).
Preset effectivePreset(const Options &options);

// What the command line's reading says of a preset's words; empty when
// they are good. The preset a saved one starts from is a built-in one.
QString presetWordsProblem(const OptionWordList &words);

// The --help text.
QString usageText(const QString &program);

// Whether a display is named (DISPLAY or WAYLAND_DISPLAY); whether it
// answers is display.h's question.
bool displayPresent();

// The window answers --window, and a bare start where a display is present;
// the terminal form answers everything else.
bool wantsWindow(const Options &options, bool display);

// What the options ask for, else the preset's own choice (its quality for
// MP4, its usual bitrate for DVD).
Budget effectiveBudget(const Options &options, const Preset &preset);

} // namespace convert
