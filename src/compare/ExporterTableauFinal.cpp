#include "compare/ExporterTableauFinal.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <vector>

#include "compare/ServeurClasseur.h"

namespace velmora {
namespace {

bool Anglais(std::string_view langue) {
    return langue == "anglais";
}

void Appeler(const std::function<void()>& f) {
    if (f) {
        f();
    }
}

// Restores the cursor however the export ends.
class CurseurOccupe {
public:
    explicit CurseurOccupe(const CrochetsExport& crochets) : crochets_(crochets) {
        Appeler(crochets_.curseurOccupe);
    }
    ~CurseurOccupe() { liberer(); }
    CurseurOccupe(const CurseurOccupe&) = delete;
    CurseurOccupe& operator=(const CurseurOccupe&) = delete;
    void liberer() {
        if (actif_) {
            actif_ = false;
            try {
                Appeler(crochets_.curseurNormal);
            } catch (...) {
                // Nothing more can be done for a cursor.
            }
        }
    }

private:
    const CrochetsExport& crochets_;
    bool actif_ = true;
};

}  // namespace

BilanExport EcrireTableauFinal(const TableauFinal& tableau, const std::filesystem::path& cible,
                               const std::function<void(int)>& progression) {
    BilanExport bilan;
    ServeurClasseur serveur;
    serveur.setVisible(true);
    ClasseurServeur& classeur = serveur.workbooksOpen(cible);
    const int lignes = tableau.rowCount();
    const int colonnes = tableau.columnCount();
    const int lignesEcrites = std::min(lignes, ClasseurEcriture::kMaxRows);
    const int colonnesEcrites = std::min(colonnes, ClasseurEcriture::kMaxColumns);
    bilan.lignesOmises = lignes - lignesEcrites;
    bilan.colonnesOmises = colonnes - colonnesEcrites;
    try {
        FeuilleServeur feuille = classeur.worksheets(1);
        feuille.setName(kNomFeuilleExport);
        for (int j = 0; j < lignes; ++j) {
            if (progression) {
                progression(j + 1);
            }
            if (j >= lignesEcrites) {
                continue;
            }
            for (int i = 0; i < colonnesEcrites; ++i) {
                // One cell that cannot be written does not stop the others.
                try {
                    CelluleServeur cellule = feuille.cells(j + 1, i + 1);
                    // Every cell is stored as text, so a date is written as
                    // the user sees it: rewriting it month first (what a
                    // writer that parses dates would need) would show
                    // 25/12/2007 as 12/25/2007.
                    cellule.setValue(tableau.texte(i, j));
                    const CouleurCellule couleur = tableau.couleur(i, j);
                    if (couleur != CouleurCellule::Aucune && couleur != CouleurCellule::Inchangee) {
                        cellule.setInteriorColor(*ValeurCouleur(couleur));
                    }
                } catch (const std::bad_alloc&) {
                    throw;
                } catch (const std::exception&) {
                    ++bilan.cellulesEnEchec;
                }
            }
        }
        CelluleServeur a1 = feuille.range("A1");
        if (a1.value().empty()) {
            a1.setValue(" ");
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        bilan.remplissageInterrompu = e.what();
    }
    if (progression) {
        progression(0);
    }
    classeur.save();
    bilan.textesTronques = classeur.contenu().truncatedTexts();
    serveur.quit();
    return bilan;
}

bool CibleModifiable(const std::filesystem::path& cible) {
    std::error_code erreur;
    if (std::filesystem::exists(cible, erreur) || erreur) {
        const int fd = ::open(cible.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        ::close(fd);
    }
    std::filesystem::path dossier = cible.parent_path();
    if (dossier.empty()) {
        dossier = ".";
    }
    std::string modele = (dossier / ("." + cible.filename().string() + ".acces.XXXXXX")).string();
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int sonde = ::mkstemp(nom.data());
    if (sonde < 0) {
        return false;
    }
    ::close(sonde);
    ::unlink(nom.data());
    return true;
}

std::string MessageAccesFichier(const std::filesystem::path& cible, std::string_view langue) {
    if (Anglais(langue)) {
        return "Problem file access" + cible.string() + "\r\n" +
               "Make sure it is not open by another application.";
    }
    return "Problème d'accès au fichier" + cible.string() + "\r\n" +
           "Vérifiez qu'il ne soit pas ouvert par une autre application.";
}

std::string MessageExportTermine(const BilanExport& bilan, std::string_view langue) {
    const bool en = Anglais(langue);
    std::string texte = en ? "EXPORT COMPLETED" : "EXPORTATION TERMINEE";
    const auto ligne = [&](std::size_t n, const char* fr, const char* anglais) {
        if (n != 0) {
            texte += "\r\n";
            texte += en ? anglais : fr;
            texte += std::to_string(n);
        }
    };
    ligne(static_cast<std::size_t>(bilan.lignesOmises),
          "Lignes au-delà de 65536 non exportées : ", "Rows beyond 65536 not exported: ");
    ligne(static_cast<std::size_t>(bilan.colonnesOmises),
          "Colonnes au-delà de 256 non exportées : ", "Columns beyond 256 not exported: ");
    ligne(bilan.textesTronques,
          "Textes tronqués à 32767 caractères : ", "Texts truncated to 32767 characters: ");
    ligne(bilan.cellulesEnEchec, "Cellules non écrites : ", "Cells not written: ");
    if (!bilan.remplissageInterrompu.empty()) {
        texte += en ? "\r\nFilling interrupted: " : "\r\nRemplissage interrompu : ";
        texte += bilan.remplissageInterrompu;
    }
    return texte;
}

IssueExport ExporterTableauFinal(const TableauFinal& tableau, const std::filesystem::path& dossier,
                                 std::string_view langue, const CrochetsExport& crochets) {
    CurseurOccupe curseur(crochets);
    const std::filesystem::path cible = dossier / kNomFichierExport;
    // The previous workbook stays until the new one is complete, so access
    // is checked without truncating it.
    if (!CibleModifiable(cible)) {
        curseur.liberer();
        if (crochets.message) {
            crochets.message(MessageAccesFichier(cible, langue));
        }
        return IssueExport::AccesRefuse;
    }
    if (crochets.debutProgression) {
        crochets.debutProgression(tableau.rowCount());
    }
    const BilanExport bilan = EcrireTableauFinal(tableau, cible, crochets.progression);
    curseur.liberer();
    if (crochets.message) {
        crochets.message(MessageExportTermine(bilan, langue));
    }
    return IssueExport::Terminee;
}

}  // namespace velmora
