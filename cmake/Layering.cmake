# Fails when code of a lower layer includes a header of a higher one. Run by CTest as
#   cmake -DSOURCE_DIR=<tree> -P cmake/Layering.cmake
# Each rule: a folder, then the folders its code may include from (its own included). Tests,
# fuzz targets and test support are left out: they may include what they test with.
set(rules
  "platform/core:platform/core"
  "platform/dao:platform/core,platform/dao"
  "platform/gdi:platform/core,platform/gdi"
  "platform/ui:platform/core,platform/gdi,platform/ui"
  "platform/frame:platform/core,platform/gdi,platform/ui,platform/frame"
  "platform/ole:platform/core,platform/ole"
  "datalib:platform/core,platform/dao,datalib"
  "controls/grid:platform/core,platform/gdi,platform/ui,controls/grid"
  "controls/grid/fmt:platform/core,platform/gdi,platform/ui,datalib,common,controls/grid"
  "common:platform/core,datalib,common"
  "controls/dialogs:platform/core,platform/gdi,platform/ui,controls/grid,controls/dialogs"
  "controls/resizable:platform/core,platform/gdi,platform/ui,platform/frame,controls/resizable"
  "cadlink/bridge:platform/core,platform/ole,cadlink/bridge"
  "cadlink/buttons:platform/core,platform/gdi,platform/ui,platform/ole,cadlink/bridge,cadlink/buttons"
  "cadlink/standin:cadlink/standin"
  "hydraulics:platform/core,datalib,common,hydraulics"
  "hydraulics/dialogs:platform/core,platform/gdi,platform/ui,datalib,common,controls/dialogs,controls/grid,hydraulics"
  "hydraulics/ui:platform/core,platform/gdi,platform/ui,datalib,common,controls/dialogs,controls/grid,hydraulics,floorwall"
  "floorwall:platform/core,datalib,common,heatloss,hydraulics,floorwall"
  "floorwall/dialogs:platform/core,platform/gdi,platform/ui,datalib,common,controls/dialogs,controls/grid,controls/resizable,heatloss,hydraulics,floorwall"
  "heatloss/dialogs:platform/core,platform/gdi,platform/ui,platform/ole,datalib,common,controls/dialogs,controls/grid,cadlink/bridge,cadlink/buttons,heatloss,floorwall/dialogs")
# Folders of the tree that an include can name; an include of anything else is not ours.
set(known platform/core platform/dao platform/gdi platform/ui platform/frame platform/ole datalib common controls
    cadlink heatloss hydraulics floorwall app dataeditor testing)

# out: TRUE when header lies in one of the folders.
function(in_folders out header)
  set(${out} FALSE PARENT_SCOPE)
  foreach(folder ${ARGN})
    if(header MATCHES "^${folder}/")
      set(${out} TRUE PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# The folder of each rule: a subfolder with a rule of its own is checked by that rule alone.
set(rule_folders "")
foreach(rule ${rules})
  string(REGEX REPLACE ":.*" "" folder "${rule}")
  list(APPEND rule_folders ${folder})
endforeach()

set(failures "")
foreach(rule ${rules})
  string(REPLACE ":" ";" parts "${rule}")
  list(GET parts 0 folder)
  list(GET parts 1 allowed)
  string(REPLACE "," ";" allowed "${allowed}")
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    if(source MATCHES "/(tests|fuzz|testing)/")
      continue()
    endif()
    file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
    set(deeper FALSE)
    foreach(other ${rule_folders})
      if(NOT other STREQUAL folder AND other MATCHES "^${folder}/" AND relative MATCHES "^${other}/")
        set(deeper TRUE)
      endif()
    endforeach()
    if(deeper)
      continue()
    endif()
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      in_folders(ours "${header}" ${known})
      in_folders(allowed_here "${header}" ${allowed})
      if(ours AND NOT allowed_here)
        file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
        string(APPEND failures "${where} includes ${header}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "A lower layer includes a higher one:\n${failures}")
endif()
