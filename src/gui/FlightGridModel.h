#pragma once

#include "platform/Dataset.h"

#include <array>
#include <optional>

#include <QAbstractTableModel>

namespace quillby::gui {

// The timetable grid's rows: the flight table's current view (its filter and order), read in
// place, in the grid's eight columns. Nothing is copied; a change of the view resets the model.
class FlightGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlightGridModel(Dataset& flights, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void findFields();
    void viewChanged();

    Dataset& m_flights;
    std::array<std::optional<std::size_t>, 8> m_fields; // the table's field of each column
};

} // namespace quillby::gui
