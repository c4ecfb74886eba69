# Sources of the strings subsystem.
target_sources(reelkit_core PRIVATE
  reel/strings/lists.cpp
  reel/strings/rewriting.cpp
  reel/strings/transforms.cpp
)
