// "关于 KVT": the icon, the program's name and version text, and the maker's web address as a link.
#pragma once

#include <QDialog>

namespace kvt {

inline constexpr const char* kMakerAddress = "https://kvt.example.org";

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const QString& version, QWidget* parent = nullptr);
};

} // namespace kvt
