// Handing URLs to the desktop, through a recording stand-in for xdg-open
// first on PATH.
#include "logcapture.h"
#include "sandbox.h"

#include <reel/system/desktop.h>

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

using namespace reel;

namespace {

class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bin = test::scratchDir() + QStringLiteral("/bin");
        const QString script = test::writeFile(
            m_bin + QStringLiteral("/xdg-open"),
            "#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$0.record.tmp\" && mv \"$0.record.tmp\" \"$0.record\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_path = qgetenv("PATH");
        qputenv("PATH", (m_bin + QLatin1Char(':')).toUtf8() + m_path);
    }
    void TearDown() override { qputenv("PATH", m_path); }

    // What the stand-in was handed, once it has run; null when it was not
    // started (it is given a moment, in case it was).
    QString handed(bool expectStarted)
    {
        const QString record = m_bin + QStringLiteral("/xdg-open.record");
        QDeadlineTimer deadline(expectStarted ? 20000 : 300);
        while (!QFile::exists(record) && !deadline.hasExpired())
            QThread::msleep(10);
        if (!QFile::exists(record))
            return QString();
        const QString text = QString::fromUtf8(test::readFile(record));
        QFile::remove(record);
        return text;
    }

private:
    QString m_bin;
    QByteArray m_path;
};

} // namespace

TEST_F(Desktop, OpenLocationHandsTheEncodedURLOver)
{
    const struct {
        const char *url;
        const char *handed;
    } cases[] = {
        {"https://example.org/a b?q=é", "https://example.org/a%20b?q=%C3%A9\n"},
        {"http://127.0.0.1:8080/page.html#top", "http://127.0.0.1:8080/page.html#top\n"},
        {"mailto:someone@example.org", "mailto:someone@example.org\n"},
        {"file:///tmp/a%20movie.mov", "file:///tmp/a%20movie.mov\n"},
    };
    for (const auto &c : cases) {
        openLocation(QString::fromUtf8(c.url));
        EXPECT_EQ(handed(true), QString::fromUtf8(c.handed)) << c.url;
    }
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST_F(Desktop, NothingIsOpenedForNilOrWhatIsNotAURL)
{
    openLocation(QString());
    EXPECT_TRUE(test::logLines().isEmpty());
    for (const char *url : {"", "--help", "-rf /", "relative/page.html", "http://exa mple.org:99999/"}) {
        test::clearLog();
        openLocation(QString::fromLatin1(url));
        EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("openLocation        :-( not a URL '%1'").arg(QLatin1String(url))})
            << url;
    }
    EXPECT_TRUE(handed(false).isNull());
}

TEST(Scripting, AppleScriptGivesNothing)
{
    EXPECT_FALSE(appleScript(QStringLiteral("tell application \"Finder\" to activate")).isValid());
    EXPECT_FALSE(appleScript(QString()).isValid());
}
