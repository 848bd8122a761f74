# The elided label scans its whole text once per paint; keep that loop
# optimised in every build type, so debug builds of applications stay
# responsive with very long texts.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set_source_files_properties("${CMAKE_CURRENT_SOURCE_DIR}/widgets/ElidedTextScan.cpp"
        PROPERTIES COMPILE_OPTIONS "-O2")
endif()
