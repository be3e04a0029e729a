# Adds every subfolder of the current folder that has a CMakeLists.txt, so a
# new tool, test area or benchmark needs no edit here.
function(dormivo_add_subfolders)
  file(GLOB subdirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(sub ${subdirs})
    if(IS_DIRECTORY ${sub} AND EXISTS ${sub}/CMakeLists.txt)
      add_subdirectory(${sub})
    endif()
  endforeach()
endfunction()
