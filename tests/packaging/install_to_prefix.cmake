# SPDX-License-Identifier: GPL-3.0-or-later
# A fresh installation of the build BUILD into PREFIX, as `cmake --install`
# makes it for a school's IT person; then the layout they expect.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(path bin/quorvia bin/quorvia-check bin/quorvia-report share/quorvia/RISORSE/GENERALE.INI
             share/quorvia/RISORSE/Help.pdf share/doc/quorvia/copyright)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "missing from the installation: ${path}")
  endif()
endforeach()
file(GLOB data_in_bin ${PREFIX}/bin/RISORSE)
if(data_in_bin)
  message(FATAL_ERROR "the resource folder belongs in share/quorvia, not in bin/")
endif()
