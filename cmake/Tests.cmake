# The test suite: one GoogleTest executable linking mfm_core. Every test runs in its own
# process under CTest, so a test that quits the message loop cannot disturb another.

enable_testing()
find_package (GTest CONFIG REQUIRED)
include (GoogleTest)

add_executable (mfm_tests)
add_subdirectory (tests)
target_link_libraries (mfm_tests PRIVATE mfm_core mfm_warnings GTest::gtest)
target_compile_definitions (mfm_tests PRIVATE MFM_APP_EXECUTABLE="$<TARGET_FILE:MistFoldLicenseManager>")
add_dependencies (mfm_tests MistFoldLicenseManager)

gtest_discover_tests (mfm_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT 120)
