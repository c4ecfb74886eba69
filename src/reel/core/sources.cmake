# Sources of the core runtime.
target_sources(reelkit_core PRIVATE
  reel/core/bigbuffers.cpp
  reel/core/bundle.cpp
  reel/core/constants.cpp
  reel/core/debug.cpp
  reel/core/describe.cpp
  reel/core/fileio.cpp
  reel/core/filereplace.cpp
  reel/core/format.cpp
  reel/core/log.cpp
  reel/core/numberkind.cpp
  reel/core/paths.cpp
  reel/core/plistbinary.cpp
  reel/core/plistcodec.cpp
  reel/core/plistfile.cpp
  reel/core/plistvalue.cpp
  reel/core/plistxml.cpp
  reel/core/plistxmlmarkup.cpp
  reel/core/privatefiles.cpp
  reel/core/scan.cpp
  reel/core/stringsfile.cpp
)
