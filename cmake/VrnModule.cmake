# One static library per source folder, one test executable per test folder.
# Folders glob their own sources so that adding a file needs no edit here.

function(vrn_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
      -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
      -Wconversion -Wsign-conversion -Wimplicit-fallthrough -Werror)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports std::variant<u16string, ...> moves and inlined string
    # copies as maybe-uninitialized or overlapping at -O2/-O3 (GCC bugs
    # 105562, 105329); both are false positives in library code we don't own.
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized -Wno-restrict)
  endif()
endfunction()

# vrn_module(NAME [SOURCES extra...] [DEPENDS targets...])
# Builds vrn_NAME from every .cpp in the calling folder plus SOURCES.
function(vrn_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs AND NOT ARG_SOURCES)
    # A folder of headers only (so far).
    add_library(vrn_${name} INTERFACE)
    target_include_directories(vrn_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vrn_${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()
  add_library(vrn_${name} STATIC ${srcs} ${ARG_SOURCES})
  target_include_directories(vrn_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vrn_${name} PUBLIC ${ARG_DEPENDS})
  vrn_warnings(vrn_${name})
endfunction()

# vrn_test_suite(NAME [DEPENDS targets...])
# Builds vrn_NAME_tests from every *_test.cpp in the calling folder and
# registers each test with CTest.
function(vrn_test_suite name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(vrn_${name}_tests ${srcs})
  target_link_libraries(vrn_${name}_tests PRIVATE ${ARG_DEPENDS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(vrn_${name}_tests PRIVATE
    VRN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VRN_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  vrn_warnings(vrn_${name}_tests)
  gtest_discover_tests(vrn_${name}_tests DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${name})
endfunction()
