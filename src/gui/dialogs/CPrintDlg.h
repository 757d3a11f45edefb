// "打印": the four page margins (millimetres, kept in the document for the whole run), a preview of
// the page, the printer setup, and printing the section on one page. The dialog stays open after
// printing; "取消" closes it.
#pragma once

#include <QDialog>
#include <QPrinter>

#include <functional>

class QGroupBox;
class QLineEdit;

namespace kvt {

class CKVTDoc;
class CMainFormView;

class CPrintDlg : public QDialog {
    Q_OBJECT
public:
    // Asks about the printer before printing or in the setup; false when the user cancelled.
    using PrinterPrompt = std::function<bool(QPrinter& printer, QWidget* owner)>;

    // The page in the preview is the preview area less this on every side.
    static constexpr int kPreviewInset = 40;
    static constexpr int kShadowOffset = 10;

    CPrintDlg(CKVTDoc& doc, CMainFormView& view, QWidget* parent = nullptr);

    QPrinter& Printer() { return m_printer; }
    // Replace the print dialog and the page setup dialog (a test answers without a box).
    void SetPrintPrompt(PrinterPrompt prompt) { m_printPrompt = std::move(prompt); }
    void SetSetupPrompt(PrinterPrompt prompt) { m_setupPrompt = std::move(prompt); }

    // The preview's page and the picture on it, in dialog coordinates; the picture is empty when the
    // margins leave no room.
    QRect PreviewPage() const;
    QRect PreviewPicture() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The edits into the document's margins, unchecked.
    void ReadMargins();
    void Refresh();
    void PrinterSetup();
    void PrintSection();
    // A margin in screen pixels, at least 1.
    int PreviewMargin(int32_t millimetres, int dpi) const;
    void DrawPreview();

    CKVTDoc& m_doc;
    CMainFormView& m_view;
    QPrinter m_printer{QPrinter::HighResolution};
    PrinterPrompt m_printPrompt;
    PrinterPrompt m_setupPrompt;

    QLineEdit* m_left;
    QLineEdit* m_top;
    QLineEdit* m_right;
    QLineEdit* m_bottom;
    QGroupBox* m_preview;
    // Lies over the preview group box, so that the page is drawn above whatever the style paints
    // inside a group box.
    QWidget* m_canvas;
};

} // namespace kvt
