#include "update/TelechargementMaj.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

std::string Lire(const fs::path& fichier) {
    std::ifstream in(fichier, std::ios::binary);
    std::ostringstream texte;
    texte << in.rdbuf();
    return texte.str();
}

// What the loopback server sends for the update file.
std::string CorpsAttendu() {
    std::string corps = "MAJ";
    for (int fois = 0; fois < 64; ++fois) {
        for (int octet = 0; octet < 256; ++octet) {
            corps += static_cast<char>(octet);
        }
    }
    return corps;
}

// A port on which nothing listens: bound by the kernel, then released.
int PortLibre() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
    socklen_t longueur = sizeof adresse;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &longueur);
    ::close(s);
    return ntohs(adresse.sin_port);
}

// One HTTPS server on 127.0.0.1 for the whole suite, with a self-signed
// certificate made for 127.0.0.1 at start.
class TelechargementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string modele = (fs::temp_directory_path() / "velmora-maj-XXXXXX").string();
        dossierSuite_ = ::mkdtemp(modele.data());
        const std::string commande =
            "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 "
            "-addext subjectAltName=IP:127.0.0.1 -keyout " +
            (dossierSuite_ / "cle.pem").string() + " -out " + Certificat().string() +
            " >/dev/null 2>&1";
        ASSERT_EQ(std::system(commande.c_str()), 0) << commande;

        int tube[2];
        ASSERT_EQ(::pipe(tube), 0);
        serveur_ = ::fork();
        ASSERT_GE(serveur_, 0);
        if (serveur_ == 0) {
            ::dup2(tube[1], STDOUT_FILENO);
            ::close(tube[0]);
            ::close(tube[1]);
            const std::string script = SOURCE_DIR "/tests/update/serveur_tls.py";
            const std::string cle = (dossierSuite_ / "cle.pem").string();
            const std::string certificat = Certificat().string();
            ::execl("/usr/bin/python3", "python3", script.c_str(), certificat.c_str(), cle.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(tube[1]);
        FILE* sortie = ::fdopen(tube[0], "r");
        ASSERT_NE(sortie, nullptr);
        ASSERT_EQ(std::fscanf(sortie, "%d", &port_), 1) << "the test server did not start";
        std::fclose(sortie);
    }

    static void TearDownTestSuite() {
        if (serveur_ > 0) {
            ::kill(serveur_, SIGTERM);
            ::waitpid(serveur_, nullptr, 0);
        }
        fs::remove_all(dossierSuite_);
    }

    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "velmora-dest-XXXXXX").string();
        dossier_ = ::mkdtemp(modele.data());
        reglages_.FichierAutorites = Certificat();
        reglages_.DelaiConnexion = std::chrono::seconds(5);
        reglages_.DelaiSansDonnees = std::chrono::seconds(5);
        reglages_.Attendre = [this](milliseconds duree) { attentes_.push_back(duree); };
        reglages_.DemanderNouvelEssai = [this] {
            ++questions_;
            if (reponses_.empty()) {
                ADD_FAILURE() << "unexpected retry question";
                return false;
            }
            bool reponse = reponses_.front();
            reponses_.erase(reponses_.begin());
            return reponse;
        };
    }
    void TearDown() override { fs::remove_all(dossier_); }

    static fs::path Certificat() { return dossierSuite_ / "certificat.pem"; }
    static std::string Url(const std::string& chemin) {
        return "https://127.0.0.1:" + std::to_string(port_) + chemin;
    }
    fs::path Fichier() const { return dossier_ / "MAJ_Compare.exe"; }
    // The destination folder holds nothing (no partial file, no temporary).
    bool DossierVide() const { return fs::is_empty(dossier_); }

    inline static fs::path dossierSuite_;
    inline static pid_t serveur_ = -1;
    inline static int port_ = 0;

    fs::path dossier_;
    ReglagesTelechargement reglages_;
    std::vector<milliseconds> attentes_;
    std::vector<bool> reponses_;
    int questions_ = 0;
};

TEST_F(TelechargementTest, ReussitDuPremierCoup) {
    std::ofstream(Fichier()) << "ancienne version";
    ASSERT_TRUE(TelechargerFichier(Url("/velmora/MAJ_Compare.exe"), Fichier(), reglages_));
    EXPECT_EQ(Lire(Fichier()), CorpsAttendu());
    EXPECT_TRUE(attentes_.empty());
    EXPECT_EQ(questions_, 0);
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(dossier_), {}),
              std::vector<fs::path>{Fichier()});
}

TEST_F(TelechargementTest, EnvoieLesEntetesDeLaRequete) {
    ASSERT_TRUE(TelechargerFichier(Url("/entetes"), Fichier(), reglages_));
    const std::string entetes = Lire(Fichier());
    EXPECT_NE(entetes.find("User-Agent: Mozilla/3.0 (compatible; Indy Library)"), std::string::npos)
        << entetes;
    EXPECT_NE(entetes.find("Accept: text/html, */*"), std::string::npos) << entetes;
    EXPECT_NE(entetes.find("Content-Type: text/html"), std::string::npos) << entetes;
}

