// The probes: their encodings and rules on given values, and invariants of
// what they answer on the machine that runs the tests.
#include "bundles.h"
#include "logcapture.h"

#include <reel/system/machine.h>
#include <reel/system/versions.h>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(Probes, VersionWordsAndTheirText)
{
    const std::pair<int, const char *> words[] = {{0x23A0, "23.10.0"}, {0x0610, "06.1.0"}, {0x7FFF1049, "10.4.9"}};
    for (const auto &[word, text] : words)
        EXPECT_EQ(versionTextFromBCD(word), QLatin1String(text)) << std::hex << word;

    const std::pair<const char *, int> releases[] = {
        {"10.4.9", 0x1049}, {"23.10", 0x23A0}, {"6.1.0-18-amd64", 0x0610}, {"5.15.148", 0x05FF}, {"2024.1", 0x9910},
        {"3.2.1.9", 0x0321}, {"7.", 0x0700},   {"2.6-32", 0x0260},         {"", 0},              {" 12", 0}};
    for (const auto &[release, word] : releases)
        EXPECT_EQ(osVersionFromText(QString::fromLatin1(release)), word) << release;
    EXPECT_EQ(osVersionFromText(QString()), 0);

    // os-release files as distributions ship them: quoted, single-quoted, bare.
    const std::pair<const char *, const char *> osReleases[] = {
        {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nVERSION_ID=\"12\"\nVERSION=\"12 (bookworm)\"\n", "12"},
        {"VERSION_ID='3.19'\n", "3.19"}, {"VERSION_ID=39\n", "39"}, {"VERSION_ID=\"\n", "\""}, {"ID=arch\n", ""}};
    for (const auto &[contents, id] : osReleases)
        EXPECT_EQ(versionIdOfOsRelease(contents), QString::fromLatin1(id)) << contents;
}

TEST(Probes, TheRunningSystemProcessorsAndArchitecture)
{
    // os(n) is the band [n / 100 + 10, n / 100 + 10.1) around the running version.
    const float version = versionOS();
    for (int n : {-250, -99, 0, 5, 99, 100, 199, 200, 250, 1000, 1099})
        EXPECT_EQ(os(n), version >= n / 100 + 10 && version < n / 100 + 10.1) << n;
    EXPECT_TRUE(isLionOrGreater()); // any kernel since 2011
    EXPECT_EQ(long(nbProcessors()), ::sysconf(_SC_NPROCESSORS_ONLN));
#ifdef Q_PROCESSOR_X86
    EXPECT_TRUE(archIntel());
#else
    EXPECT_FALSE(archIntel());
#endif
}

TEST(Probes, CpuModelsFromCpuinfo)
{
    // Lines of real /proc/cpuinfo files.
    const std::pair<const char *, int> cases[] = {
        {"processor\t: 0\ncpu\t\t: 740/750\nclock\t\t: 400MHz\n", 9}, {"cpu\t\t: 750FX\n", 9}, {"cpu\t\t: 603ev\n", 5},
        {"cpu\t\t: 7400, altivec supported\n", 10}, {"cpu\t\t: PPC970MP, altivec supported\n", 100}, {"cpu\t\t: 604e\n", 7},
        // x86: "cpu family", "cpu MHz" are other keys.
        {"processor\t: 0\ncpu family\t: 6\ncpu MHz\t\t: 2400.000\n", 750},
    };
    for (const auto &[cpuinfo, subtype] : cases)
        EXPECT_EQ(cpuSubtypeFromCpuinfo(cpuinfo), subtype) << cpuinfo;

    EXPECT_FALSE(cpuG3()); // no test farm runs on a G3
}

TEST(Probes, DisplayAcceleration)
{
    const std::pair<const char *, bool> renderers[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", false}, {"   ", false},
        {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0-18-amd64)", true}};
    for (const auto &[renderer, hardware] : renderers)
        EXPECT_EQ(rendererIsHardware(QString::fromLatin1(renderer)), hardware) << renderer;

    // The suites run offscreen or without an application: never accelerated.
    EXPECT_FALSE(quartzExtremeCard());
    EXPECT_TRUE(test::logHas(u"Quartz Extreme      :-( not compatible video card"_s));
    test::clearLog();

    // The renderer comes from the widgets library, linked here: a hardware
    // one makes the display accelerated.
    const DisplayRendererQuery widgets = setDisplayRendererQuery([] { return u"Mesa Intel(R) UHD Graphics 620"_s; });
    EXPECT_NE(widgets, nullptr);
    EXPECT_TRUE(quartzExtremeCard());
    EXPECT_EQ(test::takeLog(), QStringList{u"Quartz Extreme      :-) compatible video card"_s});
    setDisplayRendererQuery(widgets);
}

TEST(Probes, LoginNameFromTheHomeFolder)
{
    const std::pair<const char *, const char *> cases[] = { // null: nil
        {"/Users/bob/", "bob"}, {"/srv/home/ann/x", "ann"}, {"/home", nullptr}, {"/var/lib/bob", nullptr}};
    for (const auto &[home, name] : cases) {
        test::ScopedEnv env("HOME", home);
        const QString found = usrLoginName();
        EXPECT_EQ(found.isNull(), name == nullptr) << home;
        EXPECT_EQ(found, QLatin1String(name)) << home;
    }
}

TEST(Probes, MediaFrameworkVersionFromTheBundlesFfmpeg)
{
    // Major and minor only: the micro number (100 and up in ffmpeg's own
    // releases) would spill into the minor one; a minor number past 99 is
    // held at 99, below the next major.
    const std::pair<const char *, const char *> outputs[] = { // null: none
        {"ffmpeg version 5.1.6-0+deb12u1 Copyright (c) 2000-2024\nlibavutil      57. 28.100 / 57. 28.100\n"
         "libavformat    59. 27.100 / 59. 27.100\n", "59.27"},
        {"libavformat    52.111.  0 / 52.111.  0\n", "52.99"},
        {"ffmpeg version 6.0\nlibavformatx 1. 2.3\n", nullptr},
    };
    for (const auto &[output, version] : outputs)
        EXPECT_EQ(libavformatVersion(QString::fromLatin1(output)), QLatin1String(version)) << output;

    // The real tool of the test bundle, then a bundle without one.
    EXPECT_GT(versionQT(), 0.0f);
    test::ScopedBundle bare(test::makeBundle(u"bare"_s, {}));
    test::clearLog();
    EXPECT_EQ(versionQT(), 0.0f);
    EXPECT_EQ(test::takeLog(), QStringList{u"versionQT           :-( echec"_s});
}
