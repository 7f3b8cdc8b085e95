#pragma once

#include <QString>

#include <utility>
#include <variant>

// A failure of the verse database: the file is missing, SQLite refused a
// statement, or a row did not decode.
struct DatabaseError {
    enum class Kind { ResourceNotFound, Sqlite, Decoding };
    Kind kind = Kind::Sqlite;
    QString message;
};

// A value or the error that prevented it.
template <class T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(DatabaseError error) : m_value(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_value); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(m_value); }
    T&& value() && { return std::get<T>(std::move(m_value)); }
    const DatabaseError& error() const { return std::get<DatabaseError>(m_value); }

private:
    std::variant<T, DatabaseError> m_value;
};
