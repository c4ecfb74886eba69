// gettimestamps <PLAYLIST folder>
//
// Prints one line per clip of an AVCHD / BDMV camera card,
//   00001 : 2009-05-02 12:34:56
// the clip's bare name and its recording time: the date and time the camera
// wrote into the clip's stream, else the stream file's modification time
// (local time). Messages go to standard error; the exit status is 0 when
// every playlist was read, 1 for a wrong command line, 2 when the folder
// holds no playlist, 3 when a playlist is damaged, 4 when memory ran out.
#include "avchd.h"

#include <iostream>
#include <new>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: gettimestamps <PLAYLIST folder>\n";
        return 1;
    }
    try {
        return gettimestamps::run(argv[1], std::cout, std::cerr);
    } catch (const std::bad_alloc &) {
        std::cerr << "gettimestamps: out of memory\n";
        return 4;
    }
}
