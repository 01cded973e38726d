#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace velmora {

// Folder of the running executable, read from /proc/self/exe: the settings
// file, the database and the update program live there, whatever the
// working directory is.
std::filesystem::path DossierExecutable();

// Tests only: make DossierExecutable() answer `dossier` instead; an empty path
// goes back to /proc/self/exe.
void DefinirDossierExecutable(std::filesystem::path dossier);

// DossierExecutable() / "Param.ini", built anew at every call.
std::filesystem::path CheminParametres();

// A write to the settings file that could not be completed. The file is left
// as it was before the write.
struct ErreurEcritureParametres : std::runtime_error {
    explicit ErreurEcritureParametres(const std::filesystem::path& fichier);
    std::filesystem::path fichier;
};

// One value of Param.ini beside the executable. Section and key names match
// without regard to ASCII case; the value comes back byte for byte. A missing
// or unreadable file, section or key yields `defaut`.
std::string LireParametre(const std::string& section, const std::string& cle,
                          const std::string& defaut);

// Writes one value of Param.ini beside the executable: creates the file, the
// section or the key when missing, replaces an existing value in place. The
// change is on disk when the call returns. Throws ErreurEcritureParametres.
void EcrireParametre(const std::string& section, const std::string& cle, const std::string& valeur);

// The same two on an explicit file.
std::string LireParametre(const std::filesystem::path& fichier, const std::string& section,
                          const std::string& cle, const std::string& defaut);
void EcrireParametre(const std::filesystem::path& fichier, const std::string& section,
                     const std::string& cle, const std::string& valeur);

}  // namespace velmora
