// "谱曲线显示": the colours of the spectrum curve and the gate, what the spectrum view shows, and its
// background. Every change is written into the document and repaints the view at once; there is only
// a close button.
#pragma once

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;

namespace kvt {

class CColorButton;
class CKVTDoc;
struct FilterSettings;

class CFilterShowSetDlg : public QDialog {
    Q_OBJECT
public:
    // The colour the user picks, or nothing when the choice was cancelled.
    using ColorChooser = std::function<std::optional<QColor>(QWidget* owner)>;

    // `repaint` redraws the spectrum view. Without a chooser the standard colour dialog is used,
    // starting at black.
    CFilterShowSetDlg(CKVTDoc& doc, std::function<void()> repaint, QWidget* parent = nullptr,
                      ColorChooser chooser = {});

private:
    // Applies one change to the document's settings and repaints.
    void Change(const std::function<void(FilterSettings&)>& edit);
    void ChooseColor(CColorButton* button, uint32_t FilterSettings::*member);

    CKVTDoc& m_doc;
    std::function<void()> m_repaint;
    ColorChooser m_chooser;
    QCheckBox* m_controlPoints;
};

} // namespace kvt
