# The Debian package: cpack -G DEB in the build directory writes faktorlupe_<version>_<arch>.deb.
# Its version is the project's; its maintainer and homepage are FAKTORLUPE_MAINTAINER and
# FAKTORLUPE_HOMEPAGE, set by whoever builds it.

# The compiler's name and version in every binary tell users nothing.
install(CODE "
    foreach(program faktorlupe faktorlupe-vergleich)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")

set(CPACK_PACKAGE_NAME faktorlupe)
set(CPACK_PACKAGE_VENDOR "Faktorlupe-Projekt")
set(CPACK_PACKAGE_CONTACT "${FAKTORLUPE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find the divisors of a number in three ways and compare them")
set(CPACK_PACKAGE_DESCRIPTION
    "Faktorlupe is a small desktop program with a German interface. It finds all
divisors of a whole number in three ways - testing every number up to it, up to
its half, or up to its square root together with the co-divisors - and shows
how long each way took, so that the three can be compared, for example in a
maths or computer science lesson.
The package also holds faktorlupe-vergleich, which measures how the cost of the
three ways grows with the number and draws it as a chart.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg names the machine that packs, not the one the package is for.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FAKTORLUPE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(FAKTORLUPE_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FAKTORLUPE_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Drawn with the metric-compatible stand-in for the Times New Roman of its layout.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Without the first the window runs through XWayland instead of as a native Wayland client;
# without the second Qt's own dialogs and menus speak English under a German locale.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
