# The browser version: the conversions and the scans compiled to WebAssembly with emscripten,
# four candidates per loop pass in two-wide SIMD, C++ exceptions as WebAssembly exceptions (no
# cost while nothing is thrown). Configured with emcmake; scripts/build-web does all of it.
if(NOT EMSCRIPTEN)
    message(FATAL_ERROR "FAKTORLUPE_WEB needs emscripten: emcmake cmake -DFAKTORLUPE_WEB=ON ...")
endif()
add_compile_options(-msimd128 -fwasm-exceptions)
# Every program is one script with its WebAssembly inside: a page opened from a file may not
# fetch a separate .wasm, and Node 18 and later try to fetch one by its path.
add_link_options(-fwasm-exceptions -sSINGLE_FILE=1)

# emcc runs parts of itself in Node and needs the acorn parser, which a Node that is not
# Debian's own finds only through NODE_PATH.
set(FAKTORLUPE_NODE_PATH /usr/share/nodejs)
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${FAKTORLUPE_NODE_PATH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${FAKTORLUPE_NODE_PATH})

find_program(NODE NAMES node nodejs REQUIRED)

add_subdirectory(runtime)
add_subdirectory(scans)
add_subdirectory(layout)
add_subdirectory(vergleich/measurement)
add_subdirectory(vergleich/readable)
add_subdirectory(vergleich/chart)
add_subdirectory(web)

# The tests need googletest's sources and Chromium (scripts/test-web installs them); the page
# alone needs neither.
option(BUILD_TESTING "Build the browser version's tests" ON)
if(BUILD_TESTING)
    enable_testing()
    add_subdirectory(tests/web)
endif()
