#include "model/srt.h"

#include <reel/core.h>

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace convert {

namespace {

constexpr qint64 kMaxMs = 999999999; // 277 hours: far past any video, and what srtTime can write
constexpr qint64 kJoinWithinMs = 200;

// hours:minutes:seconds[,.]fraction, hours of any width.
const QRegularExpression &timingLine()
{
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(\\d{1,9}):(\\d{1,2}):(\\d{1,2})(?:[,.:](\\d{1,3}))?\\s*-->\\s*"
        "(\\d{1,9}):(\\d{1,2}):(\\d{1,2})(?:[,.:](\\d{1,3}))?(?:\\s.*)?$"));
    return re;
}

// -1 when a field is out of range.
qint64 milliseconds(const QRegularExpressionMatch &match, int first)
{
    const qint64 hours = match.captured(first).toLongLong();
    const int minutes = match.captured(first + 1).toInt();
    const int seconds = match.captured(first + 2).toInt();
    const QString fraction = match.captured(first + 3);
    if (minutes > 59 || seconds > 59 || hours > kMaxMs / 3600000)
        return -1;
    // ",5" is half a second, ",05" and ",050" a twentieth.
    const int ms = fraction.isEmpty() ? 0 : QString(fraction).leftJustified(3, QLatin1Char('0')).toInt();
    const qint64 total = ((hours * 60 + minutes) * 60 + seconds) * 1000 + ms;
    return total <= kMaxMs ? total : -1;
}

// A cue's number, of any length: files made by joining others count past
// any integer type.
bool isNumberLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty()
           && std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
}

// One line as a DVD shows it: no HTML tags (<i>, <font color=...>), no ASS
// overrides ({\an8}, \N), no control characters or lone surrogate halves,
// blanks collapsed, and no "-->" (nor "--->"...) that would read as a timing
// line. Repeated until nothing changes, since one removal can make another
// ("<<i>i>"); a nest deeper than a few passes loses its brackets instead,
// so that no line costs more than a few passes over it.
QString plainLine(QString line)
{
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][^<>]{0,200}>"));
    static const QRegularExpression assOverride(QStringLiteral("\\{\\\\[^{}]{0,200}\\}"));
    static const QRegularExpression arrow(QStringLiteral("-{2,}>"));
    constexpr int kPassesBeforeBrackets = 4;
    QString previous;
    for (int pass = 0;; ++pass) {
        previous = line;
        if (pass >= kPassesBeforeBrackets) {
            line.remove(QLatin1Char('<'));
            line.remove(QLatin1Char('{'));
        }
        line.remove(tag);
        line.remove(assOverride);
        line.replace(QLatin1String("\\N"), QLatin1String(" "));
        line.replace(arrow, QStringLiteral("->"));
        QString clean;
        clean.reserve(line.size());
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
                clean += c;
                clean += line.at(++i);
                continue;
            }
            const QChar::Category category = c.category();
            if (c == QLatin1Char('\t'))
                clean += QLatin1Char(' ');
            else if (!c.isSurrogate() && category != QChar::Other_Control && category != QChar::Other_Format
                     && category != QChar::Other_NotAssigned && c != QChar::LineSeparator
                     && c != QChar::ParagraphSeparator)
                clean += c;
        }
        line = clean.simplified();
        if (line == previous)
            return line;
    }
}

QString plainText(const QStringList &lines)
{
    QStringList kept;
    for (const QString &line : lines) {
        const QString plain = plainLine(line);
        if (!plain.isEmpty())
            kept << plain;
    }
    return kept.join(QLatin1Char('\n'));
}

// Joins text to into, after or before it, unless the two would pass the
// limits of a cue; text that is a line of into already joins as it is.
bool joinText(QString &into, const QString &text, bool after)
{
    if (into.split(QLatin1Char('\n')).contains(text))
        return true;
    if (into.count(QLatin1Char('\n')) + text.count(QLatin1Char('\n')) + 2 > kMaxCueLines
        || into.size() + 1 + text.size() > kMaxCueChars)
        return false;
    into = after ? into + QLatin1Char('\n') + text : text + QLatin1Char('\n') + into;
    return true;
}

} // namespace

