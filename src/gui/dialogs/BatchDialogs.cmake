# The resample, file-list, channel-extraction and stacking dialogs.
target_sources(kvt_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CBatchResampleDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CChannelCollectDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CCombineFileDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CFileListDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CResampleDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CVerticalAddDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResampleParamsPane.cpp
)
