/// \file
/// \ingroup core
/// Process-wide values shared by the program and the toolkit. Only
/// getTMPFOLDER can fail or log; the flags are the program's own (the
/// toolkit only stores them).
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The folder in which the tools run. Unset (null) until setTMPFOLDER.
extern QString TMPFOLDER;
/// The flag of getOPENPERM, 1 at start.
extern qint8 OPENPERM;
/// The flag of getWMV, 0 at start.
extern int WMVCOMPONENTINT;
/// The flag of getDIVX, 0 at start.
extern int DIVXCOMPONENTINT;
/// The flag of getAIC, 0 at start.
extern int AICCOMPONENTINT;
/// The flag of getPRORESdec, 0 at start.
extern int PRORESCOMPDECINT;
/// The flag of getPRORES, 0 at start.
extern int PRORESCOMPONENTINT;
/// The flag of getMPEG2, 0 at start.
extern int MPEG2COMPONENTINT;
/// The flag of getMTS, 0 at start.
extern int MTSCOMPONENTINT;

/// The stored folder, or else the user's own folder in the system temporary
/// folder ($TMPDIR, else /tmp): "<Name>-<uid>", the application's name and
/// the effective user id. That default is made (0700) and checked on every
/// call, and never stored: a folder there that is a link, another user's or
/// open to others is not used, and a fresh private one beside it is
/// (privateFolder). Null, logged once, when no private folder can be had:
/// there is then no temporary folder, and its users make nothing.
QString getTMPFOLDER();
/// Stores the folder getTMPFOLDER gives, as it is (a null path goes back to
/// the default).
void setTMPFOLDER(const QString &path);

/// The system temporary folder: $TMPDIR without trailing "/", else "/tmp".
QString systemTemporaryFolder();

/// OPENPERM, sign-extended.
int getOPENPERM();
/// Sets OPENPERM to the low 8 bits of flag.
void setOPENPERM(int flag);

/// WMVCOMPONENTINT.
int getWMV();
/// Sets WMVCOMPONENTINT.
void setWMV(int value);
/// DIVXCOMPONENTINT.
int getDIVX();
/// Sets DIVXCOMPONENTINT.
void setDIVX(int value);
/// AICCOMPONENTINT.
int getAIC();
/// Sets AICCOMPONENTINT.
void setAIC(int value);
/// PRORESCOMPDECINT.
int getPRORESdec();
/// Sets PRORESCOMPDECINT.
void setPRORESdec(int value);
/// PRORESCOMPONENTINT.
int getPRORES();
/// Sets PRORESCOMPONENTINT.
void setPRORES(int value);
/// MPEG2COMPONENTINT.
int getMPEG2();
/// Sets MPEG2COMPONENTINT.
void setMPEG2(int value);
/// MTSCOMPONENTINT.
int getMTS();
/// Sets MTSCOMPONENTINT.
void setMTS(int value);

} // namespace reel
REEL_EXPORT_END
