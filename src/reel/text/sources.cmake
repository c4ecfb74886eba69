# Sources of the text subsystem.
target_sources(reelkit PRIVATE
)
