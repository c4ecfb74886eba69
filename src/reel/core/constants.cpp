#include "reel/core/constants.h"

#include "reel/core/bundle.h"
#include "reel/core/privatefiles.h"

#include <QtGlobal>

#include <unistd.h>

namespace reel {

QString TMPFOLDER;
qint8 OPENPERM = 1;
int WMVCOMPONENTINT = 0;
int DIVXCOMPONENTINT = 0;
int AICCOMPONENTINT = 0;
int PRORESCOMPDECINT = 0;
int PRORESCOMPONENTINT = 0;
int MPEG2COMPONENTINT = 0;
int MTSCOMPONENTINT = 0;

QString systemTemporaryFolder()
{
    QString tmp = qEnvironmentVariable("TMPDIR");
    while (tmp.size() > 1 && tmp.endsWith(QLatin1Char('/')))
        tmp.chop(1);
    return tmp.isEmpty() ? QStringLiteral("/tmp") : tmp;
}

QString getTMPFOLDER()
{
    if (!TMPFOLDER.isNull())
        return TMPFOLDER;
    // One folder per user: in a shared /tmp, a folder of another user (or one
    // open to all) would let others plant links where the tools write.
    const QString tmp = systemTemporaryFolder();
    return privateFolder((tmp == QLatin1String("/") ? tmp : tmp + QLatin1Char('/')) + Bundle::main().name()
                         + QLatin1Char('-') + QString::number(::geteuid()));
}

void setTMPFOLDER(const QString &path)
{
    TMPFOLDER = path;
}

int getOPENPERM() { return OPENPERM; }
void setOPENPERM(int flag) { OPENPERM = static_cast<qint8>(static_cast<quint8>(flag & 0xFF)); }

int getWMV() { return WMVCOMPONENTINT; }
void setWMV(int value) { WMVCOMPONENTINT = value; }
int getDIVX() { return DIVXCOMPONENTINT; }
void setDIVX(int value) { DIVXCOMPONENTINT = value; }
int getAIC() { return AICCOMPONENTINT; }
void setAIC(int value) { AICCOMPONENTINT = value; }
int getPRORESdec() { return PRORESCOMPDECINT; }
void setPRORESdec(int value) { PRORESCOMPDECINT = value; }
int getPRORES() { return PRORESCOMPONENTINT; }
void setPRORES(int value) { PRORESCOMPONENTINT = value; }
int getMPEG2() { return MPEG2COMPONENTINT; }
void setMPEG2(int value) { MPEG2COMPONENTINT = value; }
int getMTS() { return MTSCOMPONENTINT; }
void setMTS(int value) { MTSCOMPONENTINT = value; }

} // namespace reel
