#include "reel/media/tables.h"

namespace reel {

QVariantList standardsFpsArray()
{
    return {12.5f, 25.0f, 11.99f, 23.98f, 12.0f, 24.0f, 14.98f, 29.97f, 15.0f, 30.0f};
}

QStringList extMultiplexedDvd()
{
    return {QStringLiteral("mpg"), QStringLiteral("mpeg"), QStringLiteral("mod"), QStringLiteral("ts"),
            QStringLiteral("vob")};
}

QStringList extMultiplexed()
{
    QStringList list = extMultiplexedDvd();
    list << QStringLiteral("tod") << QStringLiteral("vro");
    return list;
}

QStringList extElementariesDvd()
{
    return {QStringLiteral("m2v"), QStringLiteral("mpv")};
}

QStringList extElementaries()
{
    QStringList list = extElementariesDvd();
    list << QStringLiteral("m1v");
    return list;
}

QStringList extAudioPcm()
{
    return {QStringLiteral("wav"), QStringLiteral("wave"), QStringLiteral("aif"), QStringLiteral("aiff")};
}

QStringList extAudioCompressedDvd()
{
    return {QStringLiteral("ac3"), QStringLiteral("mp2"), QStringLiteral("mpa"), QStringLiteral("m1a")};
}

QStringList qtExtensionsHandledArray(const QString &mode)
{
    const bool dv = mode.toUpper() == QLatin1String("A");
    return {dv ? QStringLiteral("dv") : QStringLiteral("ffts"), QStringLiteral("mov"), QStringLiteral("3ivx"),
            QStringLiteral("unsupportedVideoCodecFfmpeg")};
}

} // namespace reel
