# Cross-building for arm64 (aarch64) Debian on an x86-64 Debian machine with multiarch: Debian's
# cross compiler, the arm64 libraries in /usr/lib/aarch64-linux-gnu, Qt's host tools (moc, rcc)
# from the native Qt, and qemu to run what was built: the tests, the test discovery and the icon
# renderer of the build.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "")

# The arm64 loader and libraries are installed beside the native ones, so qemu finds them as they
# are; no separate root is needed.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
