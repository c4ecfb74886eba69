#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace reel::test {

namespace {

std::string g_root;
std::string g_bundle;

std::string sub(const char *name) { return g_root + "/" + name; }

// Only ever clear a folder this process made: <tmp>/reelkit-test-XXXXXX.
bool isSandboxRoot(const std::string &root)
{
    const fs::path p(root);
    const std::string name = p.filename().string();
    return p.is_absolute() && name.rfind("reelkit-test-", 0) == 0 && name.size() == 19
           && fs::is_directory(fs::symlink_status(p));
}

// Deletes a folder below the sandbox without following links, making
// read-only folders writable first so that tests that lock folders clean up.
void removeTree(const std::string &dir)
{
    std::error_code ec;
    if (g_root.empty() || dir.compare(0, g_root.size() + 1, g_root + "/") != 0)
        std::abort();
    if (fs::is_directory(fs::symlink_status(dir, ec))) {
        ::chmod(dir.c_str(), 0700);
        for (auto it = fs::recursive_directory_iterator(dir, fs::directory_options::skip_permission_denied, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec))
                ::chmod(it->path().c_str(), 0700);
        }
    }
    fs::remove_all(dir, ec);
}

} // namespace

QString sandboxRoot() { return QString::fromStdString(g_root); }
QString homePath() { return QString::fromStdString(sub("home")); }
QString testBundlePath() { return QString::fromStdString(g_bundle); }
QString testDataPath() { return QStringLiteral(REELKIT_TEST_DATA_DIR); }

QString scratchDir()
{
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = info ? QString::fromLatin1(info->test_suite_name()) + QLatin1Char('.') + QString::fromLatin1(info->name())
                        : QStringLiteral("global");
    const QString dir = QString::fromStdString(sub("work")) + QLatin1Char('/') + name.replace(QLatin1Char('/'), QLatin1Char('_'));
    QDir().mkpath(dir);
    return dir;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    if (!insideSandbox(path))
        std::abort();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool insideSandbox(const QString &path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString root = sandboxRoot();
    return !root.isEmpty() && (clean == root || clean.startsWith(root + QLatin1Char('/')));
}

void setUpSandbox(const char *bundlePath)
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/reelkit-test-XXXXXX";
    if (!::mkdtemp(pattern.data()) || !isSandboxRoot(g_root = fs::weakly_canonical(pattern).string()))
        std::abort();
    g_bundle = bundlePath;
    for (const char *d : {"home", "tmp", "work", "run"})
        fs::create_directories(sub(d));
    ::chmod(sub("run").c_str(), 0700);
    for (const auto &[name, folder] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "home/.config"},
                                       {"XDG_DATA_HOME", "home/.local/share"}, {"XDG_CACHE_HOME", "home/.cache"},
                                       {"XDG_STATE_HOME", "home/.local/state"}, {"XDG_RUNTIME_DIR", "run"},
                                       {"TMPDIR", "tmp"}})
        ::setenv(name, sub(folder).c_str(), 1);
    ::setenv("REELKIT_BUNDLE", g_bundle.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // One language and locale for every run, wherever it is started from.
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("LANGUAGE", "en", 1);
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    // No test reaches the desktop's session bus: only a private one that
    // ctest started for the suite is kept.
    if (!std::getenv("REELKIT_TEST_PRIVATE_BUS"))
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    ::chdir(sub("work").c_str());
}

void resetSandboxForTest()
{
    if (g_root.empty())
        return;
    ::chdir(g_root.c_str());
    for (const char *d : {"home", "tmp", "work"}) {
        removeTree(sub(d));
        fs::create_directories(sub(d));
    }
    ::chdir(sub("work").c_str());
}

void tearDownSandbox()
{
    if (g_root.empty() || !isSandboxRoot(g_root))
        return;
    ::chdir("/");
    for (const char *d : {"home", "tmp", "work", "run"})
        removeTree(sub(d));
    ::rmdir(g_root.c_str());
}

} // namespace reel::test
