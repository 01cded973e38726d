#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class ConnexionBase;

// The statement text of a query, built line by line.
class TexteRequete {
public:
    void Clear() { lignes_.clear(); }
    void Add(std::string ligne) { lignes_.push_back(std::move(ligne)); }
    // The lines joined by line breaks.
    std::string Text() const;

private:
    std::vector<std::string> lignes_;
};

// A query on a ConnexionBase: one statement and at most one open result.
// The whole result is read when the query opens, so RecordCount is exact and
// the engine holds no statement between calls.
class RequeteBase {
public:
    explicit RequeteBase(ConnexionBase& connexion) : connexion_(connexion) {}

    TexteRequete SQL;

    // Discards any open result; closing a closed query does nothing.
    void Close();

    // Runs the statement, which must return rows, and positions the result on
    // its first row. Throws ErreurBase with the engine's message.
    void Open();

    // Runs an INSERT, UPDATE or DELETE to completion; it is committed when
    // the call returns. Throws ErreurBase with the engine's message.
    void ExecSQL();

    bool Active() const { return actif_; }
    // Number of rows of the open result.
    std::size_t RecordCount() const;
    // true past the last row (at once for an empty result).
    bool Eof() const;
    void MoveNext();

    // Value of the column named `nom` (without regard to ASCII case) of the
    // current row, as text: a text unchanged, an integer as its decimal
    // digits. Throws ErreurBase for an unknown column, a null value, or when
    // no row is current.
    std::string Fields(const std::string& nom) const;

private:
    ConnexionBase& connexion_;
    bool actif_ = false;
    std::vector<std::string> colonnes_;
    std::vector<std::vector<std::optional<std::string>>> lignes_;
    std::size_t position_ = 0;
};

}  // namespace velmora
