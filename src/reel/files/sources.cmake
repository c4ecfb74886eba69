# Sources of the files subsystem.
target_sources(reelkit_core PRIVATE
  reel/files/folders.cpp
  reel/files/hometrash.cpp
  reel/files/listing.cpp
  reel/files/mountpoints.cpp
  reel/files/movecopy.cpp
  reel/files/native.cpp
  reel/files/presence.cpp
  reel/files/removal.cpp
  reel/files/removalguard.cpp
  reel/files/sizes.cpp
  reel/files/treewalk.cpp
  reel/files/workspace.cpp
)
