#include "model/savedpresets.h"

#include "model/presets.h"

#include <reel/core.h>
#include <reel/plist.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVariantMap>

namespace convert {

namespace {

constexpr qint64 kMaxPresetBytes = 256 * 1024;
constexpr int kFormat = 1;

// The line of the file where key is written, for the messages; 1 when the
// text does not show it.
int lineOfKey(const QByteArray &text, const QString &key)
{
    const QByteArray tag = "<key>" + key.toUtf8() + "</key>";
    const qsizetype at = text.indexOf(tag);
    return at < 0 ? 1 : int(text.left(at).count('\n')) + 1;
}

QString wordOf(const QVariant &value, bool *ok)
{
    *ok = true;
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble());
    default:
        *ok = false;
        return QString();
    }
}

} // namespace

const QStringList &presetKeys()
{
    static const QStringList keys{
        QStringLiteral("preset"),      QStringLiteral("quality"),       QStringLiteral("size"),
        QStringLiteral("bitrate"),     QStringLiteral("container"),     QStringLiteral("speed"),
        QStringLiteral("audio-codec"), QStringLiteral("audio-bitrate"), QStringLiteral("audio"),
        QStringLiteral("subtitle"),    QStringLiteral("max-size"),      QStringLiteral("height"),
        QStringLiteral("crop"),        QStringLiteral("denoise"),       QStringLiteral("deinterlace"),
        QStringLiteral("normalize")};
    return keys;
}

QString savedPresetFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/reelkit-convert/presets");
}

bool isPresetName(const QString &name, QString *error)
{
    static const QRegularExpression allowed(QStringLiteral("^[\\p{L}\\p{N}_-][\\p{L}\\p{N} _-]{0,63}$"));
    if (!allowed.match(name).hasMatch() || name.endsWith(QLatin1Char(' '))) {
        *error = QCoreApplication::translate(
                     "SavedPresets", "'%1' cannot name a preset: use up to 64 letters, digits, spaces, '-' and '_'")
                     .arg(name);
        return false;
    }
    if (presetById(name)) {
        *error =
            QCoreApplication::translate("SavedPresets", "'%1' is a built-in preset; choose another name").arg(name);
        return false;
    }
    return true;
}

bool readPresetFile(const QString &path, SavedPreset *preset, QString *error,
                    const std::function<QString(const OptionWordList &)> &check)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray text = file.read(kMaxPresetBytes + 1);
    if (text.size() > kMaxPresetBytes) {
        *error = QCoreApplication::translate("SavedPresets", "%1: larger than a preset can be (%2 KB)")
                     .arg(path)
                     .arg(kMaxPresetBytes / 1024);
        return false;
    }
    // An XML property list only: a preset is meant to be read and mended by
    // hand, and the XML reader says at which line it stopped.
    if (!text.trimmed().startsWith("<")) {
        *error = QCoreApplication::translate("SavedPresets", "%1, line 1: not an XML property list").arg(path);
        return false;
    }
    QString why;
    const std::optional<QVariant> root = reel::plistFromData(text, &why);
    if (!root) {
        // "XML property list, line N: why" as the reader words it.
        why.replace(QStringLiteral("XML property list, "), QString());
        *error = QStringLiteral("%1, %2").arg(path, why);
        return false;
    }
    if (root->typeId() != QMetaType::QVariantMap) {
        *error = QCoreApplication::translate("SavedPresets", "%1, line 1: the root is not a dictionary").arg(path);
        return false;
    }
    const QVariantMap map = root->toMap();
    SavedPreset read;
    read.name = map.value(QStringLiteral("name")).toString();
    const auto refuse = [&](const QString &key, const QString &reason) {
        *error = QStringLiteral("%1, line %2: %3").arg(path).arg(lineOfKey(text, key)).arg(reason);
        return false;
    };
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key() != QLatin1String("name") && it.key() != QLatin1String("format") && !presetKeys().contains(it.key()))
            return refuse(it.key(), QCoreApplication::translate("SavedPresets", "unknown key '%1' (a preset keeps %2)")
                                        .arg(it.key(), presetKeys().join(QStringLiteral(", "))));
    }
    if (map.value(QStringLiteral("format"), kFormat).toInt() > kFormat)
        return refuse(QStringLiteral("format"),
                      QCoreApplication::translate("SavedPresets", "made by a later version (format %1)")
                          .arg(map.value(QStringLiteral("format")).toInt()));
    // In the command line's order, so that each key is judged with those
    // before it, and a refusal names the key that brought it.
    for (const QString &key : presetKeys()) {
        if (!map.contains(key))
            continue;
        bool ok = false;
        const QString word = wordOf(map.value(key), &ok);
        if (!ok)
            return refuse(key, QCoreApplication::translate("SavedPresets", "%1 takes a word or a number").arg(key));
        read.words << qMakePair(key, word);
        const QString judged = check(read.words);
        if (!judged.isEmpty())
            return refuse(key, judged);
    }
    if (read.words.isEmpty() || read.words.first().first != QLatin1String("preset"))
        return refuse(QString(), QCoreApplication::translate(
                                     "SavedPresets", "no 'preset' key names the built-in preset it starts from"));
    *preset = read;
    return true;
}

QString writeSavedPreset(const SavedPreset &preset, QString *error)
{
    QVariantMap map{{QStringLiteral("name"), preset.name}, {QStringLiteral("format"), kFormat}};
    for (const auto &[key, word] : preset.words)
        map.insert(key, word);
    const QByteArray bytes = reel::plistToData(map, reel::PlistFormat::Xml, error);
    if (bytes.isEmpty())
        return QString();
    const QString folder = savedPresetFolder();
    if (!QDir().mkpath(folder)) {
        *error = QCoreApplication::translate("SavedPresets", "cannot make the folder %1").arg(folder);
        return QString();
    }
    const QString path = folder + QLatin1Char('/') + preset.name + QStringLiteral(".plist");
    if (!reel::writeFileAtomically(path, bytes, error))
        return QString();
    return path;
}

QList<SavedPreset> savedPresets()
{
    QList<SavedPreset> found;
    const QDir folder(savedPresetFolder());
    for (const QString &file : folder.entryList({QStringLiteral("*.plist")}, QDir::Files, QDir::Name)) {
        SavedPreset preset;
        QString ignored;
        if (readPresetFile(folder.filePath(file), &preset, &ignored, [](const OptionWordList &) { return QString(); })) {
            preset.name = file.chopped(6);
            found << preset;
        }
    }
    return found;
}

QStringList presetArguments(const OptionWordList &words)
{
    QStringList arguments;
    for (const auto &[key, word] : words) {
        if (key == QLatin1String("normalize")) {
            if (word == QLatin1String("true"))
                arguments << QStringLiteral("--normalize");
            continue;
        }
        arguments << QStringLiteral("--%1=%2").arg(key, word);
    }
    return arguments;
}

} // namespace convert
