// A command-line program on reelkit's core alone: it runs tools, and the
// alert of a broken one-pipe list goes to the log, answered at once.
#include <reel/task/pipeline.h>

#include <cstdio>

int main()
{
    const QString out = reel::taskArray1PipeMax({"/bin/echo", "core", "|", "/bin/cat"}, false);
    std::printf("%s", qPrintable(out));
    const QString refused = reel::taskArray1PipeMax({"/bin/echo", "x", "|", "/bin/cat", "|", "/bin/cat"}, false);
    std::printf("%s\n", refused.isNull() ? "refused" : "ran");
    return 0;
}
