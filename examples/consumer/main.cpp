// Prints what the toolkit knows about the program that links it.
#include <reel/reel.h>

#include <cstdio>

int main()
{
    reel::setDEBUG(1);
    reel::logDebug("consumer            : %@", reel::Bundle::main().name());
    std::printf("%s\n", qPrintable(reel::getTMPFOLDER()));
    return 0;
}
