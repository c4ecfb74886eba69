# Sources of the system subsystem.
target_sources(reelkit PRIVATE
)
