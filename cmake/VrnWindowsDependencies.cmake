# The libraries of the mingw-w64 build of vrn.dll. ICU and CLI11 are not
# used there: Windows itself does bidi and code pages, and the command line
# is Linux's.

# mingw's gcc 12 reports false -Wrestrict overlaps inside std::string's
# inlined copies when optimising (GCC bug 105329).
add_compile_options(-Wno-restrict)

# platform/win32 reorders lines through Uniscribe; the other system
# libraries it needs are in mingw's default set.
string(APPEND CMAKE_CXX_STANDARD_LIBRARIES " -lusp10")

# SQLite: the amalgamation generated from Debian's source package at build
# time and kept in the build folder (scripts/sqlite-amalgamation.sh).
set(VRN_SQLITE_DIR ${CMAKE_BINARY_DIR}/sqlite)
add_custom_command(
  OUTPUT ${VRN_SQLITE_DIR}/sqlite3.c ${VRN_SQLITE_DIR}/sqlite3.h
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/sqlite-amalgamation.sh ${VRN_SQLITE_DIR}
  COMMENT "Generating the SQLite amalgamation from Debian's source package"
  VERBATIM)
add_library(vrn_sqlite3 STATIC ${VRN_SQLITE_DIR}/sqlite3.c ${VRN_SQLITE_DIR}/sqlite3.h)
target_include_directories(vrn_sqlite3 SYSTEM PUBLIC ${VRN_SQLITE_DIR})
target_compile_definitions(vrn_sqlite3 PRIVATE SQLITE_THREADSAFE=0 SQLITE_OMIT_LOAD_EXTENSION)
add_library(SQLite::SQLite3 ALIAS vrn_sqlite3)

# nlohmann/json is header-only: Debian's copy, reached through a folder that
# holds nothing else, so no Linux system header comes into the build.
set(VRN_JSON_INCLUDE ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${VRN_JSON_INCLUDE})
file(CREATE_LINK /usr/include/nlohmann ${VRN_JSON_INCLUDE}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${VRN_JSON_INCLUDE})

# GoogleTest from Debian's googletest source package, compiled for Windows.
if(VRN_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)  # defines GTest::gtest_main, GTest::gmock
  include(GoogleTest)
endif()

# widl and the Wine IDL files that `import "oaidl.idl"` and stdole2.tlb need.
find_path(VRN_WINE_IDL_DIR oaidl.idl PATHS /usr/include/wine/wine/windows NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(VRN_STDOLE2_DIR stdole2.tlb PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
