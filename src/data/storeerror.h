#pragma once

#include <QString>

#include <stdexcept>

namespace lexora {

// The one error type of the item store. Every failure carries a kind, so that a
// screen can tell a taken key from a broken file, and a message a person can read.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        NotFound,     // the database file does not exist
        NotADatabase, // the file exists but is not an item database
        ReadOnly,     // the file cannot be written
        DuplicateKey, // a write would break a unique index
        BadCriterion, // a criteria text cannot be parsed
        UnknownField, // a field, table or index name the database does not have
        BadValue,     // a value that the field cannot hold
        NoCurrentRow, // the view stands before the first or after the last row
        Busy,         // another program holds the file locked
        Io            // any other failure of the storage engine
    };

    StoreError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message) {}

    Kind kind() const { return m_kind; }
    // True for a fault of the file itself (missing, damaged, read-only, locked, failing),
    // as opposed to an ordinary outcome such as a taken key or a move past the last row.
    bool isFileFault() const {
        return m_kind == Kind::NotFound || m_kind == Kind::NotADatabase || m_kind == Kind::ReadOnly ||
               m_kind == Kind::Busy || m_kind == Kind::Io;
    }
    QString message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace lexora
