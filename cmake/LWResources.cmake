# Resource helpers: the program's documents, profiles and assets are carried
# as Qt resources at fixed paths (":/LWHome/LWHomeWindow.qml" and so on).
# A folder of the source tree maps onto the resource root, so the file
# qml/LWHome/LWHomeWindow.qml becomes ":/LWHome/LWHomeWindow.qml".

find_program(LW_RCC NAMES rcc-qt5 rcc PATHS /usr/lib/qt5/bin /usr/lib/x86_64-linux-gnu/qt5/bin REQUIRED)

# lw_resource_tree(<out_var> <name> <dir>)
# Writes <name>.qrc listing every file under <dir> and compiles it.
# The compiled resource is initialised with Q_INIT_RESOURCE(<name>).
function(lw_resource_tree out_var name dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE "${dir}" "${dir}/*")
  list(FILTER files EXCLUDE REGEX "(^|/)\\.")
  list(FILTER files EXCLUDE REGEX "(^|/)README\\.md$")
  # assets/desktop/ holds what an installation puts beside the program (the
  # theme icons); the program never reads it, so it is not carried.
  list(FILTER files EXCLUDE REGEX "^desktop/")
  list(SORT files)
  set(body "<RCC>\n  <qresource prefix=\"/\">\n")
  set(deps "")
  foreach(f IN LISTS files)
    string(APPEND body "    <file alias=\"${f}\">${dir}/${f}</file>\n")
    list(APPEND deps "${dir}/${f}")
  endforeach()
  string(APPEND body "  </qresource>\n</RCC>\n")
  set(qrc "${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc")
  file(WRITE "${qrc}.in" "${body}")
  configure_file("${qrc}.in" "${qrc}" COPYONLY)
  lw_compile_qrc(out "${name}" "${qrc}" ${deps})
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()

# lw_compile_qrc(<out_var> <name> <qrc> <depends...>)
function(lw_compile_qrc out_var name qrc)
  set(cpp "${CMAKE_CURRENT_BINARY_DIR}/qrc_${name}.cpp")
  add_custom_command(
    OUTPUT "${cpp}"
    COMMAND "${LW_RCC}" --name "${name}" --output "${cpp}" "${qrc}"
    DEPENDS "${qrc}" ${ARGN}
    COMMENT "Compiling resources ${name}"
    VERBATIM)
  set(${out_var} "${cpp}" PARENT_SCOPE)
endfunction()
