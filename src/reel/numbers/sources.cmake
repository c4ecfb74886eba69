# Sources of the numbers subsystem.
target_sources(reelkit PRIVATE
)
