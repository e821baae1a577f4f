# Helpers that give every source folder its static library, its test program and its
# layering check. A library may include headers of its own folder and of the libraries it
# links (directly or through them); an include that reaches any other folder of src/ stops
# the configure step, so an upward dependency cannot creep in.

set(VORN_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic -Werror)
# g++ 12 reports -Wrestrict on ordinary std::string concatenation in optimised builds (a false
# positive inside libstdc++'s char_traits, fixed in g++ 13); keep the warning from stopping the
# release build there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND VORN_WARNINGS -Wno-restrict)
endif()

define_property(TARGET PROPERTY VORN_DIRS
    BRIEF_DOCS "src/ folders whose headers this library may include"
    FULL_DOCS "Its own folder plus those of every vorn library it links.")

function(_vorn_check_includes target dir allowed_dirs)
    file(GLOB_RECURSE files "${VORN_SRC}/${dir}/*.h" "${VORN_SRC}/${dir}/*.cpp")
    foreach(f IN LISTS files)
        file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" inc "${line}")
            # Only includes rooted at src/ are checked; a bare name is a neighbour file.
            if(NOT inc MATCHES "/")
                continue()
            endif()
            if(NOT EXISTS "${VORN_SRC}/${inc}")
                continue()
            endif()
            set(ok FALSE)
            foreach(a IN LISTS allowed_dirs)
                if(inc MATCHES "^${a}/")
                    set(ok TRUE)
                endif()
            endforeach()
            if(NOT ok)
                file(RELATIVE_PATH rel "${VORN_SRC}" "${f}")
                message(FATAL_ERROR
                    "Layering: ${rel} includes \"${inc}\", which is not below ${target} "
                    "(may include: ${allowed_dirs})")
            endif()
        endforeach()
    endforeach()
endfunction()

# vorn_library(NAME DIR folder [EXCLUDE regex] [DEPS vorn libs] [LIBS external libs]
#              [SOURCES explicit files])
# Builds src/<folder>/**/*.cpp (minus EXCLUDE) as a static library.
function(vorn_library name)
    cmake_parse_arguments(A "" "DIR;EXCLUDE" "DEPS;LIBS;SOURCES" ${ARGN})
    if(A_SOURCES)
        set(srcs ${A_SOURCES})
    else()
        file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${VORN_SRC}/${A_DIR}/*.cpp")
        if(A_EXCLUDE)
            list(FILTER srcs EXCLUDE REGEX "${A_EXCLUDE}")
        endif()
    endif()
    if(NOT srcs)
        # A folder whose code is still to come builds as an empty library.
        set(empty "${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp")
        file(WRITE "${empty}" "// no sources yet\n")
        set(srcs "${empty}")
    endif()
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC "${VORN_SRC}")
    target_compile_options(${name} PRIVATE ${VORN_WARNINGS})
    target_link_libraries(${name} PUBLIC ${A_DEPS} ${A_LIBS})
    set(allowed "${A_DIR}")
    foreach(d IN LISTS A_DEPS)
        get_target_property(dd ${d} VORN_DIRS)
        list(APPEND allowed ${dd})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_target_properties(${name} PROPERTIES VORN_DIRS "${allowed}")
    _vorn_check_includes(${name} "${A_DIR}" "${allowed}")
endfunction()

# vorn_test(NAME DIR tests-folder DEPS libs): one GoogleTest program per tests/ folder;
# every TEST becomes a ctest test of its own.
function(vorn_test name)
    cmake_parse_arguments(A "" "DIR" "DEPS;SOURCES" ${ARGN})
    if(NOT BUILD_TESTING)
        return()
    endif()
    if(A_SOURCES)
        set(srcs ${A_SOURCES})
    else()
        file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/${A_DIR}/*.cpp")
    endif()
    add_executable(${name} ${srcs})
    target_compile_options(${name} PRIVATE ${VORN_WARNINGS})
    target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/tests")
    target_link_libraries(${name} PRIVATE ${A_DEPS} vorn_testsupport GTest::gtest GTest::gmock
        GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
        PROPERTIES ENVIRONMENT "VORN_TEST=1")
endfunction()

# vorn_program(NAME SOURCES files DEPS libs): one of the project's executables.
function(vorn_program name)
    cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${A_SOURCES})
    target_compile_options(${name} PRIVATE ${VORN_WARNINGS})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${VORN_BIN_DIR}")
endfunction()
