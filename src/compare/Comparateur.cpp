#include "compare/Comparateur.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "compare/IndexReferences.h"
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

std::size_t LongueurJointe(const std::vector<std::string_view>& textes) {
    std::size_t n = 0;
    for (const auto t : textes) {
        n += t.size();
    }
    return n;
}

// Whether the two rows' texts, each joined without separator, are equal.
bool JointsEgaux(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    if (LongueurJointe(a) != LongueurJointe(b)) {
        return false;
    }
    std::size_t ia = 0, ib = 0, pa = 0, pb = 0;
    for (;;) {
        while (ia < a.size() && pa == a[ia].size()) {
            ++ia;
            pa = 0;
        }
        while (ib < b.size() && pb == b[ib].size()) {
            ++ib;
            pb = 0;
        }
        if (ia == a.size() || ib == b.size()) {
            return ia == a.size() && ib == b.size();
        }
        const std::size_t n = std::min(a[ia].size() - pa, b[ib].size() - pb);
        if (a[ia].compare(pa, n, b[ib].substr(pb, n)) != 0) {
            return false;
        }
        pa += n;
        pb += n;
    }
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
    DeterminerPerimetres(AncienNumLigne);

    std::vector<int> references;
    for (const std::string* ref : {&Ref1, &Ref2, &Ref3, &Ref4, &Ref5}) {
        if (const auto colonne = ConvertirReference(*ref)) {
            references.push_back(*colonne);
        }
    }
    // Keys are compared upper-cased.
    std::string cle;
    auto construireCle = [&](const TableSource& grille, int ligne) {
        cle.clear();
        for (int colonne : references) {
            cle.append(grille.cell(colonne, ligne));
        }
        return Majuscules(cle);
    };

    // Table 1: copy its scope and index its rows by key; the last row of
    // table 1 with a key is the one its key leads to.
    CopierAncienTableau(false);
    IndexReferences index(static_cast<std::size_t>(Hauteur1));
    std::vector<int> entreeDeLigne(static_cast<std::size_t>(Hauteur1));
    for (int i = 0; i < Hauteur1; ++i) {
        entreeDeLigne[static_cast<std::size_t>(i)] =
            index.inserer(construireCle(grille1_, Perimetre1.PremiereLigne + i), i);
        AvancerProgression();
    }

    PreparerTableauFinal();

    // Table 2, in its own order. A row is unchanged when its joined scope
    // texts equal those of its partner, added when it has no partner or the
    // partner's joined texts are empty.
    std::vector<std::string_view> textes2(static_cast<std::size_t>(Largeur2));
    std::vector<std::string_view> textes1(static_cast<std::size_t>(Largeur1));
    for (int i = 0; i < Hauteur2; ++i) {
        const int g = Perimetre2.PremiereLigne + i;
        if (Decalage == 2) {
            EcrireNumerosTableau2(i, g);
        }
        const int entree = index.trouver(construireCle(grille2_, g));
        for (int j = 0; j < Largeur2; ++j) {
            textes2[static_cast<std::size_t>(j)] = grille2_.cell(Perimetre2.PremiereColonne + j, g);
        }
        const int k = entree < 0 ? -1 : index.ligne(entree);
        if (k >= 0) {
            for (int j = 0; j < Largeur1; ++j) {
                textes1[static_cast<std::size_t>(j)] = ancienTableau_.cell(j, k);
            }
        }
        const bool ajoutee = k < 0 || LongueurJointe(textes1) == 0;
        const bool inchangee = !ajoutee && JointsEgaux(textes1, textes2);
        for (int j = 0; j < Largeur2; ++j) {
            const int c = j + Decalage;
            const std::string_view nouveau = textes2[static_cast<std::size_t>(j)];
            if (ajoutee || inchangee || j >= Largeur1) {
                // Cells past table 1's width are added, unless the whole row
                // text matched.
                final_.setTexte(c, i, nouveau);
                final_.setCouleur(c, i,
                                  inchangee ? CouleurCellule::Inchangee : CouleurCellule::Ajoutee);
            } else {
                ClasserCellule(textes1[static_cast<std::size_t>(j)], nouveau, c, i);
            }
        }
        if (!ajoutee && !inchangee && Largeur1 > Largeur2) {
            for (int c = Largeur2 + Decalage; c < LargeurMax + Decalage; ++c) {
                final_.setCouleur(c, i, CouleurCellule::Effacee);
                final_.setTexte(c, i,
                                afficheSupprime_ ? textes1[static_cast<std::size_t>(c - Decalage)]
                                                 : std::string_view{});
            }
        }
        if (entree >= 0) {
            index.marquerVue(entree);
        }
        AvancerProgression();
    }

    // Rows of table 1 whose key table 2 no longer has, appended in order.
    int t = Hauteur2;
    if (afficheSupprime_) {
        for (int i = 0; i < Hauteur1; ++i) {
            if (index.vue(entreeDeLigne[static_cast<std::size_t>(i)])) {
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
