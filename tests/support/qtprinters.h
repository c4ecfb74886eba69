// Readable GoogleTest output for Qt values.
#pragma once

#include <reel/core/describe.h>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

inline void PrintTo(const QString &value, std::ostream *os)
{
    if (value.isNull())
        *os << "null QString";
    else
        *os << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QByteArray &value, std::ostream *os)
{
    *os << "QByteArray(" << value.size() << ") " << reel::describe(value).toStdString();
}

inline void PrintTo(const QVariant &value, std::ostream *os)
{
    *os << "QVariant(" << (value.isValid() ? value.metaType().name() : "invalid") << ") "
        << reel::describe(value).toStdString();
}

// Lists and dictionaries as the toolkit describes them.
inline void PrintTo(const QStringList &value, std::ostream *os) { *os << reel::describe(value).toStdString(); }
inline void PrintTo(const QVariantList &value, std::ostream *os) { *os << reel::describe(value).toStdString(); }
inline void PrintTo(const QVariantMap &value, std::ostream *os) { *os << reel::describe(value).toStdString(); }
inline void PrintTo(const QDateTime &value, std::ostream *os) { *os << value.toString(Qt::ISODateWithMs).toStdString(); }
