# The property-list codec: XML and binary bytes to and from values, and the
# one reader of property-list files.
target_sources(reelkit_core PRIVATE
  reel/plist/binary.cpp
  reel/plist/codec.cpp
  reel/plist/file.cpp
  reel/plist/numberkind.cpp
  reel/plist/value.cpp
  reel/plist/xml.cpp
  reel/plist/xmlmarkup.cpp
)
