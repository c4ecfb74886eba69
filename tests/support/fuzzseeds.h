// Files the tests make that also seed the fuzz targets (fuzz/corpus/).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace reel::test {

// With REELKIT_FUZZ_SEEDS set to a folder, saves bytes there as
// <target>/<name> (the target's name in fuzz/); otherwise does nothing.
// Files over 64 KiB are left out: a fuzzer mutates small inputs best.
void saveFuzzSeed(const char *target, const QString &name, const QByteArray &bytes);

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
QList<FuzzFinding> fuzzFindings(const char *target);

} // namespace reel::test
