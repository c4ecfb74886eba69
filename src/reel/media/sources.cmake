# Sources of the media subsystem.
target_sources(reelkit PRIVATE
  reel/media/eyetvimovie.cpp
  reel/media/tables.cpp
)
