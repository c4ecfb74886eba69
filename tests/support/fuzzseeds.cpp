#include "fuzzseeds.h"

#include <QDir>
#include <QFile>

namespace reel::test {

void saveFuzzSeed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString root = qEnvironmentVariable("REELKIT_FUZZ_SEEDS");
    if (root.isEmpty() || bytes.size() > 65536)
        return;
    const QString dir = root + QLatin1Char('/') + QString::fromLatin1(target);
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace reel::test
