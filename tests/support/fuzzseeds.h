// Files the tests make that also seed the fuzz targets (fuzz/corpus/).
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::test {

// With REELKIT_FUZZ_SEEDS set to a folder, saves bytes there as
// <target>/<name> (target: binary, xml or strings); otherwise does nothing.
// Files over 64 KiB are left out: a fuzzer mutates small inputs best.
void saveFuzzSeed(const char *target, const QString &name, const QByteArray &bytes);

} // namespace reel::test
