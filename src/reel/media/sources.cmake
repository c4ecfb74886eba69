# Sources of the media subsystem.
target_sources(reelkit PRIVATE
  reel/media/tables.cpp
)
