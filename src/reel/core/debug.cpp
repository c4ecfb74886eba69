#include "reel/core/debug.h"

namespace reel {

qint8 MYDEBUG = 0;

int getDEBUG()
{
    return MYDEBUG;
}

void setDEBUG(int level)
{
    MYDEBUG = static_cast<qint8>(static_cast<quint8>(level & 0xFF));
}

bool getDEBUGDEV(int /*level*/)
{
    return false;
}

void myDEBUGDEV()
{
}

bool debugOn()
{
    return (getDEBUG() & 0xFF) != 0;
}

} // namespace reel
