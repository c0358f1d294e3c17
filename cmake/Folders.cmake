# Each source folder is one static library of the .cpp files in it. Files
# ending in _win32.cpp build only for Windows, _posix.cpp only elsewhere.

function(lexora_folder_sources out folder)
  file(GLOB _all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  set(_keep)
  foreach(f IN LISTS _all)
    if(LEXORA_WINDOWS AND f MATCHES "_posix\\.cpp$")
      continue()
    endif()
    if(NOT LEXORA_WINDOWS AND f MATCHES "_win32\\.cpp$")
      continue()
    endif()
    list(APPEND _keep ${f})
  endforeach()
  set(${out} ${_keep} PARENT_SCOPE)
endfunction()

function(lexora_folder_library name folder)
  lexora_folder_sources(_src ${folder})
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# Embeds a file as a named resource for builds without Windows resources:
# the bytes become an array that platform/ finds by name.
function(lexora_embed_resource target name file)
  if(LEXORA_WINDOWS)
    return()
  endif()
  set(_out ${CMAKE_BINARY_DIR}/generated/resource_${name}.cpp)
  add_custom_command(
    OUTPUT ${_out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${_out} -DNAME=${name}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${file} ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
    VERBATIM)
  target_sources(${target} PRIVATE ${_out})
endfunction()

# A library of a folder's portable sources plus one backend subfolder: the
# first backend on Windows builds, the second elsewhere.
function(lexora_backend_library name folder windows_backend other_backend)
  lexora_folder_sources(_src ${folder})
  if(LEXORA_WINDOWS)
    set(_backend ${windows_backend})
  else()
    set(_backend ${other_backend})
  endif()
  file(GLOB _backend_src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/${_backend}/*.cpp)
  add_library(${name} STATIC ${_src} ${_backend_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()
