#include "gui/FileDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace quillby::gui {

QString qtNameFilters(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return entries.join(";;");
}

std::optional<std::filesystem::path> chooseFileToOpen(QWidget* parent, std::string_view filter,
                                                      const std::filesystem::path& folder) {
    QFileDialog dialog(parent, "Open", QString::fromStdString(folder.string()));
    dialog.setObjectName("OpenDialog1");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog on every system, so that names match without regard to case everywhere
    // (a filter without QDir::CaseSensitive), and descriptions show without their pattern.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives);
    dialog.setNameFilter(qtNameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

} // namespace quillby::gui
