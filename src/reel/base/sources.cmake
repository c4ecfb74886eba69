# The system plumbing every subsystem shares: descriptors, error texts,
# reads and writes that survive signals, buffers in huge pages. Private to
# the libraries.
target_sources(reelkit_core PRIVATE
  reel/base/bigbuffers.cpp
  reel/base/errortext.cpp
  reel/base/io.cpp
)
