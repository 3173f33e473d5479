#include "gui/FlightGridModel.h"

#include "gui/GuiText.h"
#include "view/BoardColumns.h"

namespace quillby::gui {

FlightGridModel::FlightGridModel(Dataset& flights, QObject* parent)
    : QAbstractTableModel(parent), m_flights(flights) {
    // The reset begins before the table's view changes, as Qt asks, and ends after it.
    m_flights.addViewChangedHandler([this] { viewChanged(); }, [this] { beginResetModel(); });
    findFields();
}

void FlightGridModel::findFields() {
    for (std::size_t c = 0; c < kBoardColumns.size(); ++c) {
        m_fields[c] = m_flights.table().findField(kBoardColumns[c].field);
    }
}

void FlightGridModel::viewChanged() {
    findFields();
    endResetModel();
}

int FlightGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid()
               ? 0
               : static_cast<int>(std::min<std::size_t>(m_flights.rowCount(), INT_MAX));
}

int FlightGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kBoardColumns.size());
}

QVariant FlightGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const auto field = m_fields[static_cast<std::size_t>(index.column())];
    if (!field) {
        return {};
    }
    return fromWindows1252(m_flights.text(static_cast<std::size_t>(index.row()), *field));
}

QVariant FlightGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(kBoardColumns.size())) {
        return {};
    }
    return QString::fromUtf8(
        kBoardColumns[static_cast<std::size_t>(section)].title.data(),
        static_cast<qsizetype>(kBoardColumns[static_cast<std::size_t>(section)].title.size()));
}

} // namespace quillby::gui
