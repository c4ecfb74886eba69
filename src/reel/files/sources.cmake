# Sources of the files subsystem.
target_sources(reelkit PRIVATE
)
