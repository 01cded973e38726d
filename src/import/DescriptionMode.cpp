#include "import/DescriptionMode.h"

namespace velmora {

namespace {

QString PhraseSortie(const std::string& sortie, bool anglais) {
    if (sortie == "Complet") {
        return anglais ? "Show the full table (the modified cells will be tinted)"
                       : "Sortir le tableau complet (les cellules modifiées seront teintées)";
    }
    if (sortie == "Ajoutees") {
        return anglais ? "Show only added rows" : "Sortir uniquement les lignes ajoutées";
    }
    if (sortie == "Doublons") {
        return anglais ? "Show only duplicate references"
                       : "Sortir uniquement les doublons de références";
    }
    if (sortie == "Inchangees") {
        return anglais ? "Show only duplicate rows" : "Sortir uniquement les doublons de lignes";
    }
    // "Lignes", and any word the program did not write.
    return anglais ? "show only changed lines" : "Sortir uniquement les lignes modifiées";
}

// The letter of a stored column number, "0" → A to "25" → Z. A number the
// program did not write (out of range, not decimal) is shown as it is.
QString LettreReference(const std::string& reference) {
    bool nombre = false;
    const int colonne = QString::fromStdString(reference).toInt(&nombre);
    if (nombre && colonne >= 0 && colonne < 26) {
        return QString(QChar('A' + colonne));
    }
    return QString::fromStdString(reference);
}

}  // namespace

ModeComparaison ModeParDefaut(bool anglais) {
    ModeComparaison mode;
    mode.RefComparaison = "-1";
    mode.Intitule = anglais ? "Comparison mode by default" : "Mode de comparaison par défaut";
    mode.EntreeTableau = "Identique";
    mode.Ref1 = mode.Ref2 = mode.Ref3 = mode.Ref4 = mode.Ref5 = "NULL";
    mode.SortieTableau = "Complet";
    mode.AncienNumLigne = "Non";
    return mode;
}

QString DescriptionMode(const ModeComparaison& mode, bool anglais) {
    QString texte;
    if (mode.EntreeTableau == "Identique") {
        texte = anglais ? "Comparing 2 identical tables (line numbers serve as reference)\r\n"
                        : "Comparer 2 tableaux identiques (les numéros de lignes servent de "
                          "référence)\r\n";
    } else {
        texte = anglais ? "Comparing 2 tables based on columns of reference\r\n"
                        : "Comparer 2 tableaux en fonction de colonnes de référence\r\n";
        texte += anglais ? "    Columns of reference : " : "    Colonne(s) servant de référence : ";
        texte += "\r\n";
        for (const std::string* reference :
             {&mode.Ref1, &mode.Ref2, &mode.Ref3, &mode.Ref4, &mode.Ref5}) {
            if (*reference != "NULL") {
                texte += QString("       ") + (anglais ? "Columns" : "Colonne") + " " +
                         LettreReference(*reference) + "\r\n";
            }
        }
    }
    texte += "\r\n";
    texte += PhraseSortie(mode.SortieTableau, anglais);
    if (mode.AncienNumLigne == "Oui") {
        texte += "\r\n";
        texte += anglais ? "Insert 2 columns with old numbers lines"
                         : "Insérer 2 colonnes avec les anciens n° de lignes";
    }
    return texte;
}

}  // namespace velmora
