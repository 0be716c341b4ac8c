# Fails when a file includes a header of a folder its own folder may not use, when an engine
# file includes Qt, or when an include climbs out of its folder ("../").
#   cmake -DSOURCE_DIR=<project> -P cmake/check_layers.cmake
#
# The build enforces the same order (each layer is a library that sees only its own headers and
# those below); this check runs first and names every fault at once.
#
# Engine folders, lowest first: each may use the folders listed for it, never Qt.
set(uses_core core)
set(uses_files core files)
set(uses_workspace core files workspace)
set(uses_segments core files workspace segments)
set(uses_generate core files workspace segments generate)
set(uses_report core files workspace segments report)
set(uses_tools core files workspace tools)
set(uses_extract core files workspace tools extract)
set(engine_folders core files workspace segments generate report tools extract)
# Above the engine: the forms (ui/ and its feature folders), the shell on top, and the command
# line beside them.
set(uses_ui ${engine_folders} ui)
set(uses_shell ${engine_folders} ui shell)
set(uses_cli ${engine_folders} cli)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layers: SOURCE_DIR is not set")
endif()

set(faults "")
foreach(folder ${engine_folders} ui shell cli)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(FIND engine_folders ${folder} is_engine)
  foreach(source ${sources})
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      if(line MATCHES "\"\\.\\./")
        string(APPEND faults "\n  ${shown}: an include names its header from the project's top (${line})")
      elseif(is_engine GREATER -1 AND (line MATCHES "<Q[A-Za-z]*>" OR line MATCHES "<Qt[A-Za-z]*/"))
        string(APPEND faults "\n  ${shown}: engine code may not use Qt (${line})")
      elseif(line MATCHES "\"([a-z_]+)/[^\"]+\"")
        set(used ${CMAKE_MATCH_1})
        if(DEFINED uses_${used})  # tests/, bench/, fuzz/: not a layer
          list(FIND uses_${folder} ${used} allowed)
          if(allowed EQUAL -1)
            string(APPEND faults "\n  ${shown}: ${folder}/ may not use ${used}/ (${line})")
          endif()
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "The layers run one way: a folder uses only the folders below it.${faults}")
endif()
