# What Windows shows of a program comes from resources inside its exe: the icon
# in Explorer and the taskbar, the version in its properties, and the manifest
# that opts in to per-monitor DPI, the UTF-8 code page and common controls 6.
enable_language(RC)

set(tarvo_windows_dir ${CMAKE_CURRENT_LIST_DIR})

# Explorer takes the icon only from the exe; it is packed from the same
# pictures the Linux desktop uses (PNG for 256 pixels, as Windows expects).
function(tarvo_windows_icon output)
  find_program(TARVO_ICOTOOL icotool REQUIRED)
  set(icons ${PROJECT_SOURCE_DIR}/packaging/icons)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${TARVO_ICOTOOL} -c -o ${output} ${icons}/16x16.png ${icons}/32x32.png ${icons}/48x48.png
            -r ${icons}/256x256.png
    DEPENDS ${icons}/16x16.png ${icons}/32x32.png ${icons}/48x48.png ${icons}/256x256.png
    COMMENT "Packing the program icon"
    VERBATIM)
endfunction()

# tarvo_windows_resources(TARGET DESCRIPTION_EN DESCRIPTION_JA [ICON])
function(tarvo_windows_resources target description_en description_ja)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources)
  set(TARVO_RC_NAME ${target})
  set(TARVO_RC_DESCRIPTION_EN "${description_en}")
  set(TARVO_RC_DESCRIPTION_JA "${description_ja}")
  set(TARVO_RC_MANIFEST ${work}/${target}.manifest)
  set(TARVO_RC_ICON "")
  set(depends ${TARVO_RC_MANIFEST})
  if("ICON" IN_LIST ARGN)
    set(icon ${work}/${target}.ico)
    tarvo_windows_icon(${icon})
    # Qt gives its windows the icon of this name.
    set(TARVO_RC_ICON "IDI_ICON1 ICON \"${icon}\"")
    list(APPEND depends ${icon})
  endif()
  configure_file(${tarvo_windows_dir}/application.manifest.in ${TARVO_RC_MANIFEST} @ONLY)
  configure_file(${tarvo_windows_dir}/resources.rc.in ${work}/${target}.rc @ONLY)
  set_source_files_properties(${work}/${target}.rc PROPERTIES OBJECT_DEPENDS "${depends}")
  target_sources(${target} PRIVATE ${work}/${target}.rc)
endfunction()
