#include "modes/MagasinModes.h"

#include <stdexcept>

#include "modes/ErreurBase.h"
#include "modes/TDataModule1.h"

namespace velmora {

namespace {

// The values other than the title come from fixed vocabularies without
// apostrophes, where this changes nothing; a value read back from a file
// edited by hand still cannot break out of its quotes.
std::string Cite(const std::string& valeur) {
    std::string resultat;
    for (char c : valeur) {
        resultat += c;
        if (c == '\'') {
            resultat += '\'';
        }
    }
    return resultat;
}

// The key goes into the statement without quotes: only a decimal integer may.
const std::string& Cle(const std::string& refComparaison) {
    std::size_t debut = (!refComparaison.empty() && refComparaison[0] == '-') ? 1 : 0;
    bool valide = refComparaison.size() > debut;
    for (std::size_t i = debut; i < refComparaison.size(); ++i) {
        valide = valide && refComparaison[i] >= '0' && refComparaison[i] <= '9';
    }
    if (!valide) {
        throw std::invalid_argument("Clé de mode invalide : « " + refComparaison + " »");
    }
    return refComparaison;
}

void Executer(TDataModule1& module, const std::string& instruction) {
    module.ADOQuery1.Close();
    module.ADOQuery1.SQL.Clear();
    module.ADOQuery1.SQL.Add(instruction);
    module.ADOQuery1.ExecSQL();
}

}  // namespace

std::string DoublerApostrophes(const std::string& texte) {
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    auto blanc = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (debut < fin && blanc(texte[debut])) {
        ++debut;
    }
    while (fin > debut && blanc(texte[fin - 1])) {
        --fin;
    }
    std::string resultat;
    for (std::size_t i = debut; i < fin; ++i) {
        char c = texte[i] == '"' ? '\'' : texte[i];
        resultat += c;
        if (c == '\'') {
            resultat += '\'';
        }
    }
    return resultat;
}

std::string InstructionSelectModes() {
    return "SELECT RefComparaison, Intitule, EntreeTableau, Ref1, Ref2, Ref3, Ref4, Ref5, "
           "SortieTableau, AncienNumLigne FROM Comparaison ORDER BY Intitule;";
}

std::string InstructionUpdate(const ModeComparaison& mode) {
    return std::string("UPDATE Comparaison SET EntreeTableau = '") + Cite(mode.EntreeTableau) +
           "', " + "Ref1 = '" + Cite(mode.Ref1) + "', " + "Ref2 = '" + Cite(mode.Ref2) + "', " +
           "Ref3 = '" + Cite(mode.Ref3) + "', " + "Ref4 = '" + Cite(mode.Ref4) + "', " +
           "Ref5 = '" + Cite(mode.Ref5) + "', " + "SortieTableau = '" + Cite(mode.SortieTableau) +
           "', " + "AncienNumLigne = '" + Cite(mode.AncienNumLigne) + "', " +
           "DateModifServeur = Now() " + "WHERE " + "RefComparaison = " + Cle(mode.RefComparaison) +
           ";";
}

std::string InstructionInsert(const std::string& titre, const ModeComparaison& mode) {
    std::string instruction =
        "INSERT INTO Comparaison (Intitule, EntreeTableau, Ref1, Ref2, Ref3, Ref4, Ref5, "
        "SortieTableau, AncienNumLigne, DateModifServeur )VALUES( '" +
        DoublerApostrophes(titre) + "', ";
    for (const std::string* valeur :
         {&mode.EntreeTableau, &mode.Ref1, &mode.Ref2, &mode.Ref3, &mode.Ref4, &mode.Ref5,
          &mode.SortieTableau, &mode.AncienNumLigne}) {
        instruction += "'" + Cite(*valeur) + "', ";
    }
    return instruction + "Now() " + ");";
}

std::string InstructionDelete(const std::string& refComparaison) {
    return "DELETE FROM Comparaison WHERE RefComparaison = " + Cle(refComparaison) + ";";
}

std::vector<ModeComparaison> ChargerModes(TDataModule1& module) {
    RequeteBase& requete = module.ADOQuery1;
    requete.Close();
    requete.SQL.Clear();
    requete.SQL.Add(InstructionSelectModes());
    requete.Open();
    std::vector<ModeComparaison> modes;
    modes.reserve(requete.RecordCount());
    for (std::size_t i = 0; i < requete.RecordCount(); ++i) {
        ModeComparaison mode;
        mode.RefComparaison = requete.Fields("RefComparaison");
        mode.Intitule = requete.Fields("Intitule");
        mode.EntreeTableau = requete.Fields("EntreeTableau");
        mode.Ref1 = requete.Fields("Ref1");
        mode.Ref2 = requete.Fields("Ref2");
        mode.Ref3 = requete.Fields("Ref3");
        mode.Ref4 = requete.Fields("Ref4");
        mode.Ref5 = requete.Fields("Ref5");
        mode.SortieTableau = requete.Fields("SortieTableau");
        mode.AncienNumLigne = requete.Fields("AncienNumLigne");
        modes.push_back(std::move(mode));
        requete.MoveNext();
    }
    return modes;
}

void EnregistrerMode(TDataModule1& module, const ModeComparaison& mode) {
    Executer(module, InstructionUpdate(mode));
}

void EnregistrerModeSous(TDataModule1& module, const std::string& titre,
                         const ModeComparaison& mode) {
    Executer(module, InstructionInsert(titre, mode));
}

void SupprimerMode(TDataModule1& module, const std::string& refComparaison) {
    Executer(module, InstructionDelete(refComparaison));
}

bool VerifierBase(TDataModule1& module) {
    try {
        RequeteBase& requete = module.ADOQuery1;
        requete.Close();
        requete.SQL.Clear();
        // Names every column, so a table missing one fails here rather than
        // at the first load or save.
        requete.SQL.Add(
            "SELECT RefComparaison, Intitule, EntreeTableau, Ref1, Ref2, Ref3, Ref4, Ref5, "
            "SortieTableau, AncienNumLigne, DateModifServeur FROM Comparaison "
            "WHERE RefComparaison = -1;");
        requete.Open();
        (void)requete.RecordCount();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace velmora
