# The widgets library: the application shell, the Qt Widgets alert
# presenter, control enabling, the display's OpenGL renderer, the desktop's
# notifications (over D-Bus), and the unit that puts them behind the core's
# hooks.
target_sources(reelkit_widgets PRIVATE
  reel/widgets/application.cpp
  reel/widgets/controls.cpp
  reel/widgets/desktopnotifications.cpp
  reel/widgets/displayrenderer.cpp
  reel/widgets/qtpresenter.cpp
  reel/widgets/registration.cpp
)
