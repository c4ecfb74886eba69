# Sources of the strings subsystem.
target_sources(reelkit PRIVATE
)
