// Files the tests make that also seed the fuzz targets (fuzz/corpus/), and
// the inputs the fuzzers once found harmful.
#pragma once

#include "sandbox.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

namespace reel::test {

// With REELKIT_FUZZ_SEEDS set to a folder, saves bytes there as
// <target>/<name> (the target's name in fuzz/); otherwise does nothing.
// Files over 64 KiB are left out: a fuzzer mutates small inputs best.
inline void saveFuzzSeed(const char *target, const QString &name, const QByteArray &bytes)
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

// An input that a fuzz target once found harmful, kept as
// tests/data/fuzz/<target>/<name>. Its first byte is the one that picked the
// target's reader.
struct FuzzFinding {
    QString name;
    QByteArray bytes;
    char reader() const { return bytes.isEmpty() ? '\0' : bytes.front(); }
    QByteArray rest() const { return bytes.mid(1); }
};

// The findings kept for target, by name.
inline QList<FuzzFinding> fuzzFindings(const char *target)
{
    QList<FuzzFinding> findings;
    const QDir dir(testDataPath() + QStringLiteral("/fuzz/") + QString::fromLatin1(target));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        findings.append({name, readFile(dir.filePath(name))});
    return findings;
}

} // namespace reel::test
