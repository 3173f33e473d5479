#pragma once

#include "platform/Dataset.h"

#include <optional>
#include <string>

#include <QAbstractListModel>
#include <QComboBox>

namespace quillby::gui {

// The airports of the airport table, in the table's order (by name): the name is shown, the
// ICAO code is the key.
class AirportListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kCodeRole = Qt::UserRole;

    explicit AirportListModel(Dataset& airports, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The row of the first airport with the code, or -1.
    int rowOfCode(const std::string& code) const;
    std::string codeAt(int row) const;
    std::string nameAt(int row) const;

private:
    void findFields();
    void viewChanged();

    Dataset& m_airports;
    std::optional<std::size_t> m_code;
    std::optional<std::size_t> m_name;
};

// A chooser of one airport from the airport table. Its key value is an ICAO code; the text it
// shows is the name of the airport with that code, or nothing when no airport has it (the key
// value stays set all the same). The program sets the key value without any event; a choice by
// the user, also of the airport already shown, raises chosen(). Typing a name's first letters
// jumps to it.
class AirportChooser final : public QComboBox {
    Q_OBJECT
public:
    explicit AirportChooser(Dataset& airports, QWidget* parent = nullptr);

    void setKeyValue(const std::string& code);
    const std::string& keyValue() const { return m_keyValue; }
    // The name shown, "" when none.
    std::string text() const;

signals:
    void chosen();

private:
    void showKeyValue();

    AirportListModel* m_model;
    std::string m_keyValue;
};

} // namespace quillby::gui
