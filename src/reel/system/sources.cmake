# Sources of the system subsystem.
target_sources(reelkit_core PRIVATE
  reel/system/desktop.cpp
  reel/system/machine.cpp
  reel/system/versions.cpp
)
