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
        {"https://example.org/a b?q=é#top", "https://example.org/a%20b?q=%C3%A9#top\n"},
        {"", nullptr}, {"--help", nullptr}, {"relative/page.html", nullptr},
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
}
