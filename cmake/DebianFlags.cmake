# With SKETRA_DEBIAN_FLAGS (the release preset) the programs are built with the flags Debian
# builds its own packages with, every hardening feature included: fortified libc calls, stack
# protector, read-only relocations bound at start-up.
option(SKETRA_DEBIAN_FLAGS "Build with Debian's dpkg-buildflags, all hardening on" OFF)
if(SKETRA_DEBIAN_FLAGS)
    find_program(SKETRA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${SKETRA_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
            OUTPUT_VARIABLE debian_${kind}
            OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
    string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${debian_LDFLAGS}")
endif()
