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

# The layering is a build rule. A module's include path holds its own folder
# and, through its DEPENDS, the folders of the modules it may use, nothing
# else: an #include against the layering fails to compile. Each module gets
# an include root in the build tree with links to its own headers and to its
# subfolders that are not modules of their own (so linking the ui seam does
# not expose ui/headless).
function(vrn_include_root target visibility)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  file(GLOB entries CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(entry ${entries})
    get_filename_component(leaf ${entry} NAME)
    if(IS_DIRECTORY ${entry})
      if(EXISTS ${entry}/CMakeLists.txt)
        continue()
      endif()
    elseif(NOT leaf MATCHES "\\.h$")
      continue()
    endif()
    file(CREATE_LINK ${entry} ${root}/${folder}/${leaf} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${visibility} ${root})
endfunction()

# Command-line tools, the COM server, tests, benchmarks and fuzz targets may
# use every folder.
function(vrn_sees_all_of_src target)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
endfunction()

# vrn_module(NAME [SOURCES extra...] [DEPENDS targets...])
# Builds vrn_NAME from every .cpp in the calling folder plus SOURCES. DEPENDS
# is both what it links and what it may include.
function(vrn_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs AND NOT ARG_SOURCES)
    # A folder of headers only (so far).
    add_library(vrn_${name} INTERFACE)
    vrn_include_root(vrn_${name} INTERFACE)
    target_link_libraries(vrn_${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()
  add_library(vrn_${name} STATIC ${srcs} ${ARG_SOURCES})
  vrn_include_root(vrn_${name} PUBLIC)
  target_link_libraries(vrn_${name} PUBLIC ${ARG_DEPENDS})
  vrn_warnings(vrn_${name})
endfunction()

# vrn_test_suite(NAME [DEPENDS targets...])
# Builds vrn_NAME_tests from every *_test.cpp in the calling folder, linked
# with the test-support library (tests/support), and registers each test
# with CTest.
function(vrn_test_suite name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(vrn_${name}_tests ${srcs})
  vrn_sees_all_of_src(vrn_${name}_tests)
  target_link_libraries(vrn_${name}_tests PRIVATE ${ARG_DEPENDS} vrn_test_support GTest::gtest_main
                        GTest::gmock)
  target_compile_definitions(vrn_${name}_tests PRIVATE
    VRN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VRN_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  vrn_warnings(vrn_${name}_tests)
  gtest_discover_tests(vrn_${name}_tests DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${name})
endfunction()
