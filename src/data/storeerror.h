// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace lexora {

// The one error type of the item store. Every failure carries a kind, so that a screen can
// tell a taken key from a broken file, and a reason with its details (the path, the field,
// the value ...), from which the message catalogue (text/messages.h) makes the text a person
// reads, in the working language. The store itself holds no display texts.
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

    // Why the store failed. The comment names the details, in their order.
    enum class Reason {
        Described,          // text: a description given where the failure arose
        FileMissing,        // path
        NotAFile,           // path
        CannotOpen,         // path
        TableMissing,       // path, table
        FieldMissing,       // path, table, field
        NotItemDatabase,    // path, engine's description
        Damaged,            // path, the integrity check's verdict
        ForeignObject,      // path, object: the file holds something an item database has not
        MovedOrDeleted,     // path
        FileReadOnly,       // path
        FolderReadOnly,     // path
        InUse,              // path
        TookTooLong,        // path: a statement interrupted because it took too long
        EngineFailure,      // path, step (one of the Step names below), engine's description
        ValueTaken,         // engine's description of the index
        DatabaseNotOpen,    // path
        ViewNotOpen,        // -
        NoCurrentItem,      // -
        ItemDeleted,        // -
        NotEditing,         // -
        NoSuchTable,        // table
        NoSuchField,        // table, field
        NoSuchIndex,        // table, index
        NoIndexChosen,      // -
        NotWholeNumber,     // field, lowest, highest, value
        TooLong,            // field, longest, value
        EmptyNumber,        // field: a number that must not be left empty
        NumberTooLarge,     // number
        NothingSelected,    // -
        NoNumberToDraw,     // -
        NoFreePlace,        // item number
        NoFreeValue,        // field: every value a unique field can hold is taken
        BankUnreadable,     // path
        CannotWrite,        // path
        UnclosedBracket,    // -
        UnclosedQuote,      // quotation mark
        MisplacedCharacter, // character
        EmptyCriterion,     // -
        NestedTooDeep,      // depth
        CriterionEndsEarly, // -
        FieldNameExpected,  // the word found instead
        ComparisonExpected, // field
        NumberExpected,     // field, value
        QuotesMissing,      // value
        ValueMissing,       // field
        TrailingText,       // the word after a complete criterion
        UnmatchedParenthesis, // -
        NeitherNumberNorName, // the word
        IsWithoutNull,      // -
        LikeWithoutText,    // -
        NotWithoutLike,     // -
        NotANumber,         // the word
    };

    // What the engine was doing when it failed (the step of EngineFailure).
    struct Step {
        static constexpr const char* value = "value";
        static constexpr const char* readWrite = "readwrite";
        static constexpr const char* query = "query";
        static constexpr const char* command = "command";
    };

    StoreError(Kind kind, Reason reason, QStringList details = {})
        : std::runtime_error(summary(reason, details)), m_kind(kind), m_reason(reason), m_details(std::move(details)) {}
    // A failure told by a description of its own; the message catalogue shows it as it is.
    StoreError(Kind kind, const QString& description) : StoreError(kind, Reason::Described, {description}) {}

    Kind kind() const { return m_kind; }
    Reason reason() const { return m_reason; }
    const QStringList& details() const { return m_details; }
    QString detail(int index) const { return m_details.value(index); }

    // True for a fault of the file itself (missing, damaged, read-only, locked, failing),
    // as opposed to an ordinary outcome such as a taken key or a move past the last row.
    bool isFileFault() const {
        return m_kind == Kind::NotFound || m_kind == Kind::NotADatabase || m_kind == Kind::ReadOnly ||
               m_kind == Kind::Busy || m_kind == Kind::Io;
    }

private:
    // A short technical form for what(): the reason's number and the details.
    static std::string summary(Reason reason, const QStringList& details) {
        return "store failure " + std::to_string(int(reason)) + ": " + details.join(QStringLiteral(" | ")).toStdString();
    }

    Kind m_kind;
    Reason m_reason;
    QStringList m_details;
};

} // namespace lexora
