// Application bundles made for one test.
#pragma once

#include "sandbox.h"
#include "scoped.h"

#include <reel/core/fileio.h>
#include <reel/plist/codec.h>

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace reel::test {

// Lays out <scratchDir>/<name>.app with Contents/Info.plist holding info (in
// XML form) and an empty Contents/Resources; with linkTools, its
// Resources/tools links the same tools as the test bundle's. Returns the
// bundle's path.
inline QString makeBundle(const QString &name, const QVariantMap &info, bool linkTools = false)
{
    const QString path = scratchDir() + QLatin1Char('/') + name + QStringLiteral(".app");
    const QString tools = path + QStringLiteral("/Contents/Resources/tools");
    QDir().mkpath(linkTools ? tools : path + QStringLiteral("/Contents/Resources"));
    EXPECT_TRUE(writeFileAtomically(path + QStringLiteral("/Contents/Info.plist"), plistToData(info, PlistFormat::Xml)));
    const QDir source(testBundlePath() + QStringLiteral("/Contents/Resources/tools"));
    for (const QFileInfo &tool : linkTools ? source.entryInfoList(QDir::Files | QDir::System) : QFileInfoList())
        QFile::link(tool.symLinkTarget().isEmpty() ? tool.absoluteFilePath() : tool.symLinkTarget(),
                    tools + QLatin1Char('/') + tool.fileName());
    return path;
}

// Makes the toolkit run as the bundle at path (REELKIT_BUNDLE) for its life.
class ScopedBundle : public ScopedEnv {
public:
    explicit ScopedBundle(const QString &path) : ScopedEnv("REELKIT_BUNDLE", path) {}
};

} // namespace reel::test
