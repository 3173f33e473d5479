#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace quillby {
class VersionInfo;
}

namespace quillby::gui {

// The About box: the program's picture, its product name as the caption and its version values
// in a read-only text. It fills itself once, when it is made.
class TVersionAwareAbout final : public QDialog {
    Q_OBJECT
public:
    // `info`: the version information to show; none when the program carries none.
    explicit TVersionAwareAbout(const VersionInfo* info, QWidget* parent = nullptr);

    QLabel* Image1;
    QTextEdit* reVersionInfo;
    QPushButton* btnOK;

private:
    void FormCreate(const VersionInfo* info);
};

} // namespace quillby::gui
