#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "compare/TableauFinal.h"

namespace velmora {

// The file the export writes in the folder it is given.
inline constexpr std::string_view kNomFichierExport = "Temp_Result.xls";
// The name of the exported worksheet.
inline constexpr std::string_view kNomFeuilleExport = "Résultat Compare";

// What the window does around the export; any hook may be left empty.
struct CrochetsExport {
    std::function<void()> curseurOccupe;
    // Called on every way out, an escaping exception included.
    std::function<void()> curseurNormal;
    // Before the first row: the bar's maximum (the row count), position 0.
    std::function<void(int maximum)> debutProgression;
    // Once per row with its 1-based number, then 0 after the last row. The
    // window moves its bar and lets pending events run here.
    std::function<void(int position)> progression;
    // The outcome for the internal message box (shown modally over the
    // window with its overlay); the text goes to LbAlert as it is.
    std::function<void(const std::string& texte)> message;
};

// What could not go into the workbook as it was.
struct BilanExport {
    int lignesOmises = 0;               // rows past the 65,536 of a worksheet
    int colonnesOmises = 0;             // columns past the 256 of a worksheet
    std::size_t textesTronques = 0;     // texts cut to 32,767 characters
    std::size_t cellulesEnEchec = 0;    // cells whose text or fill failed
    std::string remplissageInterrompu;  // why filling stopped early, empty if it did not

    bool complet() const {
        return lignesOmises == 0 && colonnesOmises == 0 && textesTronques == 0 &&
               cellulesEnEchec == 0 && remplissageInterrompu.empty();
    }
};

enum class IssueExport { Terminee, AccesRefuse };

// Writes the final table to `cible`: one worksheet "Résultat Compare", row r
// and column c going to sheet cell (r + 1, c + 1), each cell as the text the
// final table shows (dates included, as the user's locale wrote them), the
// added, modified and erased tints as solid fills, and a single blank in A1
// when A1 would be empty. `progression` is called once per row, then with 0.
// The file is written beside `cible` and renamed over it: when saving fails
// this throws std::runtime_error naming the file and any previous file stays
// as it was.
BilanExport EcrireTableauFinal(const TableauFinal& tableau, const std::filesystem::path& cible,
                               const std::function<void(int)>& progression = {});

// Whether `cible` can be replaced, checked without changing it: an existing
// file must open for writing (opened to append, so nothing is truncated) and
// the folder must accept a new file (a probe file created and removed).
bool CibleModifiable(const std::filesystem::path& cible);

// "Problème d'accès au fichier<path>\r\nVérifiez qu'il ne soit pas ouvert
// par une autre application." or its English text when `langue` is
// "anglais".
std::string MessageAccesFichier(const std::filesystem::path& cible, std::string_view langue);
// "EXPORTATION TERMINEE" / "EXPORT COMPLETED", followed by a line for each
// kind of loss the bilan reports.
std::string MessageExportTermine(const BilanExport& bilan, std::string_view langue);

// The save button's export: checks that `dossier`/Temp_Result.xls can be
// replaced (else shows the access message and returns AccesRefuse), writes
// the final table to it with the hooks' cursor and progress, and shows the
// completion message. A failure to save throws std::runtime_error naming the
// file (the previous file is then untouched) after restoring the cursor.
IssueExport ExporterTableauFinal(const TableauFinal& tableau, const std::filesystem::path& dossier,
                                 std::string_view langue, const CrochetsExport& crochets = {});

}  // namespace velmora
