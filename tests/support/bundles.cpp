#include "bundles.h"

#include "sandbox.h"

#include <reel/core/fileio.h>
#include <reel/core/plistcodec.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reel::test {

QString makeBundle(const QString &name, const QVariantMap &info, bool linkTools)
{
    const QString path = scratchDir() + QLatin1Char('/') + name + QStringLiteral(".app");
    const QString resources = path + QStringLiteral("/Contents/Resources");
    QDir().mkpath(resources);
    EXPECT_TRUE(writeFileAtomically(path + QStringLiteral("/Contents/Info.plist"), plistToData(info, PlistFormat::Xml)));
    if (linkTools) {
        QDir().mkpath(resources + QStringLiteral("/tools"));
        const QDir source(testBundlePath() + QStringLiteral("/Contents/Resources/tools"));
        for (const QFileInfo &tool : source.entryInfoList(QDir::Files | QDir::System))
            QFile::link(tool.symLinkTarget().isEmpty() ? tool.absoluteFilePath() : tool.symLinkTarget(),
                        resources + QStringLiteral("/tools/") + tool.fileName());
    }
    return path;
}

} // namespace reel::test
