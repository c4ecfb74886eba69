# Everything reelkit links: Qt 6 and uchardet (through pkg-config).
find_package(Qt6 6.2 REQUIRED COMPONENTS Core Gui Widgets Network)
find_package(PkgConfig REQUIRED)
pkg_check_modules(UCHARDET REQUIRED IMPORTED_TARGET GLOBAL uchardet)