SrtRead parseSrt(const QString &input)
{
    QString text = input;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));

    SrtRead read;
    const QRegularExpression &timing = timingLine();
    qsizetype i = 0;
    while (i < lines.size()) {
        const QRegularExpressionMatch match = timing.match(lines.at(i));
        ++i;
        if (!match.hasMatch())
            continue;
        // The text runs to a blank line, or to the next cue when its blank
        // line is missing: a timing line, or a number right before one.
        QStringList body;
        while (i < lines.size() && !lines.at(i).trimmed().isEmpty()) {
            if (timing.match(lines.at(i)).hasMatch())
                break;
            if (isNumberLine(lines.at(i)) && i + 1 < lines.size() && timing.match(lines.at(i + 1)).hasMatch())
                break;
            body << lines.at(i);
            ++i;
        }
        if (read.cues.size() >= kMaxCues) {
            ++read.skipped;
            continue;
        }
        Cue cue;
        cue.startMs = milliseconds(match, 1);
        cue.endMs = milliseconds(match, 5);
        if (body.size() > kMaxCueLines)
            body = body.mid(0, kMaxCueLines);
        cue.text = plainText(body);
        if (cue.text.size() > kMaxCueChars) {
            cue.text.truncate(kMaxCueChars);
            if (cue.text.back().isHighSurrogate())
                cue.text.chop(1);
            cue.text = cue.text.trimmed();
        }
        if (cue.startMs < 0 || cue.endMs <= cue.startMs || cue.text.trimmed().isEmpty()) {
            ++read.skipped;
            continue;
        }
        read.cues << cue;
    }
    return read;
}

DiscCues cuesForDisc(QList<Cue> cues, qint64 durationMs, double frameMs)
{
    std::stable_sort(cues.begin(), cues.end(), [](const Cue &a, const Cue &b) { return a.startMs < b.startMs; });
    DiscCues disc;
    QList<Cue> shown;
    QList<int> joined; // how many cues of the file each shown cue holds
    for (qsizetype i = 0; i < cues.size(); ++i) {
        if (durationMs > 0 && cues.at(i).startMs >= durationMs) {
            disc.leftOut += int(cues.size() - i);
            break;
        }
        Cue next = cues.at(i);
        if (durationMs > 0)
            next.endMs = std::min(next.endMs, durationMs);
        if (!shown.isEmpty() && next.startMs < shown.last().endMs) {
            Cue &before = shown.last();
            if (next.startMs - before.startMs < kJoinWithinMs && joinText(before.text, next.text, true)) {
                before.endMs = std::max(before.endMs, next.endMs);
                ++joined.last();
                continue;
            }
            before.endMs = next.startMs;
            if (before.endMs <= before.startMs) {
                disc.leftOut += joined.takeLast();
                shown.removeLast();
            }
        }
        shown << next;
        joined << 1;
    }
    if (!(frameMs > 0)) {
        disc.cues = shown;
        return disc;
    }

    // A subpicture shorter than a frame is never seen, yet costs spumux a
    // whole one: thousands in a few seconds took it past gigabytes.
    const auto within = [frameMs](qint64 from, qint64 to) { return double(to - from) < frameMs; };
    int tooShort = 0;
    std::optional<Cue> pending; // shorter than a frame, for the cue after it
    int pendingJoined = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        Cue cue = shown.at(i);
        int count = joined.at(i);
        if (pending) {
            if (within(pending->endMs, cue.startMs) && joinText(cue.text, pending->text, false)) {
                cue.startMs = pending->startMs;
                count += pendingJoined;
            } else {
                tooShort += pendingJoined;
            }
            pending.reset();
        }
        if (!within(cue.startMs, cue.endMs)) {
            disc.cues << cue;
            continue;
        }
        if (!disc.cues.isEmpty() && within(disc.cues.last().endMs, cue.startMs)
            && joinText(disc.cues.last().text, cue.text, true)) {
            disc.cues.last().endMs = cue.endMs;
            continue;
        }
        pending = cue;
        pendingJoined = count;
    }
    if (pending)
        tooShort += pendingJoined;
    if (tooShort > 0)
        reel::logAlways(reel::LogLabel("cuesForDisc"), ":-/ cues shorter than a frame left out: %d", tooShort);
    disc.leftOut += tooShort;
    return disc;
}

QString srtTime(qint64 ms)
{
    ms = std::clamp<qint64>(ms, 0, kMaxMs);
    return QStringLiteral("%1:%2:%3,%4")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString writeSrt(const QList<Cue> &cues)
{
    QString out;
    int number = 0;
    for (const Cue &cue : cues) {
        out += QStringLiteral("%1\n%2 --> %3\n%4\n\n")
                   .arg(++number)
                   .arg(srtTime(cue.startMs), srtTime(cue.endMs), cue.text);
    }
    return out;
}

} // namespace convert
