#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace quillby::gui {

class AirportChooser;
class TForm1;

// The Options dialog: not modal, made once and hidden and shown again. Its first page sets
// the default airport, the airport the board opens on at the next start; the other controls do
// nothing yet. It keeps what the user left in it while hidden.
class TPagesDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TPagesDlg(TForm1& mainWindow);

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QLabel* Label1;
    QLineEdit* CloseMin;
    QLabel* Label2;
    AirportChooser* DBLookupComboBox1;
    QPushButton* Button1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    void OKBtnClick();
    void CancelBtnClick();

private:
    void FormCreate();

    TForm1& m_main;
};

} // namespace quillby::gui
