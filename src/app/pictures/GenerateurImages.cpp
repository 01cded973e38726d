// Draws every picture of the window skin, encodes each one as JPEG with
// libjpeg and writes a C++ source file that embeds the bytes. Run by the
// build; the program decodes the JPEG data when a window needs a picture.
//
// Usage: velmora_pictures <output .cpp> [folder for a copy of each .jpg]

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

// Colours of the skin, (red, green, blue).
const QColor kFondFenetre(207, 181, 140);
const QColor kFondDialogue(218, 200, 169);
const QColor kBandeau(104, 70, 42);
const QColor kBrunFonce(70, 42, 22);
const QColor kTrait(92, 60, 34);

QFont Police(int pixels, bool gras = true, const char* famille = "DejaVu Sans") {
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage NouvelleImage(int largeur, int hauteur, const QColor& fond) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(fond);
    return image;
}

// Largest bold font, at most `pixels` high, whose text fits in `largeur`.
QFont PoliceAjustee(const QString& texte, int pixels, int largeur) {
    for (int p = pixels; p > 7; --p) {
        QFont f = Police(p);
        if (QFontMetrics(f).horizontalAdvance(texte) <= largeur) {
            return f;
        }
    }
    return Police(7);
}

enum class Style { Clair, Fonce };

// A rounded button with its words; `appuye` is the pressed picture: darker,
// inverted gradient, words one pixel lower.
QImage Bouton(int largeur, int hauteur, const QString& texte, bool appuye, Style style,
              const QColor& fond) {
    QImage image = NouvelleImage(largeur, hauteur, fond);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF cadre(0.5, 0.5, largeur - 1.0, hauteur - 1.0);
    const qreal rayon = hauteur >= 30 ? 8.0 : 6.0;

    QColor haut, bas, bord, encre;
    if (style == Style::Clair) {
        haut = appuye ? QColor(196, 164, 116) : QColor(250, 242, 224);
        bas = appuye ? QColor(232, 212, 176) : QColor(212, 184, 138);
        bord = QColor(112, 78, 46);
        encre = kBrunFonce;
    } else {
        haut = appuye ? QColor(48, 28, 16) : QColor(122, 84, 54);
        bas = appuye ? QColor(96, 64, 40) : QColor(58, 34, 18);
        bord = QColor(36, 20, 10);
        encre = QColor(248, 232, 200);
    }
    QLinearGradient degrade(0, 0, 0, hauteur);
    degrade.setColorAt(0.0, haut);
    degrade.setColorAt(1.0, bas);
    QPainterPath chemin;
    chemin.addRoundedRect(cadre, rayon, rayon);
    p.fillPath(chemin, degrade);
    if (!appuye) {
        // Thin highlight along the upper inside edge.
        QColor reflet(255, 255, 255, style == Style::Clair ? 150 : 60);
        p.setPen(QPen(reflet, 1.0));
        p.drawLine(QPointF(rayon, 2.0), QPointF(largeur - rayon, 2.0));
    }
    p.setPen(QPen(bord, 1.0));
    p.drawPath(chemin);

    const int marge = 8;
    p.setFont(PoliceAjustee(texte, hauteur >= 30 ? 14 : 12, largeur - 2 * marge));
    QRect zone(0, appuye ? 1 : 0, largeur, hauteur);
    if (style == Style::Clair) {
        p.setPen(QColor(255, 255, 255, 120));
        p.drawText(zone.translated(0, 1), Qt::AlignCenter, texte);
    }
    p.setPen(encre);
    p.drawText(zone, Qt::AlignCenter, texte);
    return image;
}

