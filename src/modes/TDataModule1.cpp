#include "modes/TDataModule1.h"

#include <exception>

#include "app/Parametres.h"

namespace velmora {

std::string ChaineConnexionModes(const std::filesystem::path& dossier) {
    std::string avecSeparateur = dossier.string();
    if (avecSeparateur.empty() || avecSeparateur.back() != '/') {
        avecSeparateur += '/';
    }
    return std::string("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + avecSeparateur +
           "Comp.qnr;" + "Mode=Share Deny Read|Share Deny Write;Persist Security Info=False;" +
           "Jet OLEDB:Database Password=" + kMotDePasseModes;
}

TDataModule1::TDataModule1() {
    std::filesystem::path dossier;
    try {
        dossier = DossierExecutable();
    } catch (const std::exception&) {
        // No folder, no database: the connection string stays empty.
        return;
    }
    DataModuleCreate(dossier);
}

TDataModule1::TDataModule1(const std::filesystem::path& dossier) {
    DataModuleCreate(dossier);
}

void TDataModule1::DataModuleCreate(const std::filesystem::path& dossier) {
    const std::string chaine = ChaineConnexionModes(dossier);
    try {
        ADOConnection1.SetConnected(false);
        ADOConnection1.SetConnectionString(chaine);
        ADOConnection1.SetConnected(true);
    } catch (const std::exception&) {
        ADOConnection1.SetConnectionString("");
    }
}

}  // namespace velmora
