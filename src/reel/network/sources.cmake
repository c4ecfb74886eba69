# The network library: web pages and the connection check, through libcurl.
target_sources(reelkit_network PRIVATE
  reel/network/network.cpp
)