// Small square button of the title band: a symbol drawn by `symbole`.
QImage PetitBouton(int cote, bool appuye, const QColor& fond,
                   const std::function<void(QPainter&, const QColor&)>& symbole) {
    QImage image = NouvelleImage(cote, cote, fond);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient degrade(0, 0, 0, cote);
    degrade.setColorAt(0.0, appuye ? QColor(70, 44, 24) : QColor(238, 222, 190));
    degrade.setColorAt(1.0, appuye ? QColor(120, 84, 52) : QColor(196, 166, 120));
    QPainterPath chemin;
    chemin.addRoundedRect(QRectF(0.5, 0.5, cote - 1.0, cote - 1.0), 4, 4);
    p.fillPath(chemin, degrade);
    p.setPen(QPen(QColor(40, 24, 12), 1.0));
    p.drawPath(chemin);
    symbole(p, appuye ? QColor(250, 236, 206) : kBrunFonce);
    return image;
}

QImage Fond(int largeur, int hauteur) {
    QImage image = NouvelleImage(largeur, hauteur, kFondFenetre);
    QPainter p(&image);
    QLinearGradient degrade(0, 0, largeur, hauteur);
    degrade.setColorAt(0.0, QColor(216, 193, 154));
    degrade.setColorAt(0.55, kFondFenetre);
    degrade.setColorAt(1.0, QColor(194, 166, 124));
    p.fillRect(image.rect(), degrade);
    // Faint ruled lines, like the sheet of a ledger.
    p.setPen(QColor(255, 255, 255, 28));
    for (int y = 6; y < hauteur; y += 12) {
        p.drawLine(0, y, largeur, y);
    }
    return image;
}

// The splash: the ledger background with the emblem and the name above the
// loading text.
QImage FondSplash() {
    QImage image = Fond(358, 154);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor teintes[3] = {QColor(0, 128, 128), QColor(128, 128, 128), QColor(128, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            QColor c = (i + j) % 2 == 0 ? QColor(246, 236, 214) : teintes[(i + 2 * j) % 3];
            p.fillRect(QRect(96 + j * 9, 16 + i * 9, 8, 8), c);
        }
    }
    p.setFont(Police(28, true, "DejaVu Serif"));
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRect(132, 8, 200, 44), Qt::AlignVCenter | Qt::AlignLeft, "Velmora");
    p.setPen(QPen(QColor(128, 90, 52), 1.0));
    p.drawLine(40, 60, 318, 60);
    return image;
}

QImage Bandeau(int largeur, int hauteur, bool titre) {
    QImage image = NouvelleImage(largeur, hauteur, kBandeau);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(150, 112, 74));
    p.drawLine(0, hauteur - 3, largeur, hauteur - 3);
    p.setPen(QColor(60, 36, 18));
    p.drawLine(0, hauteur - 2, largeur, hauteur - 2);
    p.drawLine(0, hauteur - 1, largeur, hauteur - 1);
    if (titre) {
        // A small stack of tinted cells, the program's emblem, then its name.
        const QColor teintes[3] = {QColor(0, 128, 128), QColor(128, 128, 128), QColor(128, 0, 0)};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                QColor c = (i + j) % 2 == 0 ? QColor(236, 224, 200) : teintes[(i + 2 * j) % 3];
                p.fillRect(QRect(14 + j * 11, 11 + i * 11, 10, 10), c);
            }
        }
        p.setFont(Police(30, true, "DejaVu Serif"));
        p.setPen(QColor(40, 22, 10));
        p.drawText(QRect(60, 2, 300, hauteur - 4), Qt::AlignVCenter | Qt::AlignLeft, "Velmora");
        p.setPen(QColor(246, 226, 186));
        p.drawText(QRect(58, 0, 300, hauteur - 4), Qt::AlignVCenter | Qt::AlignLeft, "Velmora");
    }
    return image;
}

QImage Trait(int largeur, int hauteur) {
    QImage image = NouvelleImage(largeur, hauteur, kTrait);
    QPainter p(&image);
    const bool horizontal = largeur > hauteur;
    const QColor lignes[4] = {QColor(60, 36, 18), QColor(132, 94, 58), QColor(104, 70, 42),
                              QColor(60, 36, 18)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(lignes[i]);
        if (horizontal) {
            p.drawLine(0, i, largeur, i);
        } else {
            p.drawLine(i, 0, i, hauteur);
        }
    }
    return image;
}

