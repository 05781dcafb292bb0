# Resource scripts compiled by kalvenrod-rc into C++ tables (see platform/core/Resources.h).
#
# kalvenrod_add_resources(<target> script.rc... [INCLUDES folder...])
#   The scripts' resources become built-in resources of <target> (a program or a shared
#   library; a static library could lose them at link time).
# kalvenrod_add_language_pack(<name> script.rc... [INCLUDES folder...] [DESTINATION folder])
#   A language pack <name>.so (in build/bin unless DESTINATION says otherwise), loaded by name
#   with LoadLibrary; its resources take precedence once it is the resource handle.

function(_kalvenrod_rc output kind)
  cmake_parse_arguments(R "" "DESTINATION" "INCLUDES" ${ARGN})
  set(scripts)
  foreach(script ${R_UNPARSED_ARGUMENTS})
    get_filename_component(script ${script} ABSOLUTE)
    list(APPEND scripts ${script})
  endforeach()
  set(includes)
  foreach(folder ${R_INCLUDES})
    get_filename_component(folder ${folder} ABSOLUTE)
    list(APPEND includes -I ${folder})
  endforeach()
  set(pack)
  if(kind STREQUAL "PACK")
    set(pack --pack)
  elseif(kind STREQUAL "PROGRAM")
    set(pack --program)
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND kalvenrod-rc ${pack} -o ${output} -d ${output}.d ${includes} ${scripts}
    DEPENDS kalvenrod-rc ${scripts}
    DEPFILE ${output}.d
    COMMENT "Compiling resources ${output}"
    VERBATIM)
endfunction()

function(kalvenrod_add_resources target)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    _kalvenrod_rc(${output} PROGRAM ${ARGN})
  else()
    _kalvenrod_rc(${output} BUILTIN ${ARGN})
  endif()
  target_sources(${target} PRIVATE ${output})
endfunction()

function(kalvenrod_add_language_pack name)
  cmake_parse_arguments(P "" "DESTINATION" "" ${ARGN})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.cpp)
  _kalvenrod_rc(${output} PACK ${ARGN})
  add_library(${name} MODULE ${output})
  if(NOT P_DESTINATION)
    set(P_DESTINATION ${KALVENROD_BIN_DIR})
  endif()
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".so" LIBRARY_OUTPUT_DIRECTORY ${P_DESTINATION})
endfunction()
