# Everything reelkit links: Qt 6, libplist and uchardet (through pkg-config).
find_package(Qt6 6.2 REQUIRED COMPONENTS Core Gui Widgets Network)
find_package(PkgConfig REQUIRED)
pkg_check_modules(PLIST REQUIRED IMPORTED_TARGET GLOBAL libplist-2.0)
pkg_check_modules(UCHARDET REQUIRED IMPORTED_TARGET GLOBAL uchardet)
