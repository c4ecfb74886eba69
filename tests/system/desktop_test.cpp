// Handing URLs to the desktop, through a recording stand-in for xdg-open
// first on PATH.
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"
#include "standins.h"

#include <reel/system/desktop.h>

#include <gtest/gtest.h>

#include <QFile>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

class Desktop : public ::testing::Test {
protected:
    QString handed(bool expectStarted) { return m_standIns.handed(u"xdg-open"_s, expectStarted); }

    test::DesktopStandIns m_standIns;
};

} // namespace

TEST_F(Desktop, OpenLocationHandsTheEncodedURLOver)
{
    const std::pair<const char *, const char *> cases[] = {
        {"https://example.org/a b?q=é", "https://example.org/a%20b?q=%C3%A9\n"},
        {"http://127.0.0.1:8080/page.html#top", "http://127.0.0.1:8080/page.html#top\n"},
        {"mailto:someone@example.org", "mailto:someone@example.org\n"},
        {"file:///tmp/a%20movie.mov", "file:///tmp/a%20movie.mov\n"},
    };
    for (const auto &[url, handedOver] : cases) {
        openLocation(QString::fromUtf8(url));
        EXPECT_EQ(handed(true), QString::fromUtf8(handedOver)) << url;
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
        EXPECT_EQ(test::logLines(), QStringList{u"openLocation        :-( not a URL '%1'"_s.arg(QLatin1String(url))}) << url;
    }
    EXPECT_TRUE(handed(false).isNull());
    EXPECT_FALSE(appleScript(u"tell application \"Finder\" to activate"_s).isValid());
    EXPECT_FALSE(appleScript(QString()).isValid());
}
