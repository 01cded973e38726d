#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace velmora {

// Where the update program is published. Only https is accepted: the file
// fetched is a program that is started right after.
inline constexpr const char* kUrlMiseAJour =
    "https://updates.velmora.example/velmora/MAJ_Compare.exe";

// DossierExecutable() / "MAJ_Compare.exe".
std::filesystem::path FichierMiseAJour();

struct ReglagesTelechargement {
    // The retry question, asked after the third failure and after every later
    // one; true (Oui) gives exactly one more attempt. Unset means Non.
    std::function<bool()> DemanderNouvelEssai;
    // Waits `duree` on the calling thread; unset sleeps. Tests replace it.
    std::function<void(std::chrono::milliseconds duree)> Attendre;
    // Wait after each failed attempt.
    std::chrono::milliseconds Pause{1000};
    // PEM file of the authorities to trust instead of the system's (tests).
    std::filesystem::path FichierAutorites;
    // An attempt fails when the server cannot be reached in this time, or
    // sends nothing for this long in the middle of the body.
    std::chrono::seconds DelaiConnexion{15};
    std::chrono::seconds DelaiSansDonnees{30};
};

// Downloads `url` into `fichier`, retrying: three attempts without asking,
// `Pause` after each failure, then the retry question after every later
// failure. A failure is anything short of a complete 2xx body: no connection,
// an error status, a broken transfer, a file that cannot be written, a
// certificate that does not verify, a redirection off https.
//
// Each attempt writes into "<fichier>.part" beside `fichier`, created anew,
// and only a complete body is renamed onto `fichier`; so `fichier` never holds
// a partial download, and nothing of a failed download stays behind.
// Returns true when a transfer completed.
//
// Throws std::invalid_argument, before any request or file, for a URL that
// is not https.
bool TelechargerFichier(const std::string& url, const std::filesystem::path& fichier,
                        const ReglagesTelechargement& reglages = {});

}  // namespace velmora
