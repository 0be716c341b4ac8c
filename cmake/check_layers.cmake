# Fails when a file includes a header of a folder its own folder may not use, when an engine
# file includes Qt, or when an include climbs out of its folder ("../").
#   cmake -DSOURCE_DIR=<project> -DRULES=<build>/layers/rules.cmake -P cmake/check_layers.cmake
#
# The build enforces the same order (each layer is a library that sees only its own headers and
# those below); this check runs first and names every fault at once.
#
# RULES is the file the build writes from the layers' declarations in CMakeLists.txt:
# uses_FOLDER (the folders FOLDER may use), shared_FOLDER (the one folder its feature folders
# share), engine_folders (never Qt) and layer_folders (every folder to check).
if(NOT SOURCE_DIR OR NOT RULES)
  message(FATAL_ERROR "check_layers: SOURCE_DIR and RULES must be set")
endif()
include(${RULES})

set(faults "")
foreach(folder ${layer_folders})
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(FIND engine_folders ${folder} is_engine)
  foreach(source ${sources})
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    # The feature folder the file is in (ui/extract), when its layer has feature folders.
    set(feature "")
    if(DEFINED shared_${folder} AND shown MATCHES "^${folder}/([a-z_]+)/")
      set(feature ${CMAKE_MATCH_1})
    endif()
    foreach(line ${includes})
      set(other_feature "")
      if(feature AND line MATCHES "\"${folder}/([a-z_]+)/")
        if(NOT CMAKE_MATCH_1 STREQUAL feature AND NOT CMAKE_MATCH_1 STREQUAL shared_${folder})
          set(other_feature ${CMAKE_MATCH_1})
        endif()
      endif()
      if(line MATCHES "\"\\.\\./")
        string(APPEND faults "\n  ${shown}: an include names its header from the project's top (${line})")
      elseif(is_engine GREATER -1 AND (line MATCHES "<Q[A-Za-z]*>" OR line MATCHES "<Qt[A-Za-z]*/"))
        string(APPEND faults "\n  ${shown}: engine code may not use Qt (${line})")
      elseif(other_feature)
        string(APPEND faults "\n  ${shown}: ${folder}/${feature}/ may not use ${folder}/${other_feature}/, only ${folder}/${shared_${folder}}/ (${line})")
      elseif(line MATCHES "\"([a-z_/]+)/[^\"/]+\"")
        # The layer of the header: the longest layer folder its path starts with (core/text,
        # not core); tests/, bench/ and fuzz/ are no layer.
        set(header_folder ${CMAKE_MATCH_1})
        set(used "")
        foreach(candidate ${layer_folders})
          string(LENGTH "${candidate}" length)
          string(LENGTH "${used}" used_length)
          if((header_folder STREQUAL candidate OR header_folder MATCHES "^${candidate}/") AND length GREATER used_length)
            set(used ${candidate})
          endif()
        endforeach()
        if(used)
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
