#include "compare/Comparateur.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "compare/Majuscules.h"

namespace velmora {
namespace {

constexpr int kPasProgression = 31;  // rows between two moves of the bar
constexpr int kPasAjout = 100;       // rows added at a time to the final table

// "NULL" is no column; anything else must be a whole number in decimal.
std::optional<int> ConvertirReference(const std::string& ref) {
    if (ref == "NULL") {
        return std::nullopt;
    }
    const char* debut = ref.data();
    const char* fin = ref.data() + ref.size();
    if (debut != fin && *debut == '+') {
        ++debut;
    }
    int valeur = 0;
    const auto [ptr, ec] = std::from_chars(debut, fin, valeur);
    if (debut == fin || ec != std::errc() || ptr != fin) {
        throw ErreurReference("'" + ref + "' is not a valid integer value");
    }
    return valeur;
}

std::string DecimalDe(int n) {
    return std::to_string(n);
}

}  // namespace

Comparateur::Comparateur(const TableSource& grille1, const TableSource& grille2, int typeTri,
                         bool afficheSupprime, TableauFinal& final, BarreProgression& barre)
    : grille1_(grille1),
      grille2_(grille2),
      typeTri_(typeTri),
      afficheSupprime_(afficheSupprime),
      final_(final),
      barre_(barre) {}

void Comparateur::DeterminerPerimetres(const std::string& AncienNumLigne) {
    if (typeTri_ == 0) {
        Perimetre1 = {0, grille1_.rowCount(), 0, grille1_.columnCount()};
        Perimetre2 = {0, grille2_.rowCount(), 0, grille2_.columnCount()};
    } else {
        const Selection s1 = grille1_.selection();
        const Selection s2 = grille2_.selection();
        Perimetre1 = {s1.Top, s1.Bottom + 1, s1.Left, s1.Right + 1};
        Perimetre2 = {s2.Top, s2.Bottom + 1, s2.Left, s2.Right + 1};
    }
    // A reversed rectangle covers nothing rather than a negative size.
    Hauteur1 = std::max(0, Perimetre1.FinLigne - Perimetre1.PremiereLigne);
    Largeur1 = std::max(0, Perimetre1.FinColonne - Perimetre1.PremiereColonne);
    Hauteur2 = std::max(0, Perimetre2.FinLigne - Perimetre2.PremiereLigne);
    Largeur2 = std::max(0, Perimetre2.FinColonne - Perimetre2.PremiereColonne);
    LargeurMax = std::max(Largeur1, Largeur2);
    HauteurMax = std::max(Hauteur1, Hauteur2);
    Decalage = AncienNumLigne == "Oui" ? 2 : 0;
    compteur_ = 0;
}

void Comparateur::PreparerTableauFinal() {
    final_.resize(0, 0);
    final_.resize(LargeurMax + Decalage, HauteurMax);
}

void Comparateur::ClasserCellule(std::string_view ancien, std::string_view nouveau, int colonne,
                                 int ligne) {
    final_.setTexte(colonne, ligne, nouveau);
    if (nouveau == ancien) {
        final_.setCouleur(colonne, ligne, CouleurCellule::Inchangee);
    } else if (ancien.empty()) {
        final_.setCouleur(colonne, ligne, CouleurCellule::Ajoutee);
    } else if (nouveau.empty()) {
        final_.setCouleur(colonne, ligne, CouleurCellule::Effacee);
        if (afficheSupprime_) {
            final_.setTexte(colonne, ligne, ancien);
        }
    } else {
        final_.setCouleur(colonne, ligne, CouleurCellule::Modifiee);
    }
}

void Comparateur::AvancerProgression() {
    ++compteur_;
    if (compteur_ >= kPasProgression) {
        barre_.definirPosition(barre_.Position + compteur_);
        compteur_ = 0;
    }
}

void Comparateur::TerminerProgression() {
    barre_.definirPosition(barre_.Max);
}

void Comparateur::CopierAncienTableau(bool avancer) {
    ancienTableau_ = Table(Largeur1, 0);
    ancienTableau_.reserveRows(Hauteur1);
    std::vector<std::string_view> ligne(static_cast<std::size_t>(Largeur1));
    for (int i = 0; i < Hauteur1; ++i) {
        const int g = Perimetre1.PremiereLigne + i;
        for (int j = 0; j < Largeur1; ++j) {
            ligne[static_cast<std::size_t>(j)] = grille1_.cell(Perimetre1.PremiereColonne + j, g);
        }
        ancienTableau_.appendRow(ligne);
        if (avancer) {
            AvancerProgression();
        }
    }
}

void Comparateur::EcrireNumerosTableau2(int ligneFinale, int ligneGrille2) {
    final_.setTexte(0, ligneFinale, DecimalDe(Perimetre1.PremiereLigne + ligneFinale + 1));
    final_.setTexte(1, ligneFinale, DecimalDe(ligneGrille2 + 1));
    final_.setCouleur(0, ligneFinale, CouleurCellule::Inchangee);
    final_.setCouleur(1, ligneFinale, CouleurCellule::Inchangee);
}

void Comparateur::EcrireNumerosTableau1(int ligneFinale) {
    final_.setTexte(0, ligneFinale, DecimalDe(Perimetre1.PremiereLigne + ligneFinale + 1));
    final_.setTexte(1, ligneFinale, {});
    final_.setCouleur(0, ligneFinale, CouleurCellule::Effacee);
    final_.setCouleur(1, ligneFinale, CouleurCellule::Effacee);
}

void Comparateur::ComparerTableauxIdentiques(const std::string& AncienNumLigne) {
    DeterminerPerimetres(AncienNumLigne);
    CopierAncienTableau(true);
    PreparerTableauFinal();

    for (int i = 0; i < Hauteur2; ++i) {
        const int g = Perimetre2.PremiereLigne + i;
        if (Decalage == 2) {
            EcrireNumerosTableau2(i, g);
        }
        for (int j = 0; j < Largeur2; ++j) {
            const int c = j + Decalage;
            const std::string_view nouveau = grille2_.cell(Perimetre2.PremiereColonne + j, g);
            if (i >= Hauteur1 || j >= Largeur1) {
                final_.setTexte(c, i, nouveau);
                final_.setCouleur(c, i, CouleurCellule::Ajoutee);
            } else {
                ClasserCellule(ancienTableau_.cell(j, i), nouveau, c, i);
            }
        }
        for (int c = Largeur2 + Decalage; c < LargeurMax + Decalage; ++c) {
            final_.setCouleur(c, i, CouleurCellule::Effacee);
            final_.setTexte(c, i,
                            afficheSupprime_ && i < Hauteur1 ? ancienTableau_.cell(c - Decalage, i)
                                                             : std::string_view{});
        }
        AvancerProgression();
    }

    for (int i = Hauteur2; i < HauteurMax; ++i) {
        for (int j = 0; j < LargeurMax; ++j) {
            final_.setTexte(
                j + Decalage, i,
                afficheSupprime_ && j < Largeur1 ? ancienTableau_.cell(j, i) : std::string_view{});
            final_.setCouleur(j + Decalage, i, CouleurCellule::Effacee);
        }
        if (Decalage == 2) {
            EcrireNumerosTableau1(i);
        }
        AvancerProgression();
    }

    TerminerProgression();
}

void Comparateur::ComparerParReferences(const std::string& AncienNumLigne, const std::string& Ref1,
                                        const std::string& Ref2, const std::string& Ref3,
                                        const std::string& Ref4, const std::string& Ref5) {
    // Keys are compared upper-cased; the last row of table 1 with a key wins.
    struct LigneAncienne {
        std::string texte;  // the row's joined scope texts
        int index = 0;      // its row position in the copy of table 1
    };
    std::unordered_map<std::string, LigneAncienne> lignesAnciennes;
    std::unordered_set<std::string> lignesVues;

    DeterminerPerimetres(AncienNumLigne);

    std::vector<int> references;
    for (const std::string* ref : {&Ref1, &Ref2, &Ref3, &Ref4, &Ref5}) {
        if (const auto colonne = ConvertirReference(*ref)) {
            references.push_back(*colonne);
        }
    }
    std::string cle;
    auto construireCle = [&](const TableSource& grille, int ligne) {
        cle.clear();
        for (int colonne : references) {
            cle.append(grille.cell(colonne, ligne));
        }
        return Majuscules(cle);
    };
    std::string texteLigne;
    auto joindre = [&](const TableSource& grille, int premiereColonne, int largeur, int ligne) {
        texteLigne.clear();
        for (int j = 0; j < largeur; ++j) {
            texteLigne.append(grille.cell(premiereColonne + j, ligne));
        }
    };

    // Table 1: copy its scope and index its rows by key.
    CopierAncienTableau(false);
    lignesAnciennes.reserve(static_cast<std::size_t>(Hauteur1));
    for (int i = 0; i < Hauteur1; ++i) {
        const int g = Perimetre1.PremiereLigne + i;
        std::string k = construireCle(grille1_, g);
        joindre(ancienTableau_, 0, Largeur1, i);
        LigneAncienne& entree = lignesAnciennes[std::move(k)];
        entree.index = i;
        entree.texte = texteLigne;
        AvancerProgression();
    }

    PreparerTableauFinal();

    // Table 2, in its own order.
    lignesVues.reserve(static_cast<std::size_t>(Hauteur2));
    for (int i = 0; i < Hauteur2; ++i) {
        const int g = Perimetre2.PremiereLigne + i;
        if (Decalage == 2) {
            EcrireNumerosTableau2(i, g);
        }
        std::string k = construireCle(grille2_, g);
        joindre(grille2_, Perimetre2.PremiereColonne, Largeur2, g);
        const auto trouve = lignesAnciennes.find(k);
        const bool ajoutee = trouve == lignesAnciennes.end() || trouve->second.texte.empty();
        const bool inchangee = !ajoutee && trouve->second.texte == texteLigne;
        for (int j = 0; j < Largeur2; ++j) {
            const int c = j + Decalage;
            const std::string_view nouveau = grille2_.cell(Perimetre2.PremiereColonne + j, g);
            if (ajoutee || inchangee || j >= Largeur1) {
                final_.setTexte(c, i, nouveau);
                // Cells past table 1's width are added, unless the whole row
                // text matched.
                final_.setCouleur(c, i,
                                  inchangee ? CouleurCellule::Inchangee : CouleurCellule::Ajoutee);
            } else {
                ClasserCellule(ancienTableau_.cell(j, trouve->second.index), nouveau, c, i);
            }
        }
        if (!ajoutee && !inchangee && Largeur1 > Largeur2) {
            const int k1 = trouve->second.index;
            for (int c = Largeur2 + Decalage; c < LargeurMax + Decalage; ++c) {
                final_.setCouleur(c, i, CouleurCellule::Effacee);
                final_.setTexte(
                    c, i,
                    afficheSupprime_ ? ancienTableau_.cell(c - Decalage, k1) : std::string_view{});
            }
        }
        lignesVues.insert(std::move(k));
        AvancerProgression();
    }

    // Rows of table 1 whose key table 2 no longer has, appended in order.
    int t = Hauteur2;
    if (afficheSupprime_) {
        for (int i = 0; i < Hauteur1; ++i) {
            const int g = Perimetre1.PremiereLigne + i;
            if (lignesVues.count(construireCle(grille1_, g)) != 0) {
                continue;
            }
            if (t >= final_.rowCount()) {
                final_.resize(final_.columnCount(), final_.rowCount() + kPasAjout);
            }
            for (int j = 0; j < Largeur1; ++j) {
                final_.setTexte(j + Decalage, t, ancienTableau_.cell(j, i));
                final_.setCouleur(j + Decalage, t, CouleurCellule::Effacee);
            }
            if (Decalage == 2) {
                EcrireNumerosTableau1(t);
            }
            ++t;
        }
    }
    final_.resize(LargeurMax + Decalage, afficheSupprime_ ? t : Hauteur2);

    TerminerProgression();
}

}  // namespace velmora
