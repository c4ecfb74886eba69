#include "reel/prefs/childdicts.h"

#include "reel/core/log.h"
#include "reel/prefs/store.h"

namespace reel {

namespace {

bool isDictionary(const QVariant &value)
{
    return value.metaType().id() == QMetaType::QVariantMap;
}

} // namespace

std::optional<QVariantMap> prefReadDico(const QString &key)
{
    if (key.isNull())
        return std::nullopt;
    const QVariant value = preferenceValue(key);
    if (!value.isValid())
        return std::nullopt;
    if (!isDictionary(value)) {
        logDebug("prefReadDico        : key=%@ holds no dictionary: %@", key, valueTrimmedForLogAsStr(value));
        return std::nullopt;
    }
    return value.toMap();
}

QVariant prefReadChildDico(const QString &parentKey, const QString &childKey)
{
    if (parentKey.isNull() || childKey.isNull())
        return {};
    const std::optional<QVariantMap> dictionary = prefReadDico(parentKey);
    return dictionary ? dictionary->value(childKey) : QVariant();
}

bool prefWriteDico(const QString &key, const std::optional<QVariantMap> &dictionary)
{
    if (key.isNull() || !dictionary)
        return false;
    const bool stored = updatePreferences([&](QVariantMap &values) {
        if (const auto old = values.constFind(key); old != values.cend()) {
            logDev(1, "prefWriteDico       - old existe : %@", *old);
            values.remove(key);
            if (!values.contains(key))
                logDebug("prefWriteDico       - old n'existe plus :-)");
        }
        logDev(1, "prefWriteDico       - existe pas ;-)");
        values.insert(key, *dictionary);
        return true;
    });
    if (!stored)
        return false;
    if (getDEBUGDEV(1))
        logDev(1, "prefWriteDico       - existe : %@", preferenceValue(key));
    return true;
}

bool prefWriteChildDico(const QString &parentKey, const QString &childKey, const QVariant &value)
{
    if (parentKey.isNull() || childKey.isNull() || !value.isValid())
        return false;
    QVariant notDictionary;
    bool replaced = false;
    const bool stored = updatePreferences([&](QVariantMap &values) {
        const auto parent = values.constFind(parentKey);
        if (parent == values.cend()) {
            values.insert(parentKey, QVariantMap{{childKey, value}});
            if (debugOn())
                logDebug("prefWriteChildDico  : new key=%@, new value=%@", childKey, valueTrimmedForLogAsStr(value));
            return true;
        }
        if (!isDictionary(*parent)) {
            notDictionary = *parent;
            return false;
        }
        QVariantMap copy = parent->toMap();
        logDev(1, "prefWriteChildDico  : new key=%@, old dico: %@", childKey, copy);
        copy.insert(childKey, value);
        if (debugOn())
            logDebug("prefWriteChildDico  : new key=%@, new value=%@", childKey, valueTrimmedForLogAsStr(value));
        logDev(1, "prefWriteChildDico  : new key=%@, new tmp dico:%@", childKey, copy);
        values.remove(parentKey);
        values.insert(parentKey, copy);
        replaced = true;
        return true;
    });
    if (!stored)
        return false;
    if (notDictionary.isValid()) {
        logAlways("prefWriteChildDico  :-( key=%@ holds no dictionary, left as it is: %@", parentKey,
                  valueTrimmedForLogAsStr(notDictionary));
        return false;
    }
    if (replaced && getDEBUGDEV(2))
        logDev(2, "prefWriteChildDico  : new key=%@, new final value='%@'", childKey,
               prefReadChildDico(parentKey, childKey));
    return true;
}

bool prefDeleteChildDico(const QString &parentKey, const QString &childKey)
{
    if (parentKey.isNull() || childKey.isNull())
        return true;
    const std::optional<QVariantMap> values = readPreferences();
    if (!values || !values->contains(parentKey))
        return true;
    QVariant notDictionary;
    updatePreferences([&](QVariantMap &current) {
        const auto parent = current.constFind(parentKey);
        if (parent == current.cend())
            return false;
        if (!isDictionary(*parent)) {
            notDictionary = *parent;
            return false;
        }
        QVariantMap copy = parent->toMap();
        logDev(1, "prefDeleteChildDico0: key=%@ : %@", childKey, copy);
        const auto child = copy.constFind(childKey);
        if (child == copy.cend())
            return false;
        if (debugOn())
            logDebug("key to delete       : key=%@, value=%@", childKey, valueTrimmedForLogAsStr(*child));
        copy.remove(childKey);
        logDev(1, "newMDico 1          : key=%@ : %@", childKey, copy);
        current.remove(parentKey);
        current.insert(parentKey, copy);
        return true;
    });
    if (notDictionary.isValid())
        logAlways("prefDeleteChildDico :-( key=%@ holds no dictionary, left as it is: %@", parentKey,
                  valueTrimmedForLogAsStr(notDictionary));
    return true;
}

} // namespace reel
