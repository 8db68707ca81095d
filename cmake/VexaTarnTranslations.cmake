# Translations: every area of src/ keeps its own Simplified (chs) and Traditional (cht) Chinese
# .ts files in resources/translations/<area>_<lang>.ts, so parallel work on different areas
# never touches the same file. lrelease joins them into one .qm per language.
# scripts/update-translations runs lupdate; the test "translations" fails on unfinished entries
# and on texts in the sources that no .ts file carries yet.
set(VEXATARN_TS_DIR ${PROJECT_SOURCE_DIR}/resources/translations)
set(VEXATARN_TRANSLATION_AREAS app link model editors admin files assistant)

function(vexatarn_build_translations out_qrc)
  get_target_property(_lrelease Qt5::lrelease IMPORTED_LOCATION)
  set(_dir ${CMAKE_CURRENT_BINARY_DIR}/generated)
  file(MAKE_DIRECTORY ${_dir}/translations)
  set(_entries "")
  foreach(_lang en chs cht)
    if(_lang STREQUAL "en")
      set(_ts ${VEXATARN_TS_DIR}/en.ts)
    else()
      file(GLOB _ts CONFIGURE_DEPENDS ${VEXATARN_TS_DIR}/*_${_lang}.ts)
      list(SORT _ts)
    endif()
    set(_qm ${_dir}/translations/${_lang}.qm)
    add_custom_command(OUTPUT ${_qm}
      COMMAND ${_lrelease} -silent ${_ts} -qm ${_qm}
      DEPENDS ${_ts}
      COMMENT "Releasing ${_lang} translation")
    string(APPEND _entries "    <file alias=\"${_lang}.qm\">translations/${_lang}.qm</file>\n")
  endforeach()

  # The icon font comes from Debian's fonts-font-awesome at build time.
  find_file(VEXATARN_FONTAWESOME FontAwesome.otf
    PATHS /usr/share/fonts/opentype/font-awesome /usr/share/fonts-font-awesome/fonts
    NO_DEFAULT_PATH)
  if(NOT VEXATARN_FONTAWESOME)
    message(FATAL_ERROR "FontAwesome.otf not found: install fonts-font-awesome (scripts/install-deps)")
  endif()
  configure_file(${VEXATARN_FONTAWESOME} ${_dir}/FontAwesome.otf COPYONLY)

  file(WRITE ${_dir}/generated.qrc.in
"<RCC>
  <qresource prefix=\"/translation\">
${_entries}  </qresource>
  <qresource prefix=\"/font\">
    <file alias=\"FontAwesome.otf\">FontAwesome.otf</file>
  </qresource>
</RCC>
")
  configure_file(${_dir}/generated.qrc.in ${_dir}/generated.qrc COPYONLY)
  set(${out_qrc} ${_dir}/generated.qrc PARENT_SCOPE)
endfunction()
