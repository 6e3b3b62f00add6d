# Test fixture: a fresh install of the build into PREFIX (the folder above it is emptied first).
#   cmake -DBUILD_DIR=<build> -DPREFIX=<root>/usr -P InstallToPrefix.cmake
get_filename_component(root "${PREFIX}" DIRECTORY)
file(REMOVE_RECURSE "${root}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
