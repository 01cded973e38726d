#pragma once

#include <string>

struct sqlite3;

namespace velmora {

// The connection to the mode database (an SQLCipher file). Its connection
// string is read when the connection opens; see ChaineConnexion for what it
// states. Never creates the file. Exclusive access holds an flock on the file
// and the engine's exclusive lock from the opening on, so another process
// fails at once instead of waiting.
class ConnexionBase {
public:
    ConnexionBase() = default;
    ~ConnexionBase();
    ConnexionBase(const ConnexionBase&) = delete;
    ConnexionBase& operator=(const ConnexionBase&) = delete;

    // Takes effect at the next opening.
    void SetConnectionString(std::string texte) { connectionString_ = std::move(texte); }
    const std::string& ConnectionString() const { return connectionString_; }

    // true: opens the file with the settings of the connection string, or
    // throws ErreurBase (nothing stays open then). false: closes the
    // connection and releases the file. Setting the current state again does
    // nothing.
    void SetConnected(bool connecte);
    bool Connected() const { return base_ != nullptr; }

    // The open engine handle; throws ErreurBase when not connected.
    sqlite3* Base() const;

private:
    void Ouvrir();
    void Fermer();

    std::string connectionString_;
    sqlite3* base_ = nullptr;
    int verrou_ = -1;  // descriptor holding the flock, owned
};

}  // namespace velmora
