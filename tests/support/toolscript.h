// Small shell scripts standing in for tools, written into the sandbox.
#pragma once

#include "sandbox.h"

#include <QFile>

namespace reel::test {

// An executable shell script at path running body; returns path.
inline QString writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return path;
}

} // namespace reel::test
