// A preset file another user gave: any bytes are refused with the file's
// name and a reason, or give words that the command line takes as they are.
#include <model/options.h>
#include <model/savedpresets.h>

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

QString scratchFile()
{
    static const QString path = [] {
        char name[] = "/tmp/fuzz-preset-XXXXXX";
        const int fd = mkstemp(name);
        check(fd >= 0);
        close(fd);
        return QString::fromLocal8Bit(name);
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratchFile();
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    }
    convert::SavedPreset preset;
    QString error;
    if (!convert::readPresetFile(path, &preset, &error, convert::presetWordsProblem)) {
        check(error.startsWith(path) && error.size() > path.size() + 2);
        return 0;
    }
    check(!preset.words.isEmpty() && preset.words.first().first == QLatin1String("preset"));
    check(convert::parseOptions(QStringList{QStringLiteral("reelkit-convert")} + convert::presetArguments(preset.words))
              .error.isEmpty());
    return 0;
}
