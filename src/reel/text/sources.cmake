# Sources of the text subsystem.
target_sources(reelkit_core PRIVATE
  reel/text/codecs.cpp
  reel/text/detection.cpp
  reel/text/encodings.cpp
  reel/text/fileaccess.cpp
  reel/text/iconvcodec.cpp
  reel/text/localisation.cpp
  reel/text/piecedecoding.cpp
  reel/text/reading.cpp
  reel/text/singlebyte.cpp
  reel/text/singlebytetables.cpp
  reel/text/unicodeforms.cpp
  reel/text/writing.cpp
)
