# Artwork: every SVG in resources/artwork is rendered at build time to ":/image/<Name>.png" (the
# size the SVG declares) and ":/image/<Name>@2x.png" (twice that, picked by icons and style
# sheets on high-DPI screens). resources/artwork/renders.txt adds further renders of a source,
# one per line: "<source.svg> <output> [--scale S | --size WxH]" (e.g. the window icon as .ico).
# The images go into the generated resource file artwork.qrc (initialised as "artwork").
set(VEXATARN_ARTWORK_DIR ${PROJECT_SOURCE_DIR}/resources/artwork)

function(vexatarn_render_artwork out_qrc)
  add_executable(vexatarn-render-artwork ${PROJECT_SOURCE_DIR}/tools/render-artwork/main.cpp)
  target_link_libraries(vexatarn-render-artwork PRIVATE Qt5::Gui Qt5::Svg)

  set(_dir ${CMAKE_CURRENT_BINARY_DIR}/artwork)
  file(MAKE_DIRECTORY ${_dir}/image)
  set(_entries "")

  # _render(<source.svg> <output name> [options...])
  macro(_render _svg _out)
    set(_png ${_dir}/image/${_out})
    add_custom_command(OUTPUT ${_png}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:vexatarn-render-artwork> ${VEXATARN_ARTWORK_DIR}/${_svg} ${_png} ${ARGN}
      DEPENDS vexatarn-render-artwork ${VEXATARN_ARTWORK_DIR}/${_svg}
      COMMENT "Rendering ${_out}"
      VERBATIM)
    string(APPEND _entries "    <file alias=\"${_out}\">image/${_out}</file>\n")
  endmacro()

  file(GLOB _sources CONFIGURE_DEPENDS RELATIVE ${VEXATARN_ARTWORK_DIR} ${VEXATARN_ARTWORK_DIR}/*.svg)
  list(SORT _sources)
  foreach(_svg ${_sources})
    get_filename_component(_name ${_svg} NAME_WE)
    _render(${_svg} ${_name}.png)
    _render(${_svg} ${_name}@2x.png --scale 2)
  endforeach()

  set(_manifest ${VEXATARN_ARTWORK_DIR}/renders.txt)
  if(EXISTS ${_manifest})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_manifest})
    file(STRINGS ${_manifest} _lines REGEX "^[^#]")
    foreach(_line ${_lines})
      separate_arguments(_args UNIX_COMMAND "${_line}")
      _render(${_args})
    endforeach()
  endif()

  file(WRITE ${_dir}/artwork.qrc.in
"<RCC>
  <qresource prefix=\"/image\">
${_entries}  </qresource>
</RCC>
")
  configure_file(${_dir}/artwork.qrc.in ${_dir}/artwork.qrc COPYONLY)
  set(${out_qrc} ${_dir}/artwork.qrc PARENT_SCOPE)
endfunction()
