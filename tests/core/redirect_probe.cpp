// Redirects its streams to argv[1], then asks again for argv[2]; prints on
// both streams so the test can see where each line went.
#include <reel/core/log.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    reel::redirectLogs2File(QString::fromLocal8Bit(argv[1]));
    std::printf("printed on stdout\n");
    std::fflush(stdout);
    if (argc > 2)
        reel::redirectLogs2File(QString::fromLocal8Bit(argv[2]));
    reel::logAlways("logged after");
    return 0;
}
