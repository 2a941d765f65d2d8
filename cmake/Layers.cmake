# The tree is built in layers: app -> form -> scans -> runtime, and vergleich -> scans. A library
# may include its own headers and those of the libraries it links, and nothing else, so that an
# include that climbs a layer fails to compile. Each library exports its own folder alone,
# through a link in the build tree, instead of the project root: "scans/Scans.h" is found by
# whoever links scans, "layout/LayoutTable.h" by no file in scans/.
#
#   faktorlupe_export(scans scans)
#   faktorlupe_export(vergleich_measurement vergleich/measurement)
#
# A single header can be exported alone, for a library that may use that header but not the rest
# of its folder: faktorlupe_export(some_table form/SomeTable.h) lets "form/SomeTable.h" be found,
# and no other file of form/.
#
# Every project header is included by its folder, also within its own library:
# #include "scans/Stopwatch.h", never #include "Stopwatch.h".
function(faktorlupe_export target path)
    set(root ${PROJECT_BINARY_DIR}/exported/${target})
    get_filename_component(parent ${root}/${path} DIRECTORY)
    # An existing build tree may hold a link to the whole parent folder (where a header's
    # folder was one library's before), through which the new link would land in the sources:
    # the old link goes first.
    if(IS_SYMLINK ${parent})
        file(REMOVE ${parent})
    endif()
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
