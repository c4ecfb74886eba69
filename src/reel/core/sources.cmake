# Sources of the core runtime.
target_sources(reelkit_core PRIVATE
  reel/core/bundle.cpp
  reel/core/constants.cpp
  reel/core/debug.cpp
  reel/core/describe.cpp
  reel/core/fileio.cpp
  reel/core/filereplace.cpp
  reel/core/format.cpp
  reel/core/log.cpp
  reel/core/paths.cpp
  reel/core/privatefiles.cpp
  reel/core/scan.cpp
  reel/core/stringsfile.cpp
)
