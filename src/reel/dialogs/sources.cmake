# Sources of the dialogs subsystem.
target_sources(reelkit PRIVATE
  reel/dialogs/alerts.cpp
  reel/dialogs/controls.cpp
  reel/dialogs/passclock.cpp
  reel/dialogs/presenter.cpp
  reel/dialogs/qtpresenter.cpp
  reel/dialogs/recordingpresenter.cpp
  reel/dialogs/timedalerts.cpp
)
