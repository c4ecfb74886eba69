// Application bundles made for one test.
#pragma once

#include "scoped.h"

#include <QString>
#include <QVariantMap>

namespace reel::test {

// Lays out <scratchDir>/<name>.app with Contents/Info.plist holding info (in
// XML form) and an empty Contents/Resources; with linkTools, its
// Resources/tools links the same tools as the test bundle's. Returns the
// bundle's path.
QString makeBundle(const QString &name, const QVariantMap &info, bool linkTools = false);

// Makes the toolkit run as the bundle at path (REELKIT_BUNDLE) for its life.
class ScopedBundle : public ScopedEnv {
public:
    explicit ScopedBundle(const QString &path) : ScopedEnv("REELKIT_BUNDLE", path) {}
};

} // namespace reel::test
