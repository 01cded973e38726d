#include "modes/CreationBaseModes.h"

#include <sqlcipher/sqlite3.h>
#include <unistd.h>

#include <system_error>

#include "modes/ErreurBase.h"
#include "modes/MagasinModes.h"
#include "modes/OrdreTitres.h"
#include "modes/TDataModule1.h"

namespace velmora {

namespace {

// RefComparaison is never reused after a delete (AUTOINCREMENT), so a key
// kept by an open dialog cannot come to name another mode.
const char* const kSchema =
    "CREATE TABLE Comparaison ("
    "RefComparaison INTEGER PRIMARY KEY AUTOINCREMENT, "
    "Intitule TEXT COLLATE TITRE, "
    "EntreeTableau TEXT, Ref1 TEXT, Ref2 TEXT, Ref3 TEXT, Ref4 TEXT, Ref5 TEXT, "
    "SortieTableau TEXT, AncienNumLigne TEXT, DateModifServeur TEXT);";

void Executer(sqlite3* base, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(base, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string texte = message ? message : sqlite3_errmsg(base);
        sqlite3_free(message);
        throw ErreurBase(texte);
    }
}

void Remplir(const std::filesystem::path& fichier, const std::vector<ModeInitial>& modes) {
    sqlite3* base = nullptr;
    if (sqlite3_open_v2(fichier.c_str(), &base, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        std::string texte = base ? sqlite3_errmsg(base) : "mémoire insuffisante";
        sqlite3_close(base);
        throw ErreurBase(texte);
    }
    try {
        Executer(base, std::string("PRAGMA key = '") + kMotDePasseModes + "';");
        EnregistrerFonctionsBase(base);
        Executer(base, "BEGIN;");
        Executer(base, kSchema);
        for (const ModeInitial& initial : modes) {
            Executer(base, InstructionInsert(initial.Intitule, initial.Mode));
        }
        Executer(base, "COMMIT;");
    } catch (...) {
        sqlite3_close(base);
        throw;
    }
    if (sqlite3_close(base) != SQLITE_OK) {
        throw ErreurBase("fermeture impossible");
    }
}

}  // namespace

std::vector<ModeInitial> ModesInitiaux() {
    ModeComparaison complet;  // row by row, full table
    ModeComparaison modifiees;
    modifiees.EntreeTableau = "Reference";
    modifiees.Ref1 = "0";
    modifiees.SortieTableau = "Lignes";
    modifiees.AncienNumLigne = "Oui";
    ModeComparaison ajoutees = modifiees;
    ajoutees.SortieTableau = "Ajoutees";
    ajoutees.AncienNumLigne = "Non";
    return {
        {"Comparaison complète ligne à ligne", complet},
        {"Lignes modifiées (référence en colonne A)", modifiees},
        {"Lignes ajoutées (référence en colonne A)", ajoutees},
    };
}

void CreerBaseModes(const std::filesystem::path& fichier, const std::vector<ModeInitial>& modes) {
    const std::filesystem::path temporaire = fichier.string() + ".tmp" + std::to_string(::getpid());
    std::error_code ignore;
    try {
        std::filesystem::remove(temporaire, ignore);
        Remplir(temporaire, modes);
        std::filesystem::rename(temporaire, fichier);
    } catch (const std::exception& e) {
        std::filesystem::remove(temporaire, ignore);
        throw ErreurBase("Impossible de créer la base " + fichier.string() + " : " + e.what());
    }
}

}  // namespace velmora
