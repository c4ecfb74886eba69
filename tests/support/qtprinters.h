// Readable GoogleTest output for Qt values.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

void PrintTo(const QString &value, std::ostream *os);
void PrintTo(const QStringList &value, std::ostream *os);
void PrintTo(const QByteArray &value, std::ostream *os);
void PrintTo(const QVariant &value, std::ostream *os);
void PrintTo(const QVariantList &value, std::ostream *os);
void PrintTo(const QVariantMap &value, std::ostream *os);
void PrintTo(const QDateTime &value, std::ostream *os);
