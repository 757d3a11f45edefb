// "频散分析": the dispersion image of the open record in a window of its own, recomputed as the ranges
// change and as the record is edited, with the fundamental-mode curve picked on it by mouse or from
// the peak curve, and the picks, the picture or a printout taken away.
#pragma once

#include "algorithms/DispersionImage.h"
#include "document/ChangeSet.h"
#include "render/DispersionPlot.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTimer;

namespace kvt {

class CKVTDoc;
class DesktopPrompts;

class CDispersionDlg : public QDialog {
    Q_OBJECT
public:
    using PrinterPrompt = std::function<bool(QPrinter& printer, QWidget* owner)>;

    // The window of `parent` (made on first use, kept while the parent lives), shown and raised.
    static CDispersionDlg* Show(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent);

    CDispersionDlg(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent = nullptr);

    const DispersionImage& Image() const { return m_image; }
    // The picks in frequency order.
    const std::vector<DispersionPick>& Picks() const { return m_picks; }
    // The canvas layout of the last paint, for turning a frequency and velocity into a mouse position.
    const DispersionPlotLayout& Layout() const { return m_layout; }
    void SetPrintPrompt(PrinterPrompt prompt) { m_printPrompt = std::move(prompt); }

public slots:
    // Recomputes after an edit, a filter or an undo of the samples; another record also clears the
    // picks. The selection decides what "使用所选道" offers.
    void DocumentChanged(const ChangeSet& changes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    // The frequency range's top within the record's Nyquist frequency, so a new record starts usable.
    void FitFrequencyRange();
    DispersionOptions ReadOptions() const;
    void Recompute();
    void UpdateSelectionChoice();
    void UpdateButtons();

    void PaintCanvas();
    void MouseMoved(QPoint at);
    void MousePressed(QPoint at, Qt::MouseButton button);
    void AddPick(const DispersionPick& pick);
    void RemoveNearestPick(QPoint at);
    void PickPeaks();
    void ClearPicks();

    void ExportPicks();
    void ExportPicture();
    void PrintPicture();
    void ShowError(const QString& text);

    CKVTDoc& m_doc;
    DesktopPrompts& m_prompts;
    PrinterPrompt m_printPrompt;

    DispersionImage m_image;
    std::vector<DispersionPick> m_picks;
    DispersionPlotLayout m_layout;
    bool m_stale = false; // the record changed while the window was hidden

    QDoubleSpinBox* m_fMin = nullptr;
    QDoubleSpinBox* m_fMax = nullptr;
    QDoubleSpinBox* m_fStep = nullptr;
    QDoubleSpinBox* m_vMin = nullptr;
    QDoubleSpinBox* m_vMax = nullptr;
    QDoubleSpinBox* m_vStep = nullptr;
    QCheckBox* m_normalise = nullptr;
    QCheckBox* m_useSelection = nullptr;
    QCheckBox* m_showPeaks = nullptr;
    QPushButton* m_pickPeaks = nullptr;
    QPushButton* m_clearPicks = nullptr;
    QPushButton* m_exportPicks = nullptr;
    QPushButton* m_exportPicture = nullptr;
    QPushButton* m_print = nullptr;
    QLabel* m_pickCount = nullptr;
    QLabel* m_readout = nullptr;
    QLabel* m_status = nullptr;
    QWidget* m_canvas = nullptr;
    QTimer* m_debounce = nullptr;
};

} // namespace kvt
