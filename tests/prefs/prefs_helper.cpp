// Another process on the preference store of the bundle in REELKIT_BUNDLE:
//   prefs_helper load <file>       stores every entry of a plist file, one by one
//   prefs_helper die-writing       is killed (SIGXFSZ) while it writes the store
//   prefs_helper read <file>...    readPlist of each file, "read" or "refused"
//                                  per line; the process
//                                  is held to 1 GiB of address space (without
//                                  AddressSanitizer, which has its own limit)
#include <reel/prefs/plistfiles.h>
#include <reel/prefs/preferences.h>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "load") == 0) {
        const auto values = reel::readPlist(QString::fromLocal8Bit(argv[2]));
        if (!values)
            return 1;
        for (auto it = values->cbegin(); it != values->cend(); ++it) {
            if (!reel::prefWrite(it.key(), it.value()))
                return 1;
        }
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "die-writing") == 0) {
        // The file-size limit stops the write halfway, as a kill would.
        const rlimit none{0, 0};
        const rlimit tiny{64, 64};
        ::setrlimit(RLIMIT_CORE, &none);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        reel::prefWrite(QStringLiteral("big"), QByteArray(65536, 'x'));
        return 3; // not reached
    }
    if (argc >= 2 && std::strcmp(argv[1], "read") == 0) {
#if !defined(__SANITIZE_ADDRESS__)
        const rlimit limit{rlim_t(1) << 30, rlim_t(1) << 30};
        setrlimit(RLIMIT_AS, &limit);
#endif
        for (int i = 2; i < argc; ++i) {
            const bool read = reel::readPlist(QString::fromLocal8Bit(argv[i])).has_value();
            std::printf("%s %s\n", read ? "read" : "refused", argv[i]);
            std::fflush(stdout); // which file it was, should the reader be killed
        }
        return 0;
    }
    return 2;
}