QImage DrapeauFrancais() {
    QImage image = NouvelleImage(36, 25, QColor(255, 255, 255));
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 12, 25), QColor(0, 85, 164));
    p.fillRect(QRect(24, 0, 12, 25), QColor(239, 65, 53));
    p.setPen(QColor(40, 24, 12));
    p.drawRect(0, 0, 35, 24);
    return image;
}

QImage DrapeauAnglais() {
    QImage image = NouvelleImage(36, 25, QColor(1, 33, 105));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor rouge(200, 16, 46);
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(0, 0, 36, 25);
    p.drawLine(0, 25, 36, 0);
    p.setPen(QPen(rouge, 1.6));
    p.drawLine(0, 0, 36, 25);
    p.drawLine(0, 25, 36, 0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(14, 0, 8, 25), Qt::white);
    p.fillRect(QRect(0, 9, 36, 7), Qt::white);
    p.fillRect(QRect(16, 0, 4, 25), rouge);
    p.fillRect(QRect(0, 10, 36, 5), rouge);
    p.setPen(QColor(40, 24, 12));
    p.drawRect(0, 0, 35, 24);
    return image;
}

QImage Alerte() {
    QImage image = NouvelleImage(28, 29, kFondDialogue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF triangle;
    triangle << QPointF(14, 1.5) << QPointF(26.5, 26.5) << QPointF(1.5, 26.5);
    QLinearGradient degrade(0, 0, 0, 29);
    degrade.setColorAt(0.0, QColor(255, 214, 92));
    degrade.setColorAt(1.0, QColor(230, 150, 30));
    QPainterPath chemin;
    chemin.addPolygon(triangle);
    chemin.closeSubpath();
    p.fillPath(chemin, degrade);
    p.setPen(QPen(QColor(110, 60, 10), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chemin);
    p.setFont(Police(17));
    p.setPen(QColor(60, 30, 6));
    p.drawText(QRect(0, 7, 28, 20), Qt::AlignCenter, "!");
    return image;
}

QImage Poignee() {
    QImage image = NouvelleImage(24, 24, kBandeau);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath chemin;
    chemin.addRoundedRect(QRectF(0.5, 0.5, 23, 23), 5, 5);
    p.fillPath(chemin, QColor(150, 110, 70));
    p.setPen(QColor(50, 30, 14));
    p.drawPath(chemin);
    p.setPen(QPen(QColor(250, 236, 206), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 4), QPointF(12, 20));
    p.drawLine(QPointF(4, 12), QPointF(20, 12));
    const QPointF pointes[4][3] = {{{12, 3}, {9, 6.5}, {15, 6.5}},
                                   {{12, 21}, {9, 17.5}, {15, 17.5}},
                                   {{3, 12}, {6.5, 9}, {6.5, 15}},
                                   {{21, 12}, {17.5, 9}, {17.5, 15}}};
    p.setBrush(QColor(250, 236, 206));
    p.setPen(Qt::NoPen);
    for (const auto& t : pointes) {
        p.drawPolygon(t, 3);
    }
    return image;
}

QImage Onglet() {
    QImage image = NouvelleImage(94, 19, QColor(236, 226, 208));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Two small sheets side by side with an arrow between them.
    for (int k = 0; k < 2; ++k) {
        const int x = 14 + k * 46;
        p.fillRect(QRect(x, 3, 20, 13), Qt::white);
        p.setPen(QColor(120, 90, 60));
        p.drawRect(x, 3, 20, 13);
        for (int i = 1; i < 3; ++i) {
            p.drawLine(x, 3 + i * 4, x + 20, 3 + i * 4);
        }
        p.drawLine(x + 10, 3, x + 10, 16);
        p.fillRect(QRect(x + 11, 8, 9, 3), k == 0 ? QColor(0, 128, 128) : QColor(128, 0, 0));
    }
    p.setPen(QPen(kBrunFonce, 1.6));
    p.drawLine(QPointF(40, 9.5), QPointF(55, 9.5));
    p.drawLine(QPointF(51, 6), QPointF(55, 9.5));
    p.drawLine(QPointF(51, 13), QPointF(55, 9.5));
    return image;
}

QImage Separateur() {
    QImage image = NouvelleImage(2, 60, QColor(120, 88, 56));
    QPainter p(&image);
    p.setPen(QColor(240, 226, 200));
    p.drawLine(1, 0, 1, 60);
    return image;
}

void SymboleAide(QPainter& p, const QColor& c) {
    p.setFont(Police(14));
    p.setPen(c);
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, "?");
}

void SymboleReduire(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 14), QPointF(14, 14));
}

