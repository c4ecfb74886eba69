#include "qtprinters.h"

#include <reel/core/describe.h>

void PrintTo(const QString &value, std::ostream *os)
{
    if (value.isNull())
        *os << "null QString";
    else
        *os << '"' << value.toStdString() << '"';
}

void PrintTo(const QStringList &value, std::ostream *os)
{
    *os << reel::describe(value).toStdString();
}

void PrintTo(const QByteArray &value, std::ostream *os)
{
    *os << "QByteArray(" << value.size() << ") " << reel::describe(value).toStdString();
}

void PrintTo(const QVariant &value, std::ostream *os)
{
    *os << "QVariant(" << (value.isValid() ? value.metaType().name() : "invalid") << ") "
        << reel::describe(value).toStdString();
}

void PrintTo(const QVariantList &value, std::ostream *os)
{
    *os << reel::describe(value).toStdString();
}

void PrintTo(const QVariantMap &value, std::ostream *os)
{
    *os << reel::describe(value).toStdString();
}

void PrintTo(const QDateTime &value, std::ostream *os)
{
    *os << value.toString(Qt::ISODateWithMs).toStdString();
}
