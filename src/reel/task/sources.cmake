# Sources of the task subsystem.
target_sources(reelkit PRIVATE
)
