// "波形显示设置": amplitude range (in force as soon as it is chosen) and display gain (in force on
// "应用" or "确定"; "关闭" drops a gain that was not applied). The gain group's caption follows the
// slider while it moves.
#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QSlider;

namespace kvt {

class CKVTDoc;

class CWaveViewSetDlg : public QDialog {
    Q_OBJECT
public:
    // `repaint` redraws the trace display after a setting changed.
    CWaveViewSetDlg(CKVTDoc& doc, std::function<void()> repaint, QWidget* parent = nullptr);

private:
    void ShowGainCaption(int gain);
    void ApplyGain();

    CKVTDoc& m_doc;
    std::function<void()> m_repaint;
    QComboBox* m_range;
    QGroupBox* m_gainGroup;
    QSlider* m_gain;
};

} // namespace kvt
