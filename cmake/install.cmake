# What `cmake --install` puts into the prefix: both programs, the public library and its one
# header, a CMake package (find_package(cellwright 1.0) -> cellwright::cellwright) and a
# pkg-config file. Nothing under src/ is installed.
include(CMakePackageConfigHelpers)

install(TARGETS cellwright_library EXPORT cellwrightTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/cellwright/cellwright.hpp
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cellwright)
install(TARGETS cellwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CELLWRIGHT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/cellwright)
install(EXPORT cellwrightTargets NAMESPACE cellwright:: DESTINATION ${CELLWRIGHT_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/cellwrightConfig.cmake.in
    ${PROJECT_BINARY_DIR}/cellwrightConfig.cmake
    INSTALL_DESTINATION ${CELLWRIGHT_CMAKE_DIR})
# Semantic versioning: any 1.y serves a program that asked for 1.x with x <= y.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/cellwrightConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/cellwrightConfig.cmake
    ${PROJECT_BINARY_DIR}/cellwrightConfigVersion.cmake
    DESTINATION ${CELLWRIGHT_CMAKE_DIR})

# The .pc file finds the prefix from its own place, so the installed tree may be moved.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
    message(FATAL_ERROR "cellwright.pc needs CMAKE_INSTALL_LIBDIR relative to the prefix")
endif()
file(RELATIVE_PATH CELLWRIGHT_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" CELLWRIGHT_PC_PREFIX "${CELLWRIGHT_PC_PREFIX}")
set(CELLWRIGHT_PC_DEFINES "")
if(WIN32 AND NOT BUILD_SHARED_LIBS)
    set(CELLWRIGHT_PC_DEFINES " -DCELLWRIGHT_STATIC")
endif()
# A static library's users link the threads it runs as well.
set(CELLWRIGHT_PC_LIBS "")
if(NOT BUILD_SHARED_LIBS)
    set(CELLWRIGHT_PC_LIBS " -pthread")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/cellwright.pc.in ${PROJECT_BINARY_DIR}/cellwright.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/cellwright.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