void SymboleCroix(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
}

std::vector<unsigned char> EncoderJpeg(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr erreurs{};
    cinfo.err = jpeg_std_error(&erreurs);
    jpeg_create_compress(&cinfo);
    unsigned char* tampon = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&cinfo, &tampon, &taille);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    // Full-resolution colour keeps the thin coloured lines and small words sharp.
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW ligne =
            const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<unsigned char> octets(tampon, tampon + taille);
    jpeg_destroy_compress(&cinfo);
    free(tampon);
    return octets;
}

struct Image {
    std::string nom;
    QImage image;
};

struct BoutonTexte {
    const char* nom;
    int largeur;
    int hauteur;
    const char* francais;
    const char* anglais;
    Style style;
    QColor fond;
};

std::vector<Image> ToutesLesImages() {
    std::vector<Image> images;
    const BoutonTexte boutons[] = {
        {"Annuler", 107, 25, "Annuler", "Cancel", Style::Clair, kFondDialogue},
        {"Valider", 107, 25, "Valider", "Confirm", Style::Clair, kFondDialogue},
        {"Apropos", 93, 35, "À propos", "About", Style::Clair, kBandeau},
        {"Maj", 93, 35, "Mise à jour", "Update", Style::Clair, kBandeau},
        {"TableauExcel1", 150, 21, "TABLEAU 1", "TABLE 1", Style::Clair, kFondFenetre},
        {"TableauExcel2", 150, 21, "TABLEAU 2", "TABLE 2", Style::Clair, kFondFenetre},
        {"Options", 107, 25, "Options", "Options", Style::Clair, kFondFenetre},
        {"ComparerExcel", 107, 25, "Comparer", "Compare", Style::Fonce, kFondFenetre},
        {"Fermer", 107, 25, "Fermer", "Close", Style::Clair, kFondDialogue},
        {"Enregistrer", 107, 25, "Enregistrer", "Save", Style::Clair, kFondDialogue},
        {"Supprimer", 107, 25, "Supprimer", "Delete", Style::Clair, kFondDialogue},
        {"EnregistrerSous", 107, 25, "Enregistrer sous", "Save as", Style::Clair, kFondDialogue},
        {"Non", 107, 25, "Non", "No", Style::Clair, kFondDialogue},
        {"Oui", 107, 25, "Oui", "Yes", Style::Clair, kFondDialogue},
        {"FermerFonce", 107, 25, "Fermer", "Close", Style::Fonce, kFondDialogue},
    };
    for (const auto& b : boutons) {
        const std::string nom = b.nom;
        const QString fr = QString::fromUtf8(b.francais);
        const QString en = QString::fromUtf8(b.anglais);
        images.push_back({"Image" + nom, Bouton(b.largeur, b.hauteur, fr, false, b.style, b.fond)});
        images.push_back(
            {"ImageClic" + nom, Bouton(b.largeur, b.hauteur, fr, true, b.style, b.fond)});
        images.push_back(
            {"Image" + nom + "Anglais", Bouton(b.largeur, b.hauteur, en, false, b.style, b.fond)});
        images.push_back({"ImageClic" + nom + "Anglais",
                          Bouton(b.largeur, b.hauteur, en, true, b.style, b.fond)});
    }
    images.push_back({"FondPrincipal", Fond(799, 580)});
    images.push_back({"FondSplash", FondSplash()});
    images.push_back({"BandeauBoutons", Bandeau(341, 60, false)});
    images.push_back({"BandeauTitre", Bandeau(456, 57, true)});
    images.push_back({"TraitHorizontal", Trait(1050, 4)});
    images.push_back({"TraitVertical", Trait(4, 800)});
    images.push_back({"LogoFrancais", DrapeauFrancais()});
    images.push_back({"LogoAnglais", DrapeauAnglais()});
    images.push_back({"Alerte", Alerte()});
    images.push_back({"DeplaceFenetre", Poignee()});
    images.push_back({"Onglet", Onglet()});
    images.push_back({"Separateur", Separateur()});
    images.push_back({"Aide", PetitBouton(20, false, kBandeau, SymboleAide)});
    images.push_back({"ClicAide", PetitBouton(20, true, kBandeau, SymboleAide)});
    images.push_back({"Reduire", PetitBouton(20, false, kBandeau, SymboleReduire)});
    images.push_back({"ClicReduire", PetitBouton(20, true, kBandeau, SymboleReduire)});
    images.push_back({"Croix", PetitBouton(20, false, kBandeau, SymboleCroix)});
    images.push_back({"ClicCroix", PetitBouton(20, true, kBandeau, SymboleCroix)});
    images.push_back({"CroixDialogue", PetitBouton(20, false, kFondDialogue, SymboleCroix)});
    images.push_back({"ClicCroixDialogue", PetitBouton(20, true, kFondDialogue, SymboleCroix)});
    return images;
}

