#include "import/ReglagesRegionauxQt.h"

namespace velmora {

namespace {

// Qt's long time formats end with the time zone ("HH:mm:ss t"); a cell's
// time has none.
QString sansFuseau(const QString& format) {
    QString out;
    bool cite = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            cite = !cite;
        } else if (!cite && c == u't') {
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
    return r;
}

}  // namespace velmora
