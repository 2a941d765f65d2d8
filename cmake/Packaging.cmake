# The Debian package: cpack -G DEB in the build directory writes faktorlupe_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME faktorlupe)
set(CPACK_PACKAGE_VENDOR "Faktorlupe-Entwickler")
set(CPACK_PACKAGE_CONTACT "Faktorlupe-Entwickler <entwickler@faktorlupe.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find the divisors of a number in three ways and compare them")
set(CPACK_PACKAGE_DESCRIPTION
    "Faktorlupe is a small desktop program with a German interface. It finds all divisors of a
whole number in three ways - testing every number up to it, up to its half, or up to its square
root together with the co-divisors - and shows how long each way took, so that the three can
be compared, for example in a maths or computer science lesson.
The package also holds faktorlupe-vergleich, which measures how the cost of the three ways grows
with the number and draws it as a chart.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://faktorlupe.de/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Drawn with the metric-compatible stand-in for the Times New Roman of its layout.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
