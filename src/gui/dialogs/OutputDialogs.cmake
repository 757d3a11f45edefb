# The geometry, image output and print dialogs.
target_sources(kvt_gui PRIVATE
  controls/CHeaderCtrlEx.cpp
  controls/CMyEdit.cpp
  controls/CTipListCtrl.cpp
  dialogs/CBmpSaveDlg.cpp
  dialogs/CParamSortDlg.cpp
  dialogs/CPrintDlg.cpp
)
