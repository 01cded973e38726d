#include "import/ReglagesRegionauxQt.h"

namespace velmora {

namespace {

// Qt's long time formats end with the time zone ("HH:mm:ss t", "H:mm:ss (t)",
// "HH:mm:ss, t"); a cell's time has none, so the zone goes with the brackets
// around it and the separator before it.
QString sansFuseau(const QString& format) {
    QString out;
    bool cite = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            cite = !cite;
        } else if (!cite && c == u't') {
            while (i + 1 < format.size() && format[i + 1] == u't') {
                ++i;
            }
            if (!out.isEmpty() && i + 1 < format.size() &&
                ((out.back() == u'(' && format[i + 1] == u')') ||
                 (out.back() == u'[' && format[i + 1] == u']'))) {
                out.chop(1);
                ++i;
            }
            if (format.mid(i + 1).trimmed().isEmpty()) {
                while (!out.isEmpty() && (out.back().isSpace() || out.back() == u',')) {
                    out.chop(1);
                }
            }
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

}  // namespace

ReglagesRegionaux reglagesDepuisLocale(const QLocale& locale) {
    ReglagesRegionaux r;
    r.separateurDecimal = locale.decimalPoint().toStdString();
    r.formatDateCourte = locale.dateFormat(QLocale::ShortFormat).toStdString();
    r.formatHeure = sansFuseau(locale.timeFormat(QLocale::LongFormat)).toStdString();
    for (int mois = 1; mois <= 12; ++mois) {
        r.moisCourts.push_back(locale.monthName(mois, QLocale::ShortFormat).toStdString());
        r.moisLongs.push_back(locale.monthName(mois, QLocale::LongFormat).toStdString());
    }
    for (int jour = 1; jour <= 7; ++jour) {
        r.joursCourts.push_back(locale.dayName(jour, QLocale::ShortFormat).toStdString());
        r.joursLongs.push_back(locale.dayName(jour, QLocale::LongFormat).toStdString());
    }
    return r;
}

}  // namespace velmora
