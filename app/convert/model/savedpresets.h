// The user's own presets: the command line's settings kept under a name, as
// an XML property list in the user's configuration folder, each key an
// option's long name and its value the option's word. A preset file another
// user gave is read the same way, every key checked as the command line
// checks it.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

namespace convert {

using OptionWordList = QList<QPair<QString, QString>>; // long name, word

struct SavedPreset {
    QString name;
    OptionWordList words; // "preset" (the built-in it starts from) first
};

// The options a preset keeps, in the order they are written.
const QStringList &presetKeys();

// Where the user's presets live: reelkit-convert/presets in the user's
// configuration folder (XDG_CONFIG_HOME).
QString savedPresetFolder();

// Whether name can name a preset: 1 to 64 letters, digits, spaces, "-" and
// "_", not a built-in's word.
bool isPresetName(const QString &name, QString *error);

// Reads a preset file. False with *error ("FILE, line N: why") for a file
// that is not an XML property list whose root is a dictionary, an unknown
// key, or a value the option would refuse; check gives the option's own
// judgement of the words read so far (empty when they are good).
bool readPresetFile(const QString &path, SavedPreset *preset, QString *error,
                    const std::function<QString(const OptionWordList &)> &check);

// Writes the preset as name.plist in the folder (made when missing),
// replacing one of that name atomically; the path, else empty with *error.
QString writeSavedPreset(const SavedPreset &preset, QString *error);

// The user's presets, by name; files that do not read are left out.
QList<SavedPreset> savedPresets();

// The options' words for a command line: "--key=value".
QStringList presetArguments(const OptionWordList &words);

} // namespace convert
