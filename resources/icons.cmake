# The artwork compiled into the desktop program, relative to resources/. qt_add_resources reads
# relative names from the folder that calls it, so the list is handed over as full paths.
set(KVT_ARTWORK
  icons/open.svg
  icons/save.svg
  icons/geometry.svg
  icons/resample.svg
  icons/area_edit.svg
  icons/operate.svg
  icons/delay.svg
  icons/shot_time.svg
  icons/normalise.svg
  icons/vertical_stack.svg
  icons/combine.svg
  icons/extract.svg
  icons/filter.svg
  icons/undo.svg
  icons/redo.svg
  icons/image_output.svg
  icons/h_stretch.svg
  icons/h_compress.svg
  icons/v_stretch.svg
  icons/v_compress.svg
  icons/close.svg
  icons/kvt.svg
)
list(TRANSFORM KVT_ARTWORK PREPEND "${CMAKE_CURRENT_LIST_DIR}/")
