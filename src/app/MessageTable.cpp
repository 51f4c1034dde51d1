#include "app/MessageTable.h"

namespace {

constexpr size_t kMaxLineLength = 4096;

std::vector<std::string> buildMessages() {
    std::vector<std::string> m(76);
    m[2] = "Keine Gewähr für die Richtigkeit der Zahlen!";
    m[3] = "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem ";
    m[4] = " aus dem Internet neu aufbauen??";
    m[5] = "Ziehungsdaten löschen?";
    m[6] = "Zahlenverteilung";
    m[7] = "Ziehungen : ";
    m[8] = "Quersumme: ";
    m[9] = "Wie oft wurden die einzelnen Eurozahlen gezogen?";
    m[10] = "Bei wievielen Zahlen Übereinstellung stoppen?";
    m[11] = "Tipp-Test";
    m[12] = "Ein Treffer am  ";
    m[13] = " gefunden. Weiter?";
    m[14] = "Ziehung gefunden";
    m[15] = "Paare gefunden :  ";
    m[16] = "Dreier gefunden :  ";
    m[17] = "Lesen Sie zuerst die Daten der Ziehungen ein";
    m[18] = "Quersummenverteilung";
    m[19] = "Vierer gefunden!";
    m[20] = "Stoppen";
    m[21] = "Berechnung der Paarbildung";
    m[22] = "Berechnung der Dreiergruppenbildung";
    m[23] = "Berechnung der Vierergruppenbildung";
    m[24] = "Berechnung der Zahlenverteilung";
    m[25] = "Berechnung der aussehenden Zahlen";
    m[26] = "Berechnung der Nachbarzahlen der letzten Ziehung";
    m[27] = "Beginn der Tippberechnung";
    m[28] = "Tipp";
    m[29] = "Ändern Sie die Parameter um 12 Tipps zuberechnen";
    m[30] = "Tipps wurden neu berechnet";
    m[32] = "Zedevuvid Lotto-Tipp für ";
    m[33] = "Eurozahl";
    m[34] = "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?";
    m[35] = "Ihre Glückszahl (1-99999999)?";
    m[36] = "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!";
    m[37] = "Glückszahl";
    m[38] = "gesetzt";
    m[39] = "Zahlenverteilung des Tippes";
    m[40] = "Soll die Analyse der Einstellungen jetzt ab dem ";
    m[41] = "durchgeführt werden??";
    m[42] = "aktuellen Tipps werden dabei gelöscht?";
    m[43] = "Aktuelle Einstellung brachten";
    m[44] = "Anzahl ohne Eurozahlen";
    m[45] = "Reihen";
    m[46] = "Fehler bei Eingabe der Zufallszahl";
    m[50] = "Zahlen für Berechnung wählen";
    m[51] = "Tipp bearbeiten";
    m[52] = "Zufall";
    m[53] = "Stopp";
    m[54] = "Welche Eurozahl wurde am längsten nicht gezogen?";
    m[55] = "Soll die Analyse der Datenbank jetzt ab dem";
    m[56] = "durchgeführt werden??";
    m[57] = "aktuellen Tipps werden dabei gelöscht?";
    m[58] = "Bei wievielen Zahlen Übereinstellung stoppen?";
    m[59] = "Ziehungsergebnis vergleichen";
    m[60] = "Ein Treffer gefunden am";
    m[61] = "Weiter?";
    m[62] = "Ziehung gefunden";
    m[63] = "Treffer von Ziehungen in der Datenbank";
    m[64] = "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen";
    m[65] = "Sollen die Tipps übertragen werden";
    m[66] = "Übertragen?";
    m[67] = "Soll die Liste vorher gelöscht werden?";
    m[68] = "Liste löschen?";
    // The questions of closing, clearing and reloading and the basket's
    // status, which would otherwise be empty boxes in German.
    m[69] = "Soll die Tippliste gespeichert werden?";
    m[70] = "Tippliste speichern?";
    m[71] = "Sollen alle Tipps gelöscht werden?";
    m[72] = "Tipps löschen?";
    m[73] = "Die Tipps wurden in den Warenkorb übertragen";
    m[74] = "Soll die bearbeitete Tippliste neu geladen werden?";
    m[75] = "Tippliste neu laden?";
    return m;
}

}  // namespace

const std::vector<std::string>& BuiltInMessages() {
    static const std::vector<std::string> messages = buildMessages();
    return messages;
}

std::string MessageLine(const TStringList& table, int n) {
    if (n < 0 || n >= table.Count()) return {};
    const std::string& line = table.Strings(n);
    // Count characters, not bytes: a cut never splits a UTF-8 sequence.
    size_t characters = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;
        if (characters == kMaxLineLength) return line.substr(0, i);
        ++characters;
    }
    return line;
}
