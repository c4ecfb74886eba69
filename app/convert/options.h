// The command line: what the user asked for, and whether the window or the
// terminal form answers.
#pragma once

#include "budget.h"

#include <QString>
#include <QStringList>

namespace convert {

// Exit codes of the terminal form.
enum ExitCode {
    kExitOk = 0,
    kExitFailed = 1,        // a conversion failed, or the disk is too full
    kExitUsage = 2,         // a bad option or value, or a budget the preset refuses
    kExitMissingTool = 3,   // ffmpeg or ffprobe missing from the bundle
    kExitBadSource = 4,     // a source that cannot be read as a video
    kExitOutputExists = 5,  // an output exists and may not be replaced
    kExitInterrupted = 130, // stopped by Ctrl-C; partial outputs removed
};

struct Options {
    enum class Mode { Automatic, Window, Terminal };
    Mode mode = Mode::Automatic;
    QString presetId = QStringLiteral("mp4");
    bool presetGiven = false;
    Budget budget;              // Bitrate mode at 0 kb/s when none was given
    bool budgetGiven = false;
    QString outputDir;          // null when not given
    QStringList files;
    bool overwrite = false;
    bool debug = false;
    bool help = false;
    bool version = false;
    bool anyArgument = false;   // anything at all after the program name
    QString error;              // a bad option; empty when the line is good
};

// Reads the arguments (the program name first). Values follow their option
// as the next word or after "="; "--" ends the options.
Options parseOptions(const QStringList &arguments);

// The --help text.
QString usageText(const QString &program);

// Whether a graphical display is there to open a window on.
bool displayPresent();

// The window answers --window, and a bare start where a display is present;
// the terminal form answers everything else.
bool wantsWindow(const Options &options, bool display);

// The bitrate mode at the preset's usual rate when no budget was given.
Budget effectiveBudget(const Options &options, const Preset &preset);

} // namespace convert
