// "图像输出": the section as a picture file, either the size of the main view's window (屏幕拷贝) or
// a size typed in (定义尺寸). The picture is the one printing uses, without the editing overlays.
// The dialog stays open after each file; "取消" closes it.
#pragma once

#include <QDialog>

#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kvt {

class CKVTDoc;
class CMainFormView;
class DesktopPrompts;

class CBmpSaveDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int32_t kDefaultWidth = 1024;
    static constexpr int32_t kDefaultHeight = 768;

    CBmpSaveDlg(CKVTDoc& doc, CMainFormView& view, DesktopPrompts& prompts, QWidget* parent = nullptr);

    // 0 screen copy, 1 defined size.
    int32_t OutputMode() const { return m_nOutputMode; }
    // The last accepted size.
    int32_t ImageWidth() const { return m_nWidth; }
    int32_t ImageHeight() const { return m_nHeight; }

private:
    void SetOutputMode(int32_t mode);
    // The edits from the stored size; the size controls enabled only for a defined size.
    void UpdateControls();
    // Accepts a positive width and height from the edits, says which one is wrong, and shows the
    // stored values again either way.
    bool ValidateSize();
    void OutputPicture();

    CKVTDoc& m_doc;
    CMainFormView& m_view;
    DesktopPrompts& m_prompts;

    int32_t m_nOutputMode = 0;
    int32_t m_nHeight = kDefaultHeight;
    int32_t m_nWidth = kDefaultWidth;

    QRadioButton* m_screenCopy;
    QRadioButton* m_definedSize;
    QGroupBox* m_sizeGroup;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    QLineEdit* m_width;
    QLineEdit* m_height;
};

} // namespace kvt
