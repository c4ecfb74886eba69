# Sources of the media subsystem.
target_sources(reelkit_core PRIVATE
  reel/media/eyetvimovie.cpp
  reel/media/tables.cpp
)
