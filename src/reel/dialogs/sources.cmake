# Sources of the dialogs subsystem.
target_sources(reelkit_core PRIVATE
  reel/dialogs/alerts.cpp
  reel/dialogs/alerttexts_p.cpp
  reel/dialogs/passclock.cpp
  reel/dialogs/presenter.cpp
  reel/dialogs/recordingpresenter.cpp
  reel/dialogs/timedalerts.cpp
)
