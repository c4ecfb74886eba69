#include "fuzzseeds.h"

#include "sandbox.h"

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

QList<FuzzFinding> fuzzFindings(const char *target)
{
    QList<FuzzFinding> findings;
    const QDir dir(testDataPath() + QStringLiteral("/fuzz/") + QString::fromLatin1(target));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            findings.append({name, file.readAll()});
    }
    return findings;
}

} // namespace reel::test
