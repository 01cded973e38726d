#include "app/Parametres.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "app/NomsSansCasse.h"

namespace velmora {

namespace {

std::filesystem::path& DossierImpose() {
    static std::filesystem::path dossier;
    return dossier;
}

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}

std::string SansBlancs(std::string_view texte) {
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    while (debut < fin && EstBlanc(texte[debut])) {
        ++debut;
    }
    while (fin > debut && EstBlanc(texte[fin - 1])) {
        --fin;
    }
    return std::string(texte.substr(debut, fin - debut));
}

// One line of the file as it was read, without its line break.
struct Ligne {
    std::string brut;  // may end with '\r' when the file uses CR LF
    std::string_view Texte() const {
        std::string_view t = brut;
        if (!t.empty() && t.back() == '\r') {
            t.remove_suffix(1);
        }
        // A file saved by hand in UTF-8 may open with a byte-order mark.
        if (t.starts_with("\xEF\xBB\xBF")) {
            t.remove_prefix(3);
        }
        return t;
    }
};

// Name of the section a line opens, if it opens one.
std::optional<std::string> NomSection(const Ligne& ligne) {
    std::string texte = SansBlancs(ligne.Texte());
    if (texte.empty() || texte.front() != '[') {
        return std::nullopt;
    }
    std::size_t fin = texte.find(']');
    if (fin == std::string::npos) {
        fin = texte.size();
    }
    return SansBlancs(std::string_view(texte).substr(1, fin - 1));
}

// Key and value of a key=value line; comments (';') and other lines have none.
std::optional<std::pair<std::string, std::string>> CleValeur(const Ligne& ligne) {
    std::string_view texte = ligne.Texte();
    std::string debut = SansBlancs(texte);
    if (debut.empty() || debut.front() == ';' || debut.front() == '[') {
        return std::nullopt;
    }
    std::size_t egal = texte.find('=');
    if (egal == std::string_view::npos) {
        return std::nullopt;
    }
    return std::make_pair(SansBlancs(texte.substr(0, egal)), SansBlancs(texte.substr(egal + 1)));
}

std::vector<Ligne> DecouperLignes(const std::string& contenu) {
    std::vector<Ligne> lignes;
    std::size_t debut = 0;
    while (debut < contenu.size()) {
        std::size_t fin = contenu.find('\n', debut);
        if (fin == std::string::npos) {
            fin = contenu.size();
        }
        lignes.push_back(Ligne{contenu.substr(debut, fin - debut)});
        debut = fin + 1;
    }
    return lignes;
}

// Whole file, or nothing when it does not exist. Throws std::system_error
// when it exists but cannot be read.
std::optional<std::string> LireFichier(const std::filesystem::path& fichier) {
    int fd = ::open(fichier.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw std::system_error(errno, std::generic_category());
    }
    std::string contenu;
    char tampon[4096];
    for (;;) {
        ssize_t lu = ::read(fd, tampon, sizeof tampon);
        if (lu < 0) {
            if (errno == EINTR) {
                continue;
            }
            int erreur = errno;
            ::close(fd);
            throw std::system_error(erreur, std::generic_category());
        }
        if (lu == 0) {
            break;
        }
        contenu.append(tampon, static_cast<std::size_t>(lu));
    }
    ::close(fd);
    return contenu;
}

// A symbolic link named Param.ini stays a link: its target is rewritten.
std::filesystem::path CibleReelle(const std::filesystem::path& fichier) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(fichier, ec))) {
        auto cible = std::filesystem::weakly_canonical(fichier, ec);
        if (!ec) {
            return cible;
        }
    }
    return fichier;
}

// Replaces `fichier` by `contenu` through a temporary file in the same folder
// renamed over it, so a crash leaves either the old or the new file, never a
// truncated one. Returns false on any failure, leaving the old file in place.
bool RemplacerFichier(const std::filesystem::path& fichier, const std::string& contenu) {
    std::filesystem::path dossier = fichier.parent_path();
    std::string modele = (dossier / ("." + fichier.filename().string() + ".XXXXXX")).string();
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    int fd = ::mkostemp(nom.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    auto abandonner = [&] {
        ::close(fd);
        ::unlink(nom.data());
        return false;
    };
    struct stat ancien {};
    mode_t mode = (::stat(fichier.c_str(), &ancien) == 0) ? (ancien.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) {
        return abandonner();
    }
    std::size_t ecrit = 0;
    while (ecrit < contenu.size()) {
        ssize_t n = ::write(fd, contenu.data() + ecrit, contenu.size() - ecrit);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return abandonner();
        }
        ecrit += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        return abandonner();
    }
    if (::close(fd) != 0) {
        ::unlink(nom.data());
        return false;
    }
    if (::rename(nom.data(), fichier.c_str()) != 0) {
        ::unlink(nom.data());
        return false;
    }
    // Make the rename itself durable; the new file is in place either way.
    int fdDossier =
        ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdDossier >= 0) {
        ::fsync(fdDossier);
        ::close(fdDossier);
    }
    return true;
}

