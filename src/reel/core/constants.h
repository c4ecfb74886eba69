/// \file
/// \ingroup core
/// Process-wide values shared by the program and the toolkit.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The folder in which the tools run. Unset (null) until setTMPFOLDER.
extern QString TMPFOLDER;
extern qint8 OPENPERM;
extern int WMVCOMPONENTINT;
extern int DIVXCOMPONENTINT;
extern int AICCOMPONENTINT;
extern int PRORESCOMPDECINT;
extern int PRORESCOMPONENTINT;
extern int MPEG2COMPONENTINT;
extern int MTSCOMPONENTINT;

/// The stored folder, or else the user's own folder in the system temporary
/// folder ($TMPDIR, else /tmp): "<Name>-<uid>", the application's name and
/// the effective user id. That default is made (0700) and checked on every
/// call, and never stored: a folder there that is a link, another user's or
/// open to others is not used, and a fresh private one beside it is
/// (privateFolder). Null, logged once, when no private folder can be had:
/// there is then no temporary folder, and its users make nothing.
QString getTMPFOLDER();
void setTMPFOLDER(const QString &path);

/// The system temporary folder: $TMPDIR without trailing "/", else "/tmp".
QString systemTemporaryFolder();

int getOPENPERM();
void setOPENPERM(int flag);

int getWMV();
void setWMV(int value);
int getDIVX();
void setDIVX(int value);
int getAIC();
void setAIC(int value);
int getPRORESdec();
void setPRORESdec(int value);
int getPRORES();
void setPRORES(int value);
int getMPEG2();
void setMPEG2(int value);
int getMTS();
void setMTS(int value);

} // namespace reel
REEL_EXPORT_END
