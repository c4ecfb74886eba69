# Sources of the task subsystem.
target_sources(reelkit_core PRIVATE
  reel/task/environment.cpp
  reel/task/pipeline.cpp
  reel/task/progress.cpp
  reel/task/shellrun.cpp
  reel/task/spawn.cpp
  reel/task/versions.cpp
)
