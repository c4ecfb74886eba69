#include "samples.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace reel::test {

QString sample(const char *name)
{
    const QByteArray bytes = readFile(testDataPath() + QStringLiteral("/text/%1.txt").arg(QLatin1String(name)));
    EXPECT_FALSE(bytes.isEmpty()) << "no sample " << name;
    return QString::fromUtf8(bytes);
}

QByteArray iconvBytes(const QString &text, const char *charset)
{
    QByteArray in = text.toUtf8(), out(in.size() * 4 + 16, '\0');
    char *from = in.data(), *to = out.data();
    size_t inLeft = size_t(in.size()), outLeft = size_t(out.size());
    const iconv_t cd = iconv_open(charset, "UTF-8");
    const bool done = cd != iconv_t(-1) && iconv(cd, &from, &inLeft, &to, &outLeft) != size_t(-1)
                      && iconv(cd, nullptr, nullptr, &to, &outLeft) != size_t(-1);
    if (cd != iconv_t(-1))
        iconv_close(cd);
    EXPECT_TRUE(done) << "iconv cannot convert the sample to " << charset;
    out.truncate(to - out.data());
    return out;
}

} // namespace reel::test
