# Sources of the system subsystem.
target_sources(reelkit_core PRIVATE
  reel/system/desktop.cpp
  reel/system/machine.cpp
  reel/system/versions.cpp
)

# The display's OpenGL renderer, asked through Qt GUI.
target_sources(reelkit_widgets PRIVATE
  reel/system/displayrenderer.cpp
)

# Web pages and the connection check, through libcurl.
target_sources(reelkit_network PRIVATE
  reel/system/network.cpp
)
