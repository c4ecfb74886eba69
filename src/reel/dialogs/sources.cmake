# Sources of the dialogs subsystem.
target_sources(reelkit PRIVATE
  reel/dialogs/alerts.cpp
)
