#include "reel/prefs/preferences.h"

#include "reel/core/describe.h"
#include "reel/core/log.h"
#include "reel/prefs/store.h"

#include <utility>

namespace reel {

namespace {

UnappliedChangesHook &unappliedChangesHook()
{
    static UnappliedChangesHook hook;
    return hook;
}

} // namespace

QString prefRead(const QString &key)
{
    const QVariant value = prefRead2(key);
    return value.isValid() ? describe(value) : QStringLiteral("");
}

QVariant prefRead2(const QString &key)
{
    if (key.isNull())
        return {};
    const QVariant value = preferenceValue(key);
    if (!value.isValid())
        return {};
    if (debugOn())
        logDebug(LogLabel("prefRead"), ": %@", valueTrimmedForLogAsStr(value));
    return value;
}

bool prefWrite(const QString &key, const QVariant &value)
{
    if (key.isNull() || !value.isValid())
        return false;
    const bool stored = updatePreferences([&](QVariantMap &values) {
        if (debugOn()) {
            const auto old = values.constFind(key);
            logDebug(LogLabel("prefWrite"), "- old ? %@",
                     old == values.cend() ? QStringLiteral("nil") : valueTrimmedForLogAsStr(*old));
        }
        values.insert(key, value);
        return true;
    });
    if (!stored)
        return false;
    if (debugOn())
        logDebug(LogLabel("prefWrite"), "- def : %@", valueTrimmedForLogAsStr(preferenceValue(key)));
    return true;
}

bool prefDelete(const QString &key)
{
    if (key.isNull())
        return true;
    const std::optional<QVariantMap> values = readPreferences();
    if (!values)
        return true;
    if (values->contains(key)) {
        const bool available = updatePreferences([&](QVariantMap &current) { return current.remove(key) > 0; });
        if (!available)
            return true;
    }
    if (const UnappliedChangesHook &hook = unappliedChangesHook(); hook && hook())
        logAlways(LogLabel("hasUnappliedChanges"), ":-(");
    return true;
}

UnappliedChangesHook setUnappliedChangesHook(UnappliedChangesHook hook)
{
    return std::exchange(unappliedChangesHook(), std::move(hook));
}

} // namespace reel
