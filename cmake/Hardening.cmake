# The hardening Debian builds its packages with: stack protector, fortified C library calls,
# position-independent executables and a read-only relocation table resolved at start-up.
# Left out of the sanitizer and fuzz builds, whose run-time libraries do checks of their own.
if(NOT (FAKTORLUPE_SANITIZE OR FAKTORLUPE_FUZZ))
    add_compile_options(-fstack-protector-strong)
    # Fortification needs the optimiser; the build type decides whether it runs.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>"
                        "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    add_link_options(-Wl,-z,relro,-z,now)
endif()
