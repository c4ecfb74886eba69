# Sources of the prefs subsystem.
target_sources(reelkit PRIVATE
)
