#include "reel/prefs/childdicts.h"

#include "reel/core/log.h"
#include "reel/prefs/store.h"

#include <functional>

namespace reel {

namespace {

bool isDictionary(const QVariant &value)
{
    return value.metaType().id() == QMetaType::QVariantMap;
}

enum class Edit { Done, NotDictionary, Unavailable };

// The copy-and-replace write: edit gets a copy of the parent's dictionary
// (nothing when the parent key holds nothing) and returns true when the copy
// is to replace it. A parent key holding anything else is left as it is, and
// logged under label.
Edit editParent(const char *label, const QString &parentKey,
                const std::function<bool(std::optional<QVariantMap> &dico)> &edit)
{
    QVariant other;
    const bool available = updatePreferences([&](QVariantMap &values) {
        std::optional<QVariantMap> dico;
        if (const auto parent = values.constFind(parentKey); parent != values.cend()) {
            if (!isDictionary(*parent)) {
                other = *parent;
                return false;
            }
            dico = parent->toMap();
        }
        if (!edit(dico) || !dico)
            return false;
        values.remove(parentKey);
        values.insert(parentKey, *dico);
        return true;
    });
    if (!available)
        return Edit::Unavailable;
    if (other.isValid()) {
        logAlways(LogLabel(label), ":-( key=%@ holds no dictionary, left as it is: %@", parentKey,
                  valueTrimmedForLogAsStr(other));
        return Edit::NotDictionary;
    }
    return Edit::Done;
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
        logDebug(LogLabel("prefReadDico"), ": key=%@ holds no dictionary: %@", key, valueTrimmedForLogAsStr(value));
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
            logDev(1, LogLabel("prefWriteDico"), "- old existe : %@", *old);
            values.remove(key);
            if (!values.contains(key))
                logDebug(LogLabel("prefWriteDico"), "- old n'existe plus :-)");
        }
        logDev(1, LogLabel("prefWriteDico"), "- existe pas ;-)");
        values.insert(key, *dictionary);
        return true;
    });
    if (!stored)
        return false;
    if (getDEBUGDEV(1))
        logDev(1, LogLabel("prefWriteDico"), "- existe : %@", preferenceValue(key));
    return true;
}

bool prefWriteChildDico(const QString &parentKey, const QString &childKey, const QVariant &value)
{
    if (parentKey.isNull() || childKey.isNull() || !value.isValid())
        return false;
    bool replaced = false;
    const Edit edit = editParent("prefWriteChildDico", parentKey, [&](std::optional<QVariantMap> &dico) {
        if (dico) {
            logDev(1, LogLabel("prefWriteChildDico"), ": new key=%@, old dico: %@", childKey, *dico);
            dico->insert(childKey, value);
            replaced = true;
        } else {
            dico = QVariantMap{{childKey, value}};
        }
        if (debugOn())
            logDebug(LogLabel("prefWriteChildDico"), ": new key=%@, new value=%@", childKey,
                     valueTrimmedForLogAsStr(value));
        if (replaced)
            logDev(1, LogLabel("prefWriteChildDico"), ": new key=%@, new tmp dico:%@", childKey, *dico);
        return true;
    });
    if (edit != Edit::Done)
        return false;
    if (replaced && getDEBUGDEV(2))
        logDev(2, LogLabel("prefWriteChildDico"), ": new key=%@, new final value='%@'", childKey,
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
    editParent("prefDeleteChildDico", parentKey, [&](std::optional<QVariantMap> &dico) {
        if (!dico)
            return false;
        logDev(1, LogLabel("prefDeleteChildDico0"), ": key=%@ : %@", childKey, *dico);
        const auto child = dico->constFind(childKey);
        if (child == dico->cend())
            return false;
        if (debugOn())
            logDebug(LogLabel("key to delete"), ": key=%@, value=%@", childKey, valueTrimmedForLogAsStr(*child));
        dico->remove(childKey);
        logDev(1, LogLabel("newMDico 1"), ": key=%@ : %@", childKey, *dico);
        return true;
    });
    return true;
}

} // namespace reel
