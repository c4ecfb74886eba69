// Handing URLs to the desktop, through a recording stand-in for xdg-open
// first on PATH.
#include "logcapture.h"
#include "standins.h"

#include <reel/system/desktop.h>

#include <gtest/gtest.h>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(Desktop, OpenLocationHandsOverEncodedURLsOnly)
{
    test::DesktopStandIns standIns;
    const std::pair<const char *, const char *> cases[] = { // null: not a URL, nothing started
        {"https://example.org/a b?q=é", "https://example.org/a%20b?q=%C3%A9\n"},
        {"http://127.0.0.1:8080/page.html#top", "http://127.0.0.1:8080/page.html#top\n"},
        {"mailto:someone@example.org", "mailto:someone@example.org\n"},
        {"", nullptr}, {"--help", nullptr}, {"relative/page.html", nullptr}, {"http://exa mple.org:99999/", nullptr},
    };
    for (const auto &[url, handedOver] : cases) {
        openLocation(QString::fromUtf8(url));
        const QStringList refused{u"openLocation        :-( not a URL '%1'"_s.arg(QString::fromUtf8(url))};
        EXPECT_EQ(test::takeLog(), handedOver ? QStringList() : refused) << url;
        if (handedOver)
            EXPECT_EQ(standIns.handed(u"xdg-open"_s), QString::fromUtf8(handedOver)) << url;
    }
    openLocation(QString());
    EXPECT_TRUE(test::takeLog().isEmpty());
    EXPECT_TRUE(standIns.handed(u"xdg-open"_s, false).isNull());
    EXPECT_FALSE(appleScript(u"tell application \"Finder\" to activate"_s).isValid());
}
