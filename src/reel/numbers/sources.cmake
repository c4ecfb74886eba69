# Sources of the numbers subsystem.
target_sources(reelkit_core PRIVATE
  reel/numbers/bitrate.cpp
  reel/numbers/durations.cpp
  reel/numbers/multiples.cpp
  reel/numbers/parsing.cpp
)
