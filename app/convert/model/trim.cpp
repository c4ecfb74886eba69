#include "model/trim.h"

#include <reel/numbers.h>

#include <cmath>

#include <QCoreApplication>

namespace convert {

namespace {

// 0:01:30, or 0:01:30.50 for a time between seconds.
QString clock(double seconds)
{
    const bool whole = std::fabs(seconds - std::round(seconds)) < 0.005;
    return reel::secondeFloat2TimecodeStr(float(whole ? std::round(seconds) : seconds + 0.005), whole ? 0 : 2);
}

bool readTime(const QString &text, const char *option, double *seconds, QString *error)
{
    const std::optional<double> value = reel::userDurationSeconds(text);
    if (!value) {
        *error = QCoreApplication::translate("Trim", "--%1 takes a time such as 90, 1:30, 0:01:30.5 or 1m30s, not '%2'")
                     .arg(QLatin1String(option), text);
        return false;
    }
    *seconds = *value;
    return true;
}

} // namespace

bool readTrimWords(const QString &start, const QString &stop, const QString &duration, TrimRequest *trim,
                   QString *error)
{
    if (!stop.isNull() && !duration.isNull()) {
        *error = QCoreApplication::translate("Trim", "give one of --stop and --duration");
        return false;
    }
    TrimRequest read;
    if (!start.isNull() && !readTime(start, "start", &read.start, error))
        return false;
    if (!duration.isNull()) {
        if (!readTime(duration, "duration", &read.length, error))
            return false;
        if (!(read.length > 0)) {
            *error = QCoreApplication::translate("Trim", "--duration must be longer than nothing");
            return false;
        }
    }
    if (!stop.isNull()) {
        double end = 0;
        if (!readTime(stop, "stop", &end, error))
            return false;
        if (!(end > read.start)) {
            *error = QCoreApplication::translate("Trim", "--stop %1 is not after the start (%2)")
                         .arg(stop, clock(read.start));
            return false;
        }
        read.length = end - read.start;
    }
    *trim = read;
    return true;
}

bool trimSource(SourceInfo *source, const TrimRequest &trim, QString *problem)
{
    if (!trim.active())
        return true;
    if (source->duration > 0 && trim.start >= double(source->duration)) {
        *problem = QCoreApplication::translate("Trim", "it starts at %1, after its end (%2)")
                       .arg(clock(trim.start), clock(double(source->duration)));
        return false;
    }
    source->duration = float(trim.keptOf(double(source->duration)));
    for (StreamInfo &stream : source->streams) {
        if (stream.duration > 0)
            stream.duration = float(trim.keptOf(double(stream.duration)));
    }
    return true;
}

QList<Cue> trimCues(const QList<Cue> &cues, const TrimRequest &trim)
{
    if (!trim.active())
        return cues;
    const qint64 from = qint64(std::llround(trim.start * 1000));
    const qint64 to = trim.length > 0 ? from + qint64(std::llround(trim.length * 1000)) : -1;
    QList<Cue> kept;
    for (const Cue &cue : cues) {
        if (cue.endMs <= from || (to >= 0 && cue.startMs >= to))
            continue;
        Cue shifted = cue;
        shifted.startMs = std::max(cue.startMs, from) - from;
        shifted.endMs = (to >= 0 ? std::min(cue.endMs, to) : cue.endMs) - from;
        kept << shifted;
    }
    return kept;
}

QString trimDescription(const TrimRequest &trim)
{
    if (trim.length > 0)
        return QCoreApplication::translate("Trim", "from %1 for %2").arg(clock(trim.start), clock(trim.length));
    return QCoreApplication::translate("Trim", "from %1 to the end").arg(clock(trim.start));
}

} // namespace convert
