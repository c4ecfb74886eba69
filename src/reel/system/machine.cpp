#include "reel/system/machine.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"

#include <QFile>

#include <atomic>

#include <unistd.h>

namespace reel {

namespace {

std::atomic<DisplayRendererQuery> g_rendererQuery{nullptr};

} // namespace

bool archIntel()
{
#if defined(__i386__) || defined(__x86_64__)
    return true;
#else
    return false;
#endif
}

int nbProcessors()
{
    const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
    const int count = online > 0 ? int(qMin<long>(online, 1 << 20)) : 1;
    logAlways(LogLabel("Processors/Cores"), "x %d", count);
    return count;
}

bool rendererIsHardware(const QString &renderer)
{
    if (renderer.trimmed().isEmpty())
        return false;
    static const char *const software[] = {"llvmpipe", "softpipe", "swrast", "software", "lavapipe",
                                           "swiftshader", "basic render driver"};
    const QString r = renderer.toLower();
    for (const char *name : software)
        if (r.contains(QLatin1String(name)))
            return false;
    return true;
}

bool quartzExtremeCard()
{
    const DisplayRendererQuery query = g_rendererQuery.load();
    if (query && rendererIsHardware(query())) {
        logAlways(LogLabel("Quartz Extreme"), ":-) compatible video card");
        return true;
    }
    logAlways(LogLabel("Quartz Extreme"), ":-( not compatible video card");
    logAlways(LogLabel("INFORMATION"),
              ": if you have two graphic cards, the two cards must be Quartz Extreme compatible.");
    logAlways("                      if this is not the case, please remove the non compatible card.");
    return false;
}

int cpuSubtypeFromCpuinfo(const QByteArray &cpuinfo)
{
    // Longer names first where one begins another.
    static const struct {
        const char *model;
        int subtype;
    } models[] = {
        {"740/750", 9}, {"745/755", 9}, {"750", 9},   {"7400", 10}, {"7410", 10}, {"7441", 11},
        {"7445", 11},   {"7447", 11},   {"7448", 11}, {"7450", 11}, {"7451", 11}, {"7455", 11},
        {"7457", 11},   {"970", 100},   {"601", 1},   {"602", 2},   {"603ev", 5}, {"603e", 4},
        {"603", 3},     {"604ev", 7},   {"604e", 7},  {"604r", 7},  {"604", 6},   {"620", 8},
    };
    for (const QByteArray &line : cpuinfo.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed() != "cpu")
            continue;
        QByteArray model = line.mid(colon + 1).trimmed();
        if (model.startsWith("PPC") || model.startsWith("ppc"))
            model.remove(0, 3);
        for (const auto &m : models)
            if (model.startsWith(m.model))
                return m.subtype;
        return 750;
    }
    return 750;
}

bool cpuG3()
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    const QByteArray cpuinfo = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const long subtype = cpuSubtypeFromCpuinfo(cpuinfo);
    logDebug(LogLabel("cpuSubtype"), ": %ld", subtype);
    if (subtype == 9) {
        logAlways(LogLabel("cpuG3"), ":-(");
        return true;
    }
    logAlways(LogLabel("cpu > G3"), ":-)");
    return false;
}

QString usrLoginName()
{
    const QStringList parts = stringByExpandingTildeInPath(QStringLiteral("~/")).split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if ((part == QLatin1String("Users") || part == QLatin1String("home")) && i + 1 < parts.size() - 1)
            return parts.at(i + 1);
    }
    return QString();
}

DisplayRendererQuery setDisplayRendererQuery(DisplayRendererQuery query)
{
    return g_rendererQuery.exchange(query);
}

} // namespace reel