void Ecrire(const std::string& chemin, const std::string& texte) {
    const std::string provisoire = chemin + ".tmp";
    {
        std::ofstream sortie(provisoire, std::ios::binary | std::ios::trunc);
        sortie << texte;
        if (!sortie.flush()) {
            throw std::runtime_error("Impossible d'écrire " + provisoire);
        }
    }
    if (std::rename(provisoire.c_str(), chemin.c_str()) != 0) {
        throw std::runtime_error("Impossible de renommer " + provisoire + " en " + chemin);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output.cpp> [jpeg folder]\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    try {
        std::string source =
            "// Generated by velmora_pictures: JPEG pictures of the window skin.\n"
            "#include \"app/ImagesSkin.h\"\n\nnamespace velmora {\nnamespace {\n";
        std::string table;
        int numero = 0;
        for (const Image& image : ToutesLesImages()) {
            const std::vector<unsigned char> octets = EncoderJpeg(image.image);
            if (argc > 2) {
                const std::string copie = std::string(argv[2]) + "/" + image.nom + ".jpg";
                Ecrire(copie, std::string(octets.begin(), octets.end()));
            }
            source += "const unsigned char kImage" + std::to_string(numero) + "[] = {";
            for (std::size_t i = 0; i < octets.size(); ++i) {
                source += (i % 24 == 0 ? "\n" : "") + std::to_string(octets[i]) + ",";
            }
            source += "\n};\n";
            table += "    {\"" + image.nom + "\", kImage" + std::to_string(numero) +
                     ", sizeof kImage" + std::to_string(numero) + "},\n";
            ++numero;
        }
        source += "const ImageEmbarquee kImages[] = {\n" + table + "};\n}  // namespace\n\n";
        source +=
            "std::span<const ImageEmbarquee> ImagesEmbarquees() { return kImages; }\n\n"
            "}  // namespace velmora\n";
        Ecrire(argv[1], source);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
