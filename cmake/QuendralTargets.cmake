# Shared settings for the project's own targets: strict warnings and exact x87 arithmetic.
function(quendral_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
        # Results must not depend on contraction or reassociation of floating-point operations.
        -ffp-contract=off -fno-fast-math)
endfunction()

# quendral_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
function(quendral_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    quendral_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core)
endfunction()