// Failures that the server or the transfer cause, each counted as one failed
// attempt: three without asking, a wait of the pause after each, then the
// question; here answered Non.
TEST_F(TelechargementTest, EchecsComptesPuisQuestion) {
    struct Cas {
        const char* nom;
        std::string url;
    };
    const Cas cas[] = {
        {"statut 404", Url("/velmora/absent.exe")},
        {"transfert coupe", Url("/coupe")},
        {"rien n'ecoute", "https://127.0.0.1:" + std::to_string(PortLibre()) + "/velmora/x"},
        {"redirection vers http", Url("/redirige-http")},
        {"nom d'hote different du certificat",
         "https://localhost:" + std::to_string(port_) + "/velmora/MAJ_Compare.exe"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        attentes_.clear();
        questions_ = 0;
        reponses_ = {false};
        EXPECT_FALSE(TelechargerFichier(c.url, Fichier(), reglages_));
        EXPECT_EQ(attentes_, std::vector<milliseconds>(3, milliseconds(1000)));
        EXPECT_EQ(questions_, 1);
        EXPECT_TRUE(DossierVide());
    }
}

TEST_F(TelechargementTest, CertificatNonReconnuSansSesAutorites) {
    reglages_.FichierAutorites.clear();  // the system's authorities only
    reponses_ = {false};
    EXPECT_FALSE(TelechargerFichier(Url("/velmora/MAJ_Compare.exe"), Fichier(), reglages_));
    EXPECT_TRUE(DossierVide());
}

TEST_F(TelechargementTest, OuiDonneUnSeulEssaiDePlus) {
    reponses_ = {true, false};
    EXPECT_FALSE(TelechargerFichier(Url("/velmora/absent.exe"), Fichier(), reglages_));
    EXPECT_EQ(attentes_.size(), 4u);
    EXPECT_EQ(questions_, 2);
    EXPECT_TRUE(DossierVide());
}

TEST_F(TelechargementTest, ReussitApresDesEchecs) {
    struct Cas {
        const char* chemin;
        std::vector<bool> reponses;
        std::size_t attentes;
    };
    const Cas cas[] = {
        {"/echoue/a/2", {}, 2},      // third attempt, no question
        {"/echoue/b/3", {true}, 3},  // fourth attempt after one Oui
        {"/echoue/c/5", {true, true, true}, 5},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.chemin);
        attentes_.clear();
        questions_ = 0;
        reponses_ = c.reponses;
        EXPECT_TRUE(TelechargerFichier(Url(c.chemin), Fichier(), reglages_));
        EXPECT_EQ(attentes_.size(), c.attentes);
        EXPECT_EQ(static_cast<std::size_t>(questions_), c.reponses.size());
        EXPECT_EQ(Lire(Fichier()), CorpsAttendu());
    }
}

TEST_F(TelechargementTest, RedirectionHttpsSuivie) {
    EXPECT_TRUE(TelechargerFichier(Url("/redirige-https"), Fichier(), reglages_));
    EXPECT_EQ(Lire(Fichier()), CorpsAttendu());
}

// Tests run as root, where permission bits stop no write: the folder that
// cannot take the file is a path under a regular file.
TEST_F(TelechargementTest, DossierOuLeFichierNePeutEtreCree) {
    const fs::path pasUnDossier = dossier_ / "fichier";
    std::ofstream(pasUnDossier) << "x";
    reponses_ = {true, false};
    EXPECT_FALSE(TelechargerFichier(Url("/velmora/MAJ_Compare.exe"),
                                    pasUnDossier / "MAJ_Compare.exe", reglages_));
    EXPECT_EQ(attentes_.size(), 4u);
    EXPECT_EQ(questions_, 2);
}

TEST_F(TelechargementTest, UrlEnClairRefuseeSansRienCreer) {
    for (const char* url : {"http://127.0.0.1/velmora/MAJ_Compare.exe", "ftp://x/y", "https:/x",
                            "file:///etc/passwd"}) {
        EXPECT_THROW(TelechargerFichier(url, Fichier(), reglages_), std::invalid_argument) << url;
    }
    EXPECT_TRUE(attentes_.empty());
    EXPECT_TRUE(DossierVide());
}

TEST(TelechargementSansServeur, PauseParDefautDUneSeconde) {
    ReglagesTelechargement reglages;
    EXPECT_EQ(reglages.Pause, milliseconds(1000));
    EXPECT_EQ(std::string(kUrlMiseAJour).rfind("https://", 0), 0u);
    EXPECT_TRUE(std::string(kUrlMiseAJour).ends_with("/velmora/MAJ_Compare.exe"));
    EXPECT_EQ(FichierMiseAJour().filename(), "MAJ_Compare.exe");
}

}  // namespace
}  // namespace velmora
