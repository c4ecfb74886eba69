# Sources of the prefs subsystem.
target_sources(reelkit_core PRIVATE
  reel/prefs/childdicts.cpp
  reel/prefs/devswitch.cpp
  reel/prefs/plistfiles.cpp
  reel/prefs/preferences.cpp
  reel/prefs/store.cpp
)