void VerifierNom(const std::string& texte, const char* quoi, bool section) {
    for (char c : texte) {
        if (c == '\n' || c == '\r' || (section && c == ']') || (!section && c == '=')) {
            throw std::invalid_argument(std::string("Param.ini : ") + quoi + " invalide « " +
                                        texte + " »");
        }
    }
}

std::filesystem::path CheminComplet(const std::filesystem::path& chemin) {
    std::error_code ec;
    std::filesystem::path complet = std::filesystem::absolute(chemin, ec);
    return ec ? chemin : complet;
}

}  // namespace

ErreurEcritureParametres::ErreurEcritureParametres(const std::filesystem::path& chemin)
    : std::runtime_error("Impossible d'écrire dans " + CheminComplet(chemin).string()),
      fichier(chemin) {}

std::filesystem::path DossierExecutable() {
    if (!DossierImpose().empty()) {
        return DossierImpose();
    }
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        throw std::runtime_error(
            "Impossible de trouver le dossier du programme : /proc/self/exe (" + ec.message() +
            ")");
    }
    return exe.parent_path();
}

void DefinirDossierExecutable(std::filesystem::path dossier) {
    DossierImpose() = std::move(dossier);
}

std::filesystem::path CheminParametres() {
    return DossierExecutable() / "Param.ini";
}

std::string LireParametre(const std::string& section, const std::string& cle,
                          const std::string& defaut) {
    return LireParametre(CheminParametres(), section, cle, defaut);
}

void EcrireParametre(const std::string& section, const std::string& cle,
                     const std::string& valeur) {
    EcrireParametre(CheminParametres(), section, cle, valeur);
}

std::string LireParametre(const std::filesystem::path& fichier, const std::string& section,
                          const std::string& cle, const std::string& defaut) {
    std::optional<std::string> contenu;
    try {
        contenu = LireFichier(fichier);
    } catch (const std::system_error&) {
        return defaut;  // an unreadable file reads like a missing one
    }
    if (!contenu) {
        return defaut;
    }
    bool dansSection = false;
    for (const Ligne& ligne : DecouperLignes(*contenu)) {
        if (auto nom = NomSection(ligne)) {
            dansSection = MemeNom(*nom, section);
            continue;
        }
        if (!dansSection) {
            continue;
        }
        if (auto kv = CleValeur(ligne); kv && MemeNom(kv->first, cle)) {
            return kv->second;
        }
    }
    return defaut;
}

void EcrireParametre(const std::filesystem::path& fichier, const std::string& section,
                     const std::string& cle, const std::string& valeur) {
    VerifierNom(section, "section", true);
    VerifierNom(cle, "clé", false);
    if (SansBlancs(section) != section || section.empty() || SansBlancs(cle) != cle ||
        cle.empty()) {
        throw std::invalid_argument("Param.ini : nom de section ou de clé invalide");
    }
    for (char c : valeur) {
        if (c == '\n' || c == '\r') {
            throw std::invalid_argument("Param.ini : une valeur ne peut tenir sur deux lignes");
        }
    }

    std::filesystem::path cible = CibleReelle(fichier);
    std::optional<std::string> contenu;
    try {
        contenu = LireFichier(cible);
    } catch (const std::system_error&) {
        throw ErreurEcritureParametres(fichier);
    }
    std::vector<Ligne> lignes = DecouperLignes(contenu.value_or(""));
    bool crlf =
        !lignes.empty() && !lignes.front().brut.empty() && lignes.front().brut.back() == '\r';
    auto nouvelle = [&](std::string texte) {
        if (crlf) {
            texte += '\r';
        }
        return Ligne{std::move(texte)};
    };

    // The first section of that name receives the key, as the reader looks there first.
    std::optional<std::size_t> debutSection;
    std::size_t finSection = lignes.size();  // one past the section's last key line
    std::optional<std::size_t> ligneCle;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (auto nom = NomSection(lignes[i])) {
            if (debutSection) {
                break;
            }
            if (MemeNom(*nom, section)) {
                debutSection = i;
                finSection = i + 1;
            }
            continue;
        }
        if (!debutSection) {
            continue;
        }
        if (auto kv = CleValeur(lignes[i])) {
            finSection = i + 1;
            if (MemeNom(kv->first, cle)) {
                ligneCle = i;
                break;
            }
        }
    }

    if (ligneCle) {
        std::string_view ancien = lignes[*ligneCle].Texte();
        std::string nomCle = SansBlancs(ancien.substr(0, ancien.find('=')));
        lignes[*ligneCle] = nouvelle(nomCle + "=" + valeur);
    } else if (debutSection) {
        lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(finSection),
                      nouvelle(cle + "=" + valeur));
    } else {
        lignes.push_back(nouvelle("[" + section + "]"));
        lignes.push_back(nouvelle(cle + "=" + valeur));
    }

    std::string sortie;
    for (const Ligne& ligne : lignes) {
        sortie += ligne.brut;
        sortie += '\n';
    }
    if (!RemplacerFichier(cible, sortie)) {
        throw ErreurEcritureParametres(fichier);
    }
}

}  // namespace velmora
