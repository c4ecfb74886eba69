# Sources of the system subsystem.
target_sources(reelkit PRIVATE
  reel/system/desktop.cpp
  reel/system/machine.cpp
  reel/system/network.cpp
  reel/system/versions.cpp
)
