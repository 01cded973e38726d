#include "modes/ConnexionBase.h"

#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "modes/ChaineConnexion.h"
#include "modes/ErreurBase.h"
#include "modes/OrdreTitres.h"

namespace velmora {

namespace {

std::string Apostrophes(const std::string& texte) {
    std::string resultat;
    for (char c : texte) {
        resultat += c;
        if (c == '\'') {
            resultat += '\'';
        }
    }
    return resultat;
}

void Executer(sqlite3* base, const std::string& sql, const std::string& fichier) {
    char* message = nullptr;
    if (sqlite3_exec(base, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string texte = message ? message : sqlite3_errmsg(base);
        sqlite3_free(message);
        throw ErreurBase("Impossible d'ouvrir la base " + fichier + " : " + texte);
    }
}

}  // namespace

ConnexionBase::~ConnexionBase() {
    Fermer();
}

void ConnexionBase::SetConnected(bool connecte) {
    if (connecte && !Connected()) {
        Ouvrir();
    } else if (!connecte) {
        Fermer();
    }
}

sqlite3* ConnexionBase::Base() const {
    if (base_ == nullptr) {
        throw ErreurBase("La connexion à la base de données n'est pas ouverte");
    }
    return base_;
}

void ConnexionBase::Ouvrir() {
    ChaineConnexion chaine = ChaineConnexion::Analyser(connectionString_);
    const std::string fichier = chaine.Fichier.string();
    try {
        // The file must exist: opening never creates it.
        verrou_ = ::open(fichier.c_str(), O_RDWR | O_CLOEXEC);
        if (verrou_ < 0) {
            throw ErreurBase("Impossible d'ouvrir la base " + fichier + " : " +
                             std::strerror(errno));
        }
        if (chaine.Exclusif && ::flock(verrou_, LOCK_EX | LOCK_NB) != 0) {
            throw ErreurBase("Impossible d'ouvrir la base " + fichier + " : " +
                             (errno == EWOULDBLOCK ? std::string("utilisée par un autre programme")
                                                   : std::string(std::strerror(errno))));
        }
        if (sqlite3_open_v2(fichier.c_str(), &base_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            std::string texte = base_ ? sqlite3_errmsg(base_) : "mémoire insuffisante";
            throw ErreurBase("Impossible d'ouvrir la base " + fichier + " : " + texte);
        }
        if (!chaine.MotDePasse.empty()) {
            Executer(base_, "PRAGMA key = '" + Apostrophes(chaine.MotDePasse) + "';", fichier);
        }
        EnregistrerFonctionsBase(base_);
        if (chaine.Exclusif) {
            Executer(base_, "PRAGMA locking_mode = EXCLUSIVE;", fichier);
            // Takes the engine's lock now rather than at the first statement;
            // in exclusive mode it is kept until the connection closes.
            Executer(base_, "BEGIN EXCLUSIVE; COMMIT;", fichier);
        }
        // Reading the schema proves the password: a wrong one, or a file that
        // is no database, fails here.
        Executer(base_, "SELECT count(*) FROM sqlite_master;", fichier);
    } catch (...) {
        Fermer();
        throw;
    }
}

void ConnexionBase::Fermer() {
    if (base_ != nullptr) {
        sqlite3_close_v2(base_);
        base_ = nullptr;
    }
    // The flock goes last: the engine's own descriptor is closed by now.
    if (verrou_ >= 0) {
        ::close(verrou_);
        verrou_ = -1;
    }
}

}  // namespace velmora
