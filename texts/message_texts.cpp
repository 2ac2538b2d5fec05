#include "texts/message_texts.h"

#include <array>
#include <cstddef>

#include "platform/cp1252.h"

namespace {

constexpr std::string_view kHexInAsciiChanged =
    "Sie haben einen in HEX eingebenen Befehl im ASCII Format geändert.\r\n"
    "Alle HEX 00 Werte wurden in HEX 7C umgewandelt, da diese nicht in ASCII angezeigt werden "
    "können.\r\n"
    "Bitte änderen Sie diese entsprechend.\r\n"
    "TIP: Geben Sie Hexwerte immer nach Asciiwerte ein";

constexpr std::array kMessages = {
    // frmFilter
    MessageText{500, "nein"},
    MessageText{501, "ja"},
    MessageText{502, "Abfrage Status Register COM2"},
    MessageText{503, "Abfrage Status Register Rückantwort COM1"},
    MessageText{504, "Abfrage Status Register"},
    // frmList
    MessageText{510, "Liste Rx-COM 1\r\nzu erkennende Befehle COM1"},
    MessageText{511, "Liste Tx-COM 1 (Copy of C)\r\nAusgabebefehle COM1"},
    MessageText{512, "Liste Tx-COM 1\r\nAusgabebefehle COM1"},
    MessageText{513, "Liste Tx-COM 2\r\nAusgabebefehle COM2"},
    MessageText{514, "Liste Rx-COM 2\r\nzu erkennende Befehle COM2"},
    MessageText{515,
                "Sie haben einen in HEX eingebenen Befehl im ASCII Format geändert.\r\n"
                "Alle HEX 00 Werte wurden in HEX 7C umgewandelt, diese können nicht in ASCII "
                "angezeigt werden.\r\n"
                "Bitte änderen Sie diese entsprechend.\r\n"
                "TIP: Geben Sie Hexwerte immer nach Asciiwerte ein"},
    // frmStatus
    MessageText{520, "Status Register"},
    MessageText{521, "neutral"},
    MessageText{522, "setzen"},
    MessageText{523, "löschen"},
    // factory reset
    MessageText{530, "Refresh COMs..."},
    MessageText{531, "Suche Modul ..."},
    MessageText{532, "Modul Version: Unbekannt"},
    MessageText{533, "Modul Version: "},
    MessageText{534, "VELDRAN Pelvaron nicht gefunden !"},
    MessageText{535, "Datentransfer läuft..."},
    MessageText{536, "Factory für Seite"},
    MessageText{537, "Werkseinstellungen"},
    // new project
    MessageText{538, "Projektdaten neu ?"},
    MessageText{539, "Die Daten im VELDRAN Pelvaron werden dabei nicht geändert."},
    // search and read-back
    MessageText{540, "Refresh COMs..."},
    MessageText{541, "Suche läuft..."},
    MessageText{542, "Modul Version: Unbekannt"},
    MessageText{543, "Modul Version:"},
    MessageText{544, "VELDRAN Pelvaron nicht gefunden !"},
    MessageText{545, "Datentransfer läuft..."},
    MessageText{
        546, "Es wurde eine Autosave-Datei für die Projektdaten des VELDRAN Pelvaron gefunden !"},
    MessageText{547, "Daten vom Seite A(COM1) des VELDRAN Pelvaron gelesen und Übertragen !"},
    MessageText{548, "Daten vom Seite B(COM2) des VELDRAN Pelvaron gelesen und Übertragen !"},
    MessageText{549, "Fehler bei der Übertragung !"},
    MessageText{550, "Übertragungsstatus"},
    MessageText{551, "Übertragungsstatus Liste Rx-COM1 BefehlNr."},
    MessageText{552, "Übertragungsstatus Liste Tx-COM1(back) BefehlNr."},
    MessageText{553, "Übertragungsstatus Liste Tx-COM1 BefehlNr."},
    MessageText{554, "Übertragungsstatus Liste Tx-COM2 BefehlNr."},
    MessageText{555, "Übertragungsstatus Liste Rx-COM2 BefehlNr."},
    // transfer
    MessageText{556, "Refresh COMs..."},
    MessageText{557, "Suche Pelvaron..."},
    MessageText{558, "VELDRAN Pelvaron nicht gefunden !"},
    MessageText{559, "Datentransfer zu Pelvaron...PC"},
    MessageText{560, "Datentransfer läuft..."},
    MessageText{561, "Übertragungsstatus Rx-COM1 BefehlNr."},
    MessageText{562, "Sendefehler Rx-COM1"},
    MessageText{563, "Fehler bei der Übertragung der Liste Rx-COM1!"},
    MessageText{564, "Übertragungsstatus Tx-COM1(Back) BefehlNr."},
    MessageText{565, "Fehler bei der Übertragung der Liste Tx-COM1(back)!"},
    MessageText{566, "Übertragungsstatus Tx-COM1 BefehlNr."},
    MessageText{567, "Fehler bei der Übertragung der Liste Tx-COM1!"},
    MessageText{568, "Übertragungsstatus Rx-COM1 Flags"},
    MessageText{569, "Übertragungsstatus Tx-COM1 Flags"},
    MessageText{570, "Fehler bei der Übertragung der Tx-COM1 Flags!"},
    MessageText{571, "Übertragungsstatus Liste Tx-COM2 BefehlNr."},
    MessageText{572, "Sendefehler Tx-COM2"},
    MessageText{573, "Fehler bei der Übertragung der Tx-COM2!"},
    MessageText{574, "Übertragungsstatus Rx-COM2 BefehlNr."},
    MessageText{575, "Fehler bei der Übertragung der Rx-COM2!"},
    MessageText{576, ""},
    MessageText{577, "Übertragungsstatus"},
    MessageText{578,
                "Sie haben die Daten nur auf eine Seite übertragen.\r\n"
                "Wenn Sie die Daten noch nicht auf die 2 Seite übertragen haben,\r\n"
                "stecken Sie den Stecker an dem VELDRAN Pelvaron um.\r\n"
                "Dann klicken Sie auf 'Daten übertragen nach Pelvaron'.\r\n"
                "\r\n"
                "Vor der Benutzung des VELDRAN Pelvaron muss der Dip-Switch auf 'Run' gestellt "
                "werden.\r\n"
                "Und ein Reboot durch geführt werden, in dem Sie die Stromversorgung für einige "
                "Sekunden unterbrechen."},
    MessageText{579,
                "Vor der Benutzung des VELDRAN Pelvaron muss der Dip-Switch auf 'Run' gestellt.\r\n"
                "Und ein Reboot durch geführt werden, in dem Sie die Stromversorgung für einige "
                "Sekunden unterbrechen."},
    // port parameters
    MessageText{580, "Suche Pelvaron...PC"},
    // main window start-up and shutdown
    MessageText{581,
                "Die Bildschirmauflösung ist zu klein !\r\nMin. 1024 x 768\r\nAnwendung beenden ?"},
    MessageText{582, "zu erkennende Befehle an COM1"},
    MessageText{583, "Ausgabebefehle COM1"},
    MessageText{584, "Ausgabebefehle COM2"},
    MessageText{585, "zu erkennende Befehle an COM2"},
    MessageText{586,
                "Wollen Sie wirklich beenden ?\r\n"
                "(Nicht gespeicherte/übertragene Daten gehen vorloren.)"},
    // project files
    MessageText{587, "Dateiinfomationen stimmen nicht !"},
    MessageText{588, "Datei geladen"},
    MessageText{589, "Projektbeschreibung"},
    MessageText{590, "Datei gespeichert"},
    // navigation and pages
    MessageText{591, "Datentransfer nicht vollständig !"},
    MessageText{592, "&Weiter >"},
    MessageText{593, "&Anfang >"},
    MessageText{594, "&Weiter >"},
    MessageText{595, "Seite 1"},
    MessageText{596, "Erkennung, Schnittstellenparameter und Listen..."},
    MessageText{597, "Seite 2"},
    MessageText{598, "Listen verknüpfen... Pelvaron COM 1 -> COM 2"},
    MessageText{599, "Seite 3"},
    MessageText{600, "Listen verknüpfen... Pelvaron COM 2 -> COM 1"},
    MessageText{601, "Seite 4"},
    MessageText{602, "Übertragung... Pelvaron"},
    // recent files
    MessageText{603, "Dateiinformationen sind falsch !"},
    MessageText{604, "Datei geladen"},
    MessageText{605, "Projektbeschreibung"},
    MessageText{606, "Konnte Datei nicht finden !"},
    MessageText{607, "Fehler bei laden der Datei !"},
    // link pages
    MessageText{608, kHexInAsciiChanged},
    MessageText{609, kHexInAsciiChanged},
    MessageText{610, "KEIN BEFEHL"},
    MessageText{611, "Abfrage Status Register"},
    MessageText{612, "KEIN BEFEHL"},
    MessageText{613, "Abfrage Status Register"},
    // project file loader
    MessageText{614, "Dateiinfomationen stimmen nicht !"},
    MessageText{615, "Datei geladen"},
    MessageText{616, "Projektbeschreibung"},
    // project file that cannot be saved, before its path and the system's reason
    MessageText{617, "Die Datei konnte nicht gespeichert werden !"},
    // settings store that cannot take a setting, before its path and the system's reason
    MessageText{618, "Die Einstellung konnte nicht gespeichert werden !"},
    // path the recent-file list cannot hold, before the path
    MessageText{619,
                "Der Pfad enthält Zeichen außerhalb des Zeichensatzes Windows-1252 und wird "
                "nicht in die Liste der zuletzt geöffneten Dateien aufgenommen !"},
    // file dialog: a name the program's code page cannot hold
    MessageText{620,
                "Der Dateiname enthält Zeichen, die das Programm nicht verwenden kann !\r\n"
                "Bitte einen Namen aus Zeichen des Zeichensatzes Windows-1252 wählen."},
    // maker's web page
    MessageText{650, "https://www.example.com/"},
    // connection hints
    MessageText{660,
                "Stellen den Schalter am VELDRAN Pelvaron auf 'Prog'.\r\n"
                "Verbinden Sie COM1 des VELDRAN Pelvaron mit einer freien COM-Schnittstelle Ihres "
                "PC.\r\n"
                "Klicken Sie dann auf 'Verbindungssuche und Datentransfer'.\r\n"
                "(Der Vorgang wird für COM2 des VELDRAN Pelvaron wiederholt.)"},
    MessageText{661,
                "Verbinden Sie COM2 des VELDRAN Pelvaron mit der COM-Schnittstelle Ihres PC.\r\n"
                "Klicken Sie dann auf 'Verbindungssuche und Datentransfer'."},
    // port that cannot be opened, around the port's name
    MessageText{670, "Schnittstelle konnte nicht geöffnet werden !\r\nDie "},
    MessageText{671, " wird von einer anderen Anwendung benutzt oder ist nicht verwendbar."},
    // possible causes appended to device errors
    MessageText{680,
                "Mögliche Fehlerursache:\r\n"
                "COM1 bzw. COM2 vom VELDRAN Pelvaron nicht mit dem PC verbunden.\r\n"
                "VELDRAN Pelvaron nicht im Programmiermodus (Schalter setzen).\r\n"
                "VELDRAN Pelvaron ohne Stromversorgung.\r\n"
                "Falsche oder schlechte Kabelverbindung (Normal/Nullmodem).\r\n"
                "PC-Schnittstelle von einem anderen Programm geöffnet."},
    // factory reset of the module
    MessageText{681, "Übertragungsstatus Rx-COM1 BefehlNr."},
    MessageText{682, "Fehler bei der Übertragung der Liste Rx-COM1!"},
    MessageText{683, "Fehler bei der Übertragung der Rx-COM1!"},
    MessageText{684, "Übertragungsstatus Liste Tx-COM1(back) BefehlNr."},
    MessageText{685, "Fehler bei der Übertragung der Liste Tx-COM1(back)!"},
    MessageText{686, "Übertragungsstatus Liste Tx-COM1 BefehlNr. "},
    MessageText{687, "Fehler bei der Übertragung der Liste Tx-COM1!"},
    MessageText{688, "Fehler bei der Übertragung der Liste Tx-COM1!"},
    MessageText{689, "Übertragungsstatus Liste Tx-COM2 BefehlNr."},
    MessageText{690, "Fehler bei der Übertragung der Liste Tx-COM2!"},
    MessageText{691, "Übertragungsstatus Liste Rx-COM2 BefehlNr."},
    MessageText{692, "Fehler bei der Übertragung der Liste Rx-COM2!"},
    MessageText{693, "Fehler beim setzen der Schnittstellen-Parameter !"},
    MessageText{694, "Übertragungsstatus"},
};

}  // namespace

std::span<const MessageText> MessageTable() {
  return kMessages;
}

void SetMessageTexts(bool useBuiltInTexts) {
  if (!useBuiltInTexts) {
    return;
  }
  for (const MessageText& message : kMessages) {
    LangText[static_cast<std::size_t>(message.key)] = platform::Utf8ToCp1252(message.german);
  }
}
