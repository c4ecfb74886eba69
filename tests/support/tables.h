// Table-driven cases: each row runs under a trace of its name, so a failure
// says which row it was.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <string>

namespace reel::test {

inline std::string caseName(const char *name) { return name; }
inline std::string caseName(const std::string &name) { return name; }
inline std::string caseName(const QString &name) { return name.toStdString(); }

// Calls check(row) for every row of cases; rows name themselves with a
// `name` member.
template <typename Cases, typename Check>
void forEachCase(const Cases &cases, Check check)
{
    for (const auto &row : cases) {
        SCOPED_TRACE(caseName(row.name));
        check(row);
    }
}

} // namespace reel::test
