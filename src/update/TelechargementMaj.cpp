#include "update/TelechargementMaj.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "app/Parametres.h"

namespace velmora {

namespace {

struct LibererCurl {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct LibererListe {
    void operator()(curl_slist* liste) const { curl_slist_free_all(liste); }
};

bool EstHttps(const std::string& url) {
    static const std::string kPrefixe = "https://";
    if (url.size() <= kPrefixe.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kPrefixe.size(); ++i) {
        char c = url[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != kPrefixe[i]) {
            return false;
        }
    }
    return true;
}

void InitialiserCurl() {
    static const CURLcode etat = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (etat != CURLE_OK) {
        throw std::runtime_error(std::string("Initialisation du client HTTP impossible : ") +
                                 curl_easy_strerror(etat));
    }
}

// The body goes to a descriptor; a short write aborts the transfer.
size_t EcrireCorps(char* donnees, size_t taille, size_t nombre, void* cible) {
    const int fd = *static_cast<int*>(cible);
    const size_t total = taille * nombre;
    size_t ecrit = 0;
    while (ecrit < total) {
        ssize_t n = ::write(fd, donnees + ecrit, total - ecrit);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return 0;
        }
        ecrit += static_cast<size_t>(n);
    }
    return total;
}

// One attempt: a fresh temporary file, the GET, the rename. Any failure
// leaves no temporary file and `fichier` untouched.
bool Essai(CURL* curl, const std::filesystem::path& fichier,
           const std::filesystem::path& temporaire) {
    int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &fd);
    bool reussi = curl_easy_perform(curl) == CURLE_OK;
    long statut = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &statut);
    reussi = reussi && statut >= 200 && statut < 300;
    reussi = (::fsync(fd) == 0) && reussi;
    reussi = (::close(fd) == 0) && reussi;
    reussi = reussi && ::rename(temporaire.c_str(), fichier.c_str()) == 0;
    if (!reussi) {
        ::unlink(temporaire.c_str());
    }
    return reussi;
}

}  // namespace

std::filesystem::path FichierMiseAJour() {
    return DossierExecutable() / "MAJ_Compare.exe";
}

bool TelechargerFichier(const std::string& url, const std::filesystem::path& fichier,
                        const ReglagesTelechargement& reglages) {
    if (!EstHttps(url)) {
        throw std::invalid_argument("Adresse de mise à jour refusée (https exigé) : " + url);
    }
    InitialiserCurl();
    std::unique_ptr<CURL, LibererCurl> curl(curl_easy_init());
    if (!curl) {
        throw std::runtime_error("Client HTTP indisponible");
    }
    std::unique_ptr<curl_slist, LibererListe> entetes(
        curl_slist_append(nullptr, "Accept: text/html, */*"));
    entetes.reset(curl_slist_append(entetes.release(), "Content-Type: text/html"));

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, entetes.get());
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, "");  // cookies kept across attempts, never saved
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(reglages.DelaiConnexion.count()));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(reglages.DelaiSansDonnees.count()));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, EcrireCorps);
    const std::string autorites = reglages.FichierAutorites.string();
    if (!autorites.empty()) {
        curl_easy_setopt(c, CURLOPT_CAINFO, autorites.c_str());
        curl_easy_setopt(c, CURLOPT_CAPATH, nullptr);
    }

    const std::filesystem::path temporaire = fichier.string() + ".part";
    int echecs = 0;
    for (;;) {
        if (Essai(c, fichier, temporaire)) {
            return true;
        }
        ++echecs;
        if (reglages.Attendre) {
            reglages.Attendre(reglages.Pause);
        } else {
            std::this_thread::sleep_for(reglages.Pause);
        }
        if (echecs >= 3 && !(reglages.DemanderNouvelEssai && reglages.DemanderNouvelEssai())) {
            return false;
        }
    }
}

}  // namespace velmora
