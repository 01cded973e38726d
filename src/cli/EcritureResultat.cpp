#include "cli/EcritureResultat.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {
namespace {

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t LongueurUtf8(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    unsigned minimum = 0;
    if (b < 0x80) {
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
        minimum = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        minimum = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) {
        return 0;
    }
    unsigned code = b & (0xFFu >> (len + 1));
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (c & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return len;
}

void EcrireChaineJson(std::ostream& out, std::string_view s) {
    out << '"';
    std::size_t debut = 0;  // start of the run of bytes written as they are
    auto vider = [&](std::size_t fin) {
        out.write(s.data() + debut, static_cast<std::streamsize>(fin - debut));
    };
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        const std::size_t len = LongueurUtf8(s, i);
        if (len > 1) {
            i += len;
            continue;
        }
        vider(i);
        if (len == 0) {
            out << "\xEF\xBF\xBD";
        } else if (c == '"' || c == '\\') {
            out << '\\' << static_cast<char>(c);
        } else if (c == '\n') {
            out << "\\n";
        } else if (c == '\r') {
            out << "\\r";
        } else if (c == '\t') {
            out << "\\t";
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out << buf;
        }
        ++i;
        debut = i;
    }
    vider(s.size());
    out << '"';
}

void EcrireHtmlEchappe(std::ostream& out, std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = LongueurUtf8(s, i);
        if (len == 0) {
            out << "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        switch (s[i]) {
            case '&':
                out << "&amp;";
                break;
            case '<':
                out << "&lt;";
                break;
            case '>':
                out << "&gt;";
                break;
            case '"':
                out << "&quot;";
                break;
            case '\n':
                out << "<br>";
                break;
            default:
                out.write(s.data() + i, static_cast<std::streamsize>(len));
        }
        i += len;
    }
}

std::string Lettres(int colonne) {
    std::string s;
    for (int n = colonne + 1; n > 0; n = (n - 1) / 26) {
        s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return s;
}

const char* ClasseCss(CouleurCellule c) {
    switch (c) {
        case CouleurCellule::Ajoutee:
            return "t";
        case CouleurCellule::Modifiee:
            return "g";
        case CouleurCellule::Effacee:
            return "m";
        case CouleurCellule::Inchangee:
            return "u";
        case CouleurCellule::Aucune:
            break;
    }
    return nullptr;
}

}  // namespace

void EcrireJson(std::ostream& out, const TableauFinal& final) {
    out << "{\"columns\": " << final.columnCount() << ", \"rows\": " << final.rowCount()
        << ",\n \"cells\": [";
    for (int r = 0; r < final.rowCount(); ++r) {
        out << (r == 0 ? "\n  [" : ",\n  [");
        for (int c = 0; c < final.columnCount(); ++c) {
            if (c != 0) {
                out << ", ";
            }
            EcrireChaineJson(out, final.texte(c, r));
        }
        out << ']';
    }
    out << "],\n \"colours\": [";
    for (int r = 0; r < final.rowCount(); ++r) {
        out << (r == 0 ? "\n  [" : ",\n  [");
        for (int c = 0; c < final.columnCount(); ++c) {
            if (c != 0) {
                out << ", ";
            }
            out << '"' << NomCouleur(final.couleur(c, r)) << '"';
        }
        out << ']';
    }
    out << "]}\n";
}

void EcrireCsv(std::ostream& out, const TableauFinal& final) {
    for (int r = 0; r < final.rowCount(); ++r) {
        for (int c = 0; c < final.columnCount(); ++c) {
            if (c != 0) {
                out << ',';
            }
            const std::string_view t = final.texte(c, r);
            if (t.find_first_of(",\"\r\n") == std::string_view::npos) {
                out << t;
                continue;
            }
            out << '"';
            for (char ch : t) {
                if (ch == '"') {
                    out << '"';
                }
                out << ch;
            }
            out << '"';
        }
        out << "\r\n";
    }
}

void EcrireHtml(std::ostream& out, const TableauFinal& final) {
    out << R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Velmora final table</title>
<style>
body{font-family:"DejaVu Sans",Verdana,sans-serif;font-size:12px;background:#8cb5cf;margin:16px;color:#1d2b36}
h1{font-size:16px;margin:0 0 8px}
.legend{display:flex;gap:16px;margin:0 0 10px;align-items:center}
.legend span{display:inline-block;width:14px;height:14px;margin-right:5px;vertical-align:middle;border:1px solid #555}
table{border-collapse:collapse;background:#dbdbdb}
th{background:#cfb58c;font-weight:normal;padding:2px 6px;border:1px solid #a08860;position:sticky;top:0}
th.n{position:sticky;left:0}
td{border:1px solid #b8b8b8;padding:2px 6px;min-width:56px;height:16px;white-space:pre-wrap;vertical-align:top}
.t{background:#008080;color:#fff}.g{background:#808080;color:#fff}.m{background:#800000;color:#fff}.u{background:#dbdbdb}
</style></head><body>
<h1>Final table</h1>
<div class="legend"><div><span class="t"></span>Cell added</div><div><span class="g"></span>Modified cell</div><div><span class="m"></span>Cell erased</div></div>
)";
    out << "<p>" << final.rowCount() << " rows &times; " << final.columnCount()
        << " columns</p>\n<table>\n<tr><th class=\"n\"></th>";
    for (int c = 0; c < final.columnCount(); ++c) {
        out << "<th>" << Lettres(c) << "</th>";
    }
    out << "</tr>\n";
    for (int r = 0; r < final.rowCount(); ++r) {
        out << "<tr><th class=\"n\">" << r + 1 << "</th>";
        for (int c = 0; c < final.columnCount(); ++c) {
            const char* classe = ClasseCss(final.couleur(c, r));
            out << (classe ? std::string("<td class=\"") + classe + "\">" : std::string("<td>"));
            EcrireHtmlEchappe(out, final.texte(c, r));
            out << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table>\n</body></html>\n";
}

void EcrireFichierAtomique(const std::filesystem::path& chemin,
                           const std::function<void(std::ostream&)>& ecrire) {
    namespace fs = std::filesystem;
    const fs::path dossier = chemin.has_parent_path() ? chemin.parent_path() : fs::path(".");
    const fs::path temporaire =
        dossier / ("." + chemin.filename().string() + "." + std::to_string(::getpid()) + ".tmp");
    try {
        {
            std::ofstream out(temporaire, std::ios::binary | std::ios::trunc);
            if (!out) {
                throw std::runtime_error(chemin.string() +
                                         ": cannot write the file: " + std::strerror(errno));
            }
            out.exceptions(std::ios::badbit | std::ios::failbit);
            ecrire(out);
            out.flush();
            out.close();
        }
        fs::rename(temporaire, chemin);
    } catch (const std::ios_base::failure&) {
        std::error_code ec;
        fs::remove(temporaire, ec);
        throw std::runtime_error(chemin.string() + ": cannot write the file (disk full?)");
    } catch (const fs::filesystem_error& e) {
        std::error_code ec;
        fs::remove(temporaire, ec);
        throw std::runtime_error(chemin.string() +
                                 ": cannot replace the file: " + e.code().message());
    } catch (...) {
        std::error_code ec;
        fs::remove(temporaire, ec);
        throw;
    }
}

}  // namespace velmora
