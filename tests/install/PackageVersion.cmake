# Test: the newest entry of debian/changelog, without its Debian revision, is the project's
# version, which --version, the window caption and the AppStream release entry show.
#   cmake -DCHANGELOG=<debian/changelog> -DVERSION=<project version> -P PackageVersion.cmake
file(STRINGS "${CHANGELOG}" first LIMIT_COUNT 1)
if(NOT first MATCHES "^niveau \\(([^ )]+)\\) ")
  message(FATAL_ERROR "${CHANGELOG} does not begin with an entry 'niveau (<version>) ...': ${first}")
endif()
set(package "${CMAKE_MATCH_1}")
string(REGEX REPLACE "-[^-]+$" "" upstream "${package}")
if(NOT upstream STREQUAL VERSION)
  message(FATAL_ERROR "debian/changelog is at ${package}, project(VERSION) at ${VERSION}: "
                      "add a changelog entry for ${VERSION}")
endif()
message(STATUS "debian/changelog ${package} matches project(VERSION) ${VERSION}")
