#include "reel/system/versions.h"

#include "reel/core/bundle.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/presence.h"
#include "reel/numbers/parsing.h"
#include "reel/task/pipeline.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <limits>

#include <sys/utsname.h>

namespace reel {

namespace {

// Lion and Linux 3.0 came out in July 2011.
constexpr double kLionPlatformVersion = 3.0;

QString kernelRelease()
{
    struct utsname names {};
    if (::uname(&names) != 0)
        return QString();
    return QString::fromLocal8Bit(names.release);
}

// VERSION_ID of the first os-release file that has one.
QString distributionVersion()
{
    for (const char *path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString version = versionIdOfOsRelease(file.read(64 * 1024));
        if (!version.isNull())
            return version;
    }
    return QString();
}

// The leading decimal numbers of text separated by ".", at most count of
// them; reading stops at the first character that does not fit.
QList<int> leadingNumbers(const QString &text, int count)
{
    QList<int> numbers;
    qsizetype at = 0;
    while (numbers.size() < count && at < text.size() && text.at(at).isDigit() && text.at(at).unicode() < 128) {
        qint64 n = 0;
        while (at < text.size() && text.at(at).unicode() >= '0' && text.at(at).unicode() <= '9') {
            n = qMin<qint64>(n * 10 + (text.at(at).unicode() - '0'), std::numeric_limits<int>::max());
            ++at;
        }
        numbers.append(int(n));
        if (at < text.size() && text.at(at) == QLatin1Char('.'))
            ++at;
        else
            break;
    }
    return numbers;
}

} // namespace

QString versionIdOfOsRelease(const QByteArray &contents)
{
    for (const QByteArray &line : contents.split('\n')) {
        if (!line.startsWith("VERSION_ID="))
            continue;
        QByteArray value = line.mid(11).trimmed();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return QString::fromUtf8(value);
    }
    return QString();
}

// The micro number is left out: it is 100 or more in ffmpeg's own releases
// and would spill into the minor one as hundredths. A minor number past 99
// (52.111) is held at 99 for the same reason, still below the next major.
QString libavformatVersion(const QString &output)
{
    static const QRegularExpression line(QStringLiteral("^libavformat\\s+(\\d+)\\.\\s*(\\d+)\\.\\s*\\d+"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(output);
    if (!m.hasMatch())
        return QString();
    const auto number = [&](int group, int largest) {
        bool ok = false;
        const int n = m.captured(group).toInt(&ok);
        return ok ? qMin(n, largest) : largest;
    };
    return format("%d.%d", number(1, std::numeric_limits<int>::max()), number(2, 99));
}

QString versionTextFromBCD(int word)
{
    const int v = word & 0xFFFF;
    return format("%d%d.%d.%d", v >> 12, (v >> 8) & 15, (v >> 4) & 15, v & 15);
}

int osVersionFromText(const QString &release)
{
    const QList<int> n = leadingNumbers(release, 3);
    if (n.isEmpty())
        return 0;
    const int major = qMin(n.value(0), 99);
    const int minor = qMin(n.value(1), 15);
    const int patch = qMin(n.value(2), 15);
    return ((major / 10) << 12) | ((major % 10) << 8) | (minor << 4) | patch;
}

int osVersion()
{
    if (const int v = osVersionFromText(distributionVersion()))
        return v;
    return osVersionFromText(kernelRelease());
}

float versionOS()
{
    const int v = osVersion();
    if (v == 0) {
        logAlways(LogLabel("versionOS"), ":-( echec");
        return 0.0f;
    }
    const QString text = versionTextFromBCD(v);
    logAlways(LogLabel("Operating System"), ": %@", text);
    return versionStr2Float(text);
}

bool os(int n)
{
    const int q = n / 100;
    const double v = versionOS();
    return v >= q + 10 && v < q + 10.1;
}

float versionQT()
{
    const QString ffmpeg = stringByAppendingPathComponent(Bundle::main().resourcePath(), QStringLiteral("tools/ffmpeg"));
    const QString text = testPresenceCocoa(ffmpeg)
        ? libavformatVersion(taskArray1PipeMax(QStringList{ffmpeg, QStringLiteral("-version")}, false))
        : QString();
    if (text.isNull()) {
        logAlways(LogLabel("versionQT"), ":-( echec");
        return 0.0f;
    }
    logAlways(LogLabel("QuickTime"), ": %@", text);
    const float version = versionStr2Float(text);
    logDebug("%f", version);
    return version;
}

double platformVersionNumber()
{
    const QList<int> n = leadingNumbers(kernelRelease(), 2);
    if (n.isEmpty())
        return std::numeric_limits<double>::quiet_NaN();
    return n.at(0) + n.value(1) / 1000.0;
}

bool isLionOrGreater()
{
    return platformVersionNumber() >= kLionPlatformVersion;
}

} // namespace reel
