# What reelkit links: Qt 6 Core for the core library, Gui, Widgets and D-Bus
# (the desktop's notifications) for the widgets library, and through pkg-config the private dependencies below
# (<imported target name>=<pkg-config module>), which the package files of a
# static build name too.
set(REELKIT_COMPONENTS core widgets network)
find_package(Qt6 6.2 REQUIRED COMPONENTS Core Gui Widgets DBus)
find_package(PkgConfig REQUIRED)

set(REELKIT_CORE_PRIVATE_DEPENDENCIES UCHARDET=uchardet)
set(REELKIT_WIDGETS_PRIVATE_DEPENDENCIES "")
set(REELKIT_NETWORK_PRIVATE_DEPENDENCIES CURL=libcurl>=7.85)

foreach(component CORE WIDGETS NETWORK)
  set(REELKIT_${component}_PRIVATE_LIBRARIES "")
  foreach(pair IN LISTS REELKIT_${component}_PRIVATE_DEPENDENCIES)
    string(FIND "${pair}" "=" at)
    string(SUBSTRING "${pair}" 0 ${at} name)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${pair}" ${at} -1 module)
    pkg_check_modules(${name} REQUIRED IMPORTED_TARGET GLOBAL ${module})
    list(APPEND REELKIT_${component}_PRIVATE_LIBRARIES PkgConfig::${name})
  endforeach()
endforeach()
