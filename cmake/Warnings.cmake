# Our own targets build clean: every warning is an error.
function(sketra_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
    # GCC 12 at -O2 and above reports std::string assignments as overlapping copies, a known
    # false positive of that release's -Wrestrict.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
        # At -O3 it also takes the vectors inside aggregate test tables for uninitialised.
        # Tests only: the program's own code keeps the check.
        if(target MATCHES "_tests$")
            target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
        endif()
    endif()
endfunction()
