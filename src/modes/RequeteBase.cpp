#include "modes/RequeteBase.h"

#include <sqlcipher/sqlite3.h>

#include <memory>

#include "app/NomsSansCasse.h"
#include "modes/ConnexionBase.h"
#include "modes/ErreurBase.h"

namespace velmora {

namespace {

struct FinaliserInstruction {
    void operator()(sqlite3_stmt* instruction) const { sqlite3_finalize(instruction); }
};
using Instruction = std::unique_ptr<sqlite3_stmt, FinaliserInstruction>;

[[noreturn]] void Echec(sqlite3* base, const std::string& sql) {
    throw ErreurBase(std::string(sqlite3_errmsg(base)) + " (" + sql + ")");
}

// Prepares the one statement of `sql`; a second statement after it is refused
// so that a value can never smuggle in another command.
Instruction Preparer(sqlite3* base, const std::string& sql) {
    sqlite3_stmt* brut = nullptr;
    const char* reste = nullptr;
    if (sqlite3_prepare_v2(base, sql.c_str(), static_cast<int>(sql.size()), &brut, &reste) !=
        SQLITE_OK) {
        sqlite3_finalize(brut);
        Echec(base, sql);
    }
    Instruction instruction(brut);
    if (!instruction) {
        throw ErreurBase("Instruction vide (" + sql + ")");
    }
    for (; reste != nullptr && *reste != '\0'; ++reste) {
        if (*reste != ' ' && *reste != '\t' && *reste != '\r' && *reste != '\n' && *reste != ';') {
            throw ErreurBase("Une seule instruction à la fois (" + sql + ")");
        }
    }
    return instruction;
}

}  // namespace

std::string TexteRequete::Text() const {
    std::string texte;
    for (std::size_t i = 0; i < lignes_.size(); ++i) {
        if (i > 0) {
            texte += '\n';
        }
        texte += lignes_[i];
    }
    return texte;
}

void RequeteBase::Close() {
    actif_ = false;
    colonnes_.clear();
    lignes_.clear();
    position_ = 0;
}

void RequeteBase::Open() {
    Close();
    sqlite3* base = connexion_.Base();
    const std::string sql = SQL.Text();
    Instruction instruction = Preparer(base, sql);
    int nombreColonnes = sqlite3_column_count(instruction.get());
    if (nombreColonnes == 0) {
        throw ErreurBase("L'instruction ne renvoie aucun résultat (" + sql + ")");
    }
    std::vector<std::string> colonnes;
    for (int c = 0; c < nombreColonnes; ++c) {
        const char* nom = sqlite3_column_name(instruction.get(), c);
        colonnes.emplace_back(nom ? nom : "");
    }
    std::vector<std::vector<std::optional<std::string>>> lignes;
    for (;;) {
        int etat = sqlite3_step(instruction.get());
        if (etat == SQLITE_DONE) {
            break;
        }
        if (etat != SQLITE_ROW) {
            Echec(base, sql);
        }
        auto& ligne = lignes.emplace_back();
        for (int c = 0; c < nombreColonnes; ++c) {
            if (sqlite3_column_type(instruction.get(), c) == SQLITE_NULL) {
                ligne.emplace_back();
                continue;
            }
            const auto* texte =
                reinterpret_cast<const char*>(sqlite3_column_text(instruction.get(), c));
            int longueur = sqlite3_column_bytes(instruction.get(), c);
            ligne.emplace_back(std::string(texte ? texte : "", static_cast<std::size_t>(longueur)));
        }
    }
    colonnes_ = std::move(colonnes);
    lignes_ = std::move(lignes);
    position_ = 0;
    actif_ = true;
}

void RequeteBase::ExecSQL() {
    Close();
    sqlite3* base = connexion_.Base();
    const std::string sql = SQL.Text();
    Instruction instruction = Preparer(base, sql);
    int etat = SQLITE_ROW;
    while (etat == SQLITE_ROW) {
        etat = sqlite3_step(instruction.get());
    }
    if (etat != SQLITE_DONE) {
        Echec(base, sql);
    }
}

std::size_t RequeteBase::RecordCount() const {
    if (!actif_) {
        throw ErreurBase("Aucun résultat ouvert");
    }
    return lignes_.size();
}

bool RequeteBase::Eof() const {
    return !actif_ || position_ >= lignes_.size();
}

void RequeteBase::MoveNext() {
    if (!Eof()) {
        ++position_;
    }
}

std::string RequeteBase::Fields(const std::string& nom) const {
    if (Eof()) {
        throw ErreurBase("Aucun enregistrement courant pour lire le champ " + nom);
    }
    for (std::size_t c = 0; c < colonnes_.size(); ++c) {
        if (MemeNom(colonnes_[c], nom)) {
            const auto& valeur = lignes_[position_][c];
            if (!valeur) {
                throw ErreurBase("Le champ " + nom + " est vide (NULL)");
            }
            return *valeur;
        }
    }
    throw ErreurBase("Champ inconnu : " + nom);
}

}  // namespace velmora
