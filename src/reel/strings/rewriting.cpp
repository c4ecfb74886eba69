#include "reel/strings/rewriting.h"

#include "reel/core/format.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"

#include <QStringMatcher>
#include <QStringView>

#include <bitset>
#include <cstdlib>
#include <limits>
#include <optional>

namespace reel {

namespace {

// Random markers drawn before a private-use character is taken.
constexpr int kRandomMarkerTries = 8;
// A repeated rewrite counts as one that never settles when
// - its text grows past kLargestText units (32 MiB), or twice its starting
//   size when that is larger;
// - it meets a text it has been before;
// - it makes more than four passes per unit of its longest text, plus 64;
// - or its text, larger than at the start, has been written kWorkBudget
//   units over all passes, or 64 times its starting size when that is
//   larger (a text that grows by a unit a pass for ever would otherwise
//   take hours to reach the first bound).
// Rewrites that settle stay far below these: the callers work on names, paths
// and command lines, and even a rewrite that settles after 100 passes at
// 100 000 units writes 5 M. A rewrite that takes one unit off per pass is
// never stopped for its work.
constexpr qsizetype kLargestText = qsizetype(16) * 1024 * 1024;
constexpr qint64 kWorkBudget = qint64(64) * 1024 * 1024;
constexpr qint64 kPassesOfALargeText = 64;
// The private-use area of the basic plane.
constexpr char16_t kPrivateUseFirst = 0xE000;
constexpr char16_t kPrivateUseLast = 0xF8FF;

QString fixedMarker()
{
    return QStringLiteral("ZyW");
}

enum class Pass { Unchanged, Replaced, TooLarge };

// One left-to-right pass over text. Builds the result in one go, so a pass
// is linear in the text whatever the number of occurrences. Unchanged, with
// *out left alone, when search does not occur; TooLarge, with nothing
// built, when the result would pass limit units.
Pass replaceOnce(QStringView text, const QStringMatcher &search, QStringView replacement, QString *out,
                 qsizetype limit = std::numeric_limits<qsizetype>::max())
{
    qsizetype hit = search.indexIn(text, 0);
    if (hit < 0)
        return Pass::Unchanged;
    const qsizetype searchLength = search.pattern().size();
    // The size is known before anything is copied: one allocation, and no
    // work at all on a result that would be too large.
    qsizetype hits = 0;
    for (qsizetype at = hit; at >= 0; at = search.indexIn(text, at + searchLength))
        ++hits;
    if (text.size() + hits * (replacement.size() - searchLength) > limit)
        return Pass::TooLarge;
    QString result;
    result.reserve(text.size() + hits * (replacement.size() - searchLength));
    qsizetype from = 0;
    do {
        result.append(text.sliced(from, hit - from));
        result.append(replacement);
        from = hit + searchLength;
        hit = search.indexIn(text, from);
    } while (hit >= 0);
    result.append(text.sliced(from));
    *out = std::move(result);
    return Pass::Replaced;
}

// True when a proper prefix of s equals its suffix of the same length, so
// that two occurrences of s can overlap.
bool hasBorder(QStringView s)
{
    for (qsizetype k = 1; k < s.size(); ++k) {
        if (s.first(k) == s.last(k))
            return true;
    }
    return false;
}

// The first private-use character that none of the texts holds; nothing
// when every one of them is taken.
std::optional<QString> unusedPrivateUseChar(std::initializer_list<QStringView> texts)
{
    std::bitset<kPrivateUseLast - kPrivateUseFirst + 1> used;
    for (QStringView text : texts) {
        for (QChar c : text) {
            if (c.unicode() >= kPrivateUseFirst && c.unicode() <= kPrivateUseLast)
                used.set(c.unicode() - kPrivateUseFirst);
        }
    }
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (!used.test(i))
            return QString(QChar(char16_t(kPrivateUseFirst + i)));
    }
    return std::nullopt;
}

struct Masked {
    QString marker;
    QString text;
};

// Turns the replacements of a one-pass result into a marker so that the
// repeated loop can bring them back without ever seeing search. A marker is
// used only when that round trip gives the one-pass result back exactly:
// - it does not contain search (it takes search's place in the loop);
// - it occurs neither in the source nor in the one-pass result (an existing
//   copy would come back as a replacement);
// - no two of its occurrences can overlap (so the ones found again are the
//   ones put in);
// - masking leaves no occurrence of search (a second masking pass would eat
//   into markers and their neighbours).
// Candidates: the fixed marker, then random numbers, then a private-use
// character. Nothing when none fits.
std::optional<Masked> maskReplacements(const QString &source, const QString &onePass, const QString &search,
                                       const QString &replacement)
{
    const QStringMatcher replacementMatcher(replacement);
    auto tryMarker = [&](const QString &marker) -> std::optional<Masked> {
        if (marker.contains(search) || source.contains(marker) || onePass.contains(marker) || hasBorder(marker))
            return std::nullopt;
        QString masked;
        if (replaceOnce(onePass, replacementMatcher, marker, &masked) != Pass::Replaced || masked.contains(search))
            return std::nullopt;
        return Masked{marker, masked};
    };

    if (std::optional<Masked> m = tryMarker(fixedMarker()))
        return m;
    for (int i = 0; i < kRandomMarkerTries; ++i) {
        // The C library's generator, never seeded here.
        const QString marker = format("%ld", static_cast<long>(random()));
        logDebug(LogLabel("findAndReplace #1bis"), ": replaceTmpStr : %@", marker);
        if (std::optional<Masked> m = tryMarker(marker))
            return m;
    }
    if (const std::optional<QString> marker = unusedPrivateUseChar({source, onePass, search})) {
        logDebug(LogLabel("findAndReplace #1bis"), ": replaceTmpStr : %@", *marker);
        return tryMarker(*marker);
    }
    return std::nullopt;
}

} // namespace

