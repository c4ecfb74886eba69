#include "reel/task/progress.h"

#include "reel/core/log.h"
#include "reel/core/scan.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdlib>

namespace reel {

namespace {

const QString &ffmpegMarker()
{
    static const QString marker = QStringLiteral("time=");
    return marker;
}

float ffmpegTime(const QString &text, qsizetype figureAt)
{
    QString piece = text.mid(figureAt);
    const qsizetype space = piece.indexOf(QLatin1Char(' '));
    if (space >= 0)
        piece.truncate(space);
    if (!piece.contains(QLatin1Char(':')))
        return 0;
    const QStringList parts = piece.split(QLatin1Char(':'));
    float result = 0;
    if (parts.size() == 3) {
        const double hours = floatValue(parts.at(0));
        const double minutes = floatValue(parts.at(1));
        const double seconds = floatValue(parts.at(2));
        result = float(hours * 60 * 60 + minutes * 60 + seconds);
    }
    logDebug("ffm… %@ > returnedFloat : %f", piece, double(result));
    return result;
}

// The pieces a dump of printable text would give for one line: runs of
// printable ASCII and tabs at least four characters long.
void appendPrintableRuns(QStringView line, QString &last)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool printable = i < line.size()
            && ((line.at(i).unicode() >= 0x20 && line.at(i).unicode() <= 0x7E) || line.at(i) == QLatin1Char('\t'));
        if (printable && start < 0)
            start = i;
        if (!printable && start >= 0) {
            if (i - start >= 4)
                last = line.mid(start, i - start).toString();
            start = -1;
        }
    }
}

// The player's figure: the last printable piece of the "A:" lines, then the
// text between its first "A:" and the next one, before any "(", first word.
QString mplayerFigure(const QString &text)
{
    QString last;
    const QString marker = QStringLiteral("A:");
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.contains(marker))
            appendPrintableRuns(line, last);
    }
    const qsizetype at = last.indexOf(marker);
    if (at < 0)
        return QString();
    QString field = last.mid(at + marker.size());
    const qsizetype next = field.indexOf(marker);
    if (next >= 0)
        field.truncate(next);
    const qsizetype paren = field.indexOf(QLatin1Char('('));
    if (paren >= 0)
        field.truncate(paren);
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    const QStringList words = field.split(blanks, Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.first();
}

// figure / total to six decimals (truncated toward zero), times 100, as the
// decimal text an arbitrary-precision calculator prints. Null when figure is
// not a plain decimal number or the digits do not fit.
QString percentText(const QString &figure, int total)
{
    static const QRegularExpression number(QStringLiteral("^(-?)([0-9]*)(?:\\.([0-9]*))?$"));
    const QRegularExpressionMatch match = number.match(figure);
    if (!match.hasMatch() || total == 0)
        return QString();
    const QString fraction = match.captured(3);
    const QString digits = match.captured(2) + fraction;
    if (digits.isEmpty() || digits.size() > 18)
        return QString();
    __int128 numerator = digits.toLongLong();
    for (int i = 0; i < 6; ++i)
        numerator *= 10;
    __int128 denominator = std::abs(qint64(total));
    for (qsizetype i = 0; i < fraction.size(); ++i)
        denominator *= 10;
    const __int128 scaled = numerator / denominator * 100; // millionths of the percentage
    const bool negative = scaled != 0 && (!match.captured(1).isEmpty()) != (total < 0);
    // The whole part reaches 10^20 (18 digits over a total of 1, times 100):
    // past any 64-bit integer.
    QString whole;
    for (__int128 rest = scaled / 1000000; whole.isEmpty() || rest > 0; rest /= 10)
        whole.prepend(QChar(char16_t(u'0' + int(rest % 10))));
    const qint64 millionths = qint64(scaled % 1000000);
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString(), whole)
        .arg(millionths, 6, 10, QLatin1Char('0'));
}

} // namespace

float progresses(const QString &text, const QString &marker)
{
    if (text.isNull() || marker.isNull())
        return 0;
    const qsizetype at = text.indexOf(marker);
    if (at < 0)
        return 0;
    qsizetype figureAt = at + marker.size();
    if (marker == ffmpegMarker())
        return ffmpegTime(text, figureAt);
    return scanFloat(text, &figureAt).value_or(0.0f);
}

float progressFfmpeg(const QString &text)
{
    return progresses(text, progressFfmpegGrepStr());
}

float progressMov2wavMux2mov(const QString &text)
{
    return progresses(text, progressMov2wavMux2movGrepStr());
}

float progressNormalize(const QString &text)
{
    return progresses(text, progressNormalizeGrepStr());
}

float progressMovencoder(const QString &text)
{
    return progresses(text, progressMovencoderGrepStr());
}

float progressDvdauthor(const QString &text)
{
    if (text.isNull())
        return 0;
    static const QRegularExpression written(QStringLiteral("STAT: VOBU \\d+ at (\\d+)MB"));
    const QRegularExpressionMatch match = written.match(text);
    return match.hasMatch() ? match.captured(1).toFloat() : 0.0f;
}

QString progressFfmpegGrepStr()
{
    return ffmpegMarker();
}

QString progressMov2wavMux2movGrepStr()
{
    return QStringLiteral("pourcentage    : ");
}

QString progressNormalizeGrepStr()
{
    return QStringLiteral("(batch ");
}

QString progressMovencoderGrepStr()
{
    return QStringLiteral("Processing (");
}

QString progressDvdauthorGrepStr()
{
    return QStringLiteral("STAT: VOBU ");
}

float progressMpeg2enc(const QString &text, float rate, int total)
{
    if (rate == 0 || total == 0) {
        logAlways(LogLabel("progressMpeg2enc"), ":-( rate %f total %d", double(rate), total);
        return 0;
    }
    const float v = progresses(text, QStringLiteral("Enc1"));
    return v / rate / float(total) * 100.0f;
}

float progressMplayer(const QString &text, int total)
{
    if (text.isNull())
        return 0;
    const QString percent = percentText(mplayerFigure(text), total);
    return percent.isNull() ? 0.0f : floatValue(percent);
}

} // namespace reel
