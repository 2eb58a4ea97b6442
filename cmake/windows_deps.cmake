# The dependencies of the Windows cross-build, given the same target names as
# the Linux build's packages so that nothing else in the build differs.
#
# - SQLite: the amalgamation (sqlite3.c, sqlite3.h) in QX_SQLITE_SOURCE, which
#   scripts/deps.sh --windows fetches and checks, built as a static library.
# - nlohmann-json and CLI11: header-only; the host's headers, seen through a
#   folder that holds only them, so no other host header reaches the compiler.
# - GoogleTest: built from the host's sources.
# - zlib: the static MinGW-w64 library of libz-mingw-w64-dev.
set(QX_SQLITE_SOURCE "" CACHE PATH "Folder with the SQLite amalgamation (sqlite3.c, sqlite3.h)")
if(NOT EXISTS "${QX_SQLITE_SOURCE}/sqlite3.c" OR NOT EXISTS "${QX_SQLITE_SOURCE}/sqlite3.h")
  message(FATAL_ERROR "QX_SQLITE_SOURCE must name a folder with sqlite3.c and sqlite3.h "
                      "(scripts/deps.sh --windows fetches one)")
endif()
add_library(qx_sqlite3 STATIC ${QX_SQLITE_SOURCE}/sqlite3.c)
target_include_directories(qx_sqlite3 SYSTEM PUBLIC ${QX_SQLITE_SOURCE})
# One connection per process, no extension loading: the simulator needs no more.
target_compile_definitions(qx_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0)
target_compile_options(qx_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS qx_sqlite3)

set(header_dir ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${header_dir})
foreach(dir nlohmann CLI)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing (scripts/deps.sh installs it)")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${header_dir}/${dir} SYMBOLIC)
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${header_dir})
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${header_dir})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${header_dir})
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${header_dir})

find_package(Threads REQUIRED)

# zlib: MinGW-w64's static library (Debian libz-mingw-w64-dev), so that the
# folder needs no zlib DLL.
find_library(QX_ZLIB_STATIC NAMES libz.a REQUIRED)
find_path(QX_ZLIB_INCLUDE zlib.h REQUIRED)
add_library(ZLIB::ZLIB STATIC IMPORTED)
set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_LOCATION ${QX_ZLIB_STATIC}
                      INTERFACE_INCLUDE_DIRECTORIES ${QX_ZLIB_INCLUDE})

if(QX_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)  # no test uses it; it would build GoogleTest twice
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main)
    if(NOT TARGET GTest::${t})
      add_library(GTest::${t} ALIAS ${t})
    endif()
  endforeach()
endif()