QString findAndReplace(const QString &source, const QString &search, const QString &replacement, bool isRecursive)
{
    if (search.isEmpty()) {
        logAlways(LogLabel("findAndReplace"), ":-( empty search text, '%@' left as it is",
                  valueTrimmedForLogAsStr(source));
        return source;
    }
    const QStringMatcher searchMatcher(search, Qt::CaseSensitive);
    QString onePass;
    if (replaceOnce(source, searchMatcher, replacement, &onePass) != Pass::Replaced)
        return source;
    if (!isRecursive)
        return onePass;

    QString working = onePass;
    QString target = search;
    if (replacement.contains(search)) {
        logDebug(LogLabel("findAndReplace"), ": oops, isRecursive != safe (returnStr:'%@')", onePass);
        logDebug(LogLabel("findAndReplace #1"), ": replaceTmpStr : %@", fixedMarker());
        const std::optional<Masked> masked = maskReplacements(source, onePass, search, replacement);
        if (!masked) {
            logDebug(LogLabel("findAndReplace"), ":-( '%@'->'%@'", search, replacement);
            return onePass;
        }
        working = masked->text;
        target = masked->marker;
        logDebug(LogLabel("findAndReplace #3"),
                 ": returnStr(%@), replaceTmpStr('%@')->searchStr('%@'), replaceStr('%@')", working, target,
                 target, replacement);
    }

    // Passes until target is gone. Each pass is traced as the nested call of
    // the recursive form would trace it. The bounds above stop rewrites that
    // keep producing occurrences; a text met before is found by comparing
    // with a copy kept at passes 1, 2, 4, 8..., which finds any cycle within
    // twice its length and start.
    logDebug(LogLabel("findAndReplace #def"), ": isRecursive, returnStr('%@'), searchStr('%@'), replaceStr('%@')",
             working, target, replacement);
    const QStringMatcher targetMatcher(target, Qt::CaseSensitive);
    const qsizetype start = qMax(source.size(), working.size());
    const qsizetype largest = qMax(kLargestText, 2 * start);
    const qint64 budget = qMax(kWorkBudget, kPassesOfALargeText * start);
    qint64 passes = 1;
    qint64 work = source.size() + working.size();
    qsizetype longest = start;
    QString checkpoint = working;
    qint64 nextCheckpoint = 2;
    QString next;
    for (;;) {
        const Pass pass = replaceOnce(working, targetMatcher, replacement, &next, largest);
        if (pass == Pass::Unchanged)
            return working;
        bool endless = pass == Pass::TooLarge;
        if (!endless) {
            if (next == working) // a pass that changes nothing would repeat for ever
                return working;
            working = std::move(next);
            logDebug(LogLabel("findAndReplace #def"),
                     ": isRecursive, returnStr('%@'), searchStr('%@'), replaceStr('%@')", working,
                     target, replacement);
            ++passes;
            work += working.size();
            longest = qMax(longest, working.size());
            endless = working == checkpoint || passes > 4 * qint64(longest) + 64
                || (work > budget && working.size() > start);
            if (passes == nextCheckpoint) {
                checkpoint = working;
                nextCheckpoint *= 2;
            }
        }
        if (endless) {
            logAlways(LogLabel("findAndReplace"), ":-(( '%@'->'%@' never settles, stopped after %lld passes",
                      valueTrimmedForLogAsStr(search), valueTrimmedForLogAsStr(replacement), qint64(passes));
            return onePass;
        }
    }
}

QString trimStr(const QString &path, uint maximum)
{
    QString extension = pathExtension(path);
    if (extension.size() > 12) {
        logAlways(LogLabel("trimStr() oops!"), ":-( ce n'était certainement pas une ext (trop de chars ;-) -> RAZ): %@",
                  extension);
        extension.clear();
    }
    const QString folder = stringByDeletingLastPathComponent(path);
    // The last "." goes in every case, also when what follows it was too
    // long to be kept as an extension.
    QString name = stringByDeletingPathExtension(lastPathComponent(path));
    name = findAndReplace(name, QStringLiteral("`"), QStringLiteral(""), false);
    name = findAndReplace(name, QStringLiteral(":"), QStringLiteral("-"), false);
    if (name.size() > qsizetype(maximum)) {
        qsizetype keep = qsizetype(maximum);
        // Half a surrogate pair would leave a text that no file system takes.
        if (keep > 0 && name.at(keep - 1).isHighSurrogate() && name.at(keep).isLowSurrogate())
            --keep;
        name.truncate(keep);
    }
    QString result = folder.isEmpty() ? name : stringByAppendingPathComponent(folder, name);
    if (!extension.isEmpty())
        result += QLatin1Char('.') + extension;
    return result;
}

QString basenameSaferWithNoPercentStr(const QString &path)
{
    if (path.isNull())
        return QStringLiteral("");
    return findAndReplace(lastPathComponent(path), QStringLiteral("%"), QStringLiteral("_"), true);
}

} // namespace reel
