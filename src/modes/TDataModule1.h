#pragma once

#include <filesystem>
#include <string>

#include "modes/ConnexionBase.h"
#include "modes/RequeteBase.h"

namespace velmora {

// Password of "Comp.qnr".
inline constexpr const char* kMotDePasseModes = "m3xq7vwe2k";

// The connection string of the mode database in `dossier` (a folder): the
// file, exclusive access and the password.
std::string ChaineConnexionModes(const std::filesystem::path& dossier);

// The database module: one connection to "Comp.qnr" beside the executable,
// held exclusively for the whole run, and the one query every statement goes
// through. Create one at start, before any window.
class TDataModule1 {
public:
    // Opens the database in DossierExecutable().
    TDataModule1();
    // Opens the database in `dossier` instead (tests, tools).
    explicit TDataModule1(const std::filesystem::path& dossier);

    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    ConnexionBase ADOConnection1;
    RequeteBase ADOQuery1{ADOConnection1};

private:
    // Opens the connection; on any failure empties the connection string and
    // carries on without a word, so every later statement fails and the
    // start-up check reports it.
    void DataModuleCreate(const std::filesystem::path& dossier);
};

}  // namespace velmora
