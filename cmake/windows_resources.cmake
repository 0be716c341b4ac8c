# telqor_windows_resources(TARGET PROGRAM DESCRIPTION): on Windows, the program's icon and version
# information (packaging/windows/version.rc.in) built into TARGET, so Explorer, the taskbar and
# the file's properties show them.
function(telqor_windows_resources target program description)
  if(NOT WIN32)
    return()
  endif()
  set(TELQOR_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/telqor.ico)
  set(TELQOR_PROGRAM ${program})
  set(TELQOR_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
