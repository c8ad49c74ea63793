# Build type, compiler cache, sanitizers and warning flags shared by every target.

if (NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set (CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

find_program (CCACHE_PROGRAM ccache)
if (CCACHE_PROGRAM)
    # JUCE's time code uses __DATE__ and __TIME__; without this every rebuild misses the cache.
    set (CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=time_macros ${CCACHE_PROGRAM})
    set (CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=time_macros ${CCACHE_PROGRAM})
endif()

option (MFM_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if (MFM_SANITIZE)
    add_compile_options (-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options (-fsanitize=address,undefined)
endif()

# Warnings for the program's own targets (JUCE's sources keep their own flags).
add_library (mfm_warnings INTERFACE)
target_compile_options (mfm_warnings INTERFACE -Wall -Wextra)
