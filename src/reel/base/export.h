/// \file
/// \ingroup base
/// What the shared libraries export. They are built with hidden visibility, so
/// only what a public header marks is reachable from a program:
///
///     REEL_EXPORT_BEGIN
///     namespace reel { ... every declaration here is exported ... }
///     REEL_EXPORT_END
///
/// Public headers wrap their declarations this way (after their includes);
/// private headers do not, so internals stay inside the library. REEL_EXPORT
/// marks one declaration of a private header that must still be reachable.
/// A static library ignores all of this.
#pragma once

/// Exports one declaration of a private header.
#define REEL_EXPORT __attribute__((visibility("default")))
/// Opens the exported declarations of a public header.
#define REEL_EXPORT_BEGIN _Pragma("GCC visibility push(default)")
/// Closes what REEL_EXPORT_BEGIN opened.
#define REEL_EXPORT_END _Pragma("GCC visibility pop")
