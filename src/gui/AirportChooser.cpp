#include "gui/AirportChooser.h"

#include "data/Schemas.h"
#include "gui/GuiText.h"

#include <QAbstractItemView>
#include <QListView>

namespace quillby::gui {

AirportListModel::AirportListModel(Dataset& airports, QObject* parent)
    : QAbstractListModel(parent), m_airports(airports) {
    // The reset begins before the table's view changes, as Qt asks, and ends after it.
    m_airports.addViewChangedHandler([this] { viewChanged(); }, [this] { beginResetModel(); });
    findFields();
}

void AirportListModel::findFields() {
    m_code = m_airports.table().findField(airportTable::kIcaoCode);
    m_name = m_airports.table().findField(airportTable::kDescription);
}

void AirportListModel::viewChanged() {
    findFields();
    endResetModel();
}

int AirportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid()
               ? 0
               : static_cast<int>(std::min<std::size_t>(m_airports.rowCount(), INT_MAX));
}

std::string AirportListModel::codeAt(int row) const {
    return m_code ? std::string(m_airports.text(static_cast<std::size_t>(row), *m_code))
                  : std::string();
}

std::string AirportListModel::nameAt(int row) const {
    return m_name ? std::string(m_airports.text(static_cast<std::size_t>(row), *m_name))
                  : std::string();
}

QVariant AirportListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return fromWindows1252(nameAt(index.row()));
    }
    if (role == kCodeRole) {
        return fromWindows1252(codeAt(index.row()));
    }
    return {};
}

int AirportListModel::rowOfCode(const std::string& code) const {
    if (!m_code) {
        return -1;
    }
    for (std::size_t row = 0; row < m_airports.rowCount(); ++row) {
        if (m_airports.text(row, *m_code) == code) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

AirportChooser::AirportChooser(Dataset& airports, QWidget* parent)
    : QComboBox(parent), m_model(new AirportListModel(airports, this)) {
    // Tens of thousands of airports: rows of one height, and no measuring of every name.
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    setView(list);
    setModel(m_model);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A drop-down list of sixteen rows: some styles would otherwise open a list of thousands of
    // airports over the whole screen.
    setMaxVisibleItems(16);
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    connect(this, &QComboBox::activated, this, [this](int row) {
        m_keyValue = m_model->codeAt(row);
        emit chosen();
    });
    // A new airport table (or a closed one) shows the key value's airport anew.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { showKeyValue(); });
    showKeyValue();
}

void AirportChooser::setKeyValue(const std::string& code) {
    m_keyValue = code;
    showKeyValue();
}

void AirportChooser::showKeyValue() {
    setCurrentIndex(m_model->rowOfCode(m_keyValue));
}

std::string AirportChooser::text() const {
    return currentIndex() < 0 ? std::string() : m_model->nameAt(currentIndex());
}

} // namespace quillby::gui
