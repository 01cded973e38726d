#pragma once

#include <filesystem>
#include <string>

namespace velmora {

// What a connection string states, in the Jet provider's own terms:
// "Data Source=<file>", "Mode=Share Deny Read|Share Deny Write" (or
// "Share Exclusive") for exclusive access, "Jet OLEDB:Database Password=<pw>".
// Keys match without regard to case; other keys (Provider, Persist Security
// Info) are accepted and not used.
struct ChaineConnexion {
    std::filesystem::path Fichier;
    bool Exclusif = false;
    std::string MotDePasse;

    // Throws ErreurBase when the text names no data source.
    static ChaineConnexion Analyser(const std::string& texte);
};

}  // namespace velmora
