# Third-party code comes from Debian: packaged libraries natively, Debian's
# own source packages compiled with the cross compiler for the Windows builds.
# Nothing of it lives in the repository.
set(LEXORA_DEPS_DIR ${CMAKE_BINARY_DIR}/deps)

if(LEXORA_WINDOWS)
  # TinyXML: Debian ships no mingw build, so compile its source package.
  set(_tx ${LEXORA_DEPS_DIR}/tinyxml)
  if(NOT EXISTS ${_tx}/tinyxml.h)
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-tinyxml.sh ${_tx}
                    RESULT_VARIABLE _tx_rc)
    if(NOT _tx_rc EQUAL 0)
      message(FATAL_ERROR "Could not fetch TinyXML's source (scripts/fetch-tinyxml.sh)")
    endif()
  endif()
  add_library(tinyxml STATIC ${_tx}/tinyxml.cpp ${_tx}/tinyxmlparser.cpp
                             ${_tx}/tinyxmlerror.cpp ${_tx}/tinystr.cpp)
  target_include_directories(tinyxml SYSTEM PUBLIC ${_tx})
  target_compile_definitions(tinyxml PUBLIC TIXML_USE_STL)
  target_compile_options(tinyxml PRIVATE -w)

  # nlohmann/json is header-only; give the cross compiler just that folder.
  file(MAKE_DIRECTORY ${LEXORA_DEPS_DIR}/include)
  if(NOT EXISTS ${LEXORA_DEPS_DIR}/include/nlohmann)
    file(CREATE_LINK /usr/include/nlohmann ${LEXORA_DEPS_DIR}/include/nlohmann SYMBOLIC)
  endif()
  add_library(nlohmann_json INTERFACE)
  target_include_directories(nlohmann_json SYSTEM INTERFACE ${LEXORA_DEPS_DIR}/include)
  add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)

  # GoogleTest from Debian's source copy (package googletest), for the tests
  # that run under Wine (both the 32-bit and the 64-bit test host).
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${LEXORA_DEPS_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_library(TINYXML_LIBRARY NAMES tinyxml REQUIRED)
  find_path(TINYXML_INCLUDE_DIR tinyxml.h REQUIRED)
  add_library(tinyxml INTERFACE)
  target_link_libraries(tinyxml INTERFACE ${TINYXML_LIBRARY})
  target_include_directories(tinyxml SYSTEM INTERFACE ${TINYXML_INCLUDE_DIR})
  # Debian builds its TinyXML with the STL interface; stay consistent.
  target_compile_definitions(tinyxml INTERFACE TIXML_USE_STL)

  find_package(nlohmann_json 3 REQUIRED)
  if(NOT LEXORA_FUZZ)
    find_package(GTest REQUIRED)
  endif()
  if(LEXORA_BENCH)
    find_package(benchmark REQUIRED)
  endif()
endif()
