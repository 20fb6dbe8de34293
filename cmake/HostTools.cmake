# Builds cmake/HostTools with the build machine's compiler, inside the Windows build,
# and names its programs for the rules that run them:
#   VORNEX_RCGEN            vornex-rcgen
#   VORNEX_MAKE_SAMPLES     vornex-make-samples
include(ExternalProject)

set(VORNEX_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(VORNEX_RCGEN ${VORNEX_HOST_TOOLS_DIR}/bin/vornex-rcgen)
set(VORNEX_MAKE_SAMPLES ${VORNEX_HOST_TOOLS_DIR}/bin/vornex-make-samples)

ExternalProject_Add(vornex_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/HostTools
  BINARY_DIR ${VORNEX_HOST_TOOLS_DIR}
  CMAKE_ARGS -DVORNEX_SOURCE_DIR=${PROJECT_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build . -j2
  BUILD_ALWAYS TRUE
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${VORNEX_RCGEN} ${VORNEX_MAKE_SAMPLES}
)
