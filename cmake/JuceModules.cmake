# JUCE comes from Debian's juce-modules-source package. Its modules are compiled once, into the
# static library mfm_juce, which every other target links instead of compiling them again.

find_package (JUCE 7.0.5 CONFIG REQUIRED)

add_library (mfm_juce STATIC)

target_link_libraries (mfm_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_cryptography
    PUBLIC
        juce::juce_recommended_config_flags
        juce::pkgconfig_JUCE_CURL_LINUX_DEPS
        # Debian's JUCE decodes images with the system's libpng and libjpeg.
        juce::pkgconfig_JUCE_IMG_LINUX_DEPS)

target_compile_definitions (mfm_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=1
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_STANDALONE_APPLICATION=1
        # The authorization failure box is shown synchronously before the message loop starts.
        JUCE_MODAL_LOOPS_PERMITTED=1
    INTERFACE
        $<TARGET_PROPERTY:mfm_juce,COMPILE_DEFINITIONS>)

# JUCE's curl code uses calls that newer curl headers mark as deprecated; that is JUCE's
# business, not ours, and would only bury our own warnings.
target_compile_options (mfm_juce PRIVATE -Wno-deprecated-declarations)

target_include_directories (mfm_juce INTERFACE $<TARGET_PROPERTY:mfm_juce,INCLUDE_DIRECTORIES>)

set_target_properties (mfm_juce PROPERTIES
    POSITION_INDEPENDENT_CODE TRUE
    VISIBILITY_INLINES_HIDDEN TRUE
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)
