// texts.h: every text the user sees outside the resource files, in one place.
// Compiled to code page 1252; a format's %s and %d are filled by its caller.
#pragma once

// Captions of the two message boxes.
inline constexpr char WARNING_CAPTION[] = "DeskRail";
inline constexpr char FATAL_CAPTION[] = "Schwerer Fehler in DeskRail aufgetreten!";

// Start-up and the command line.
inline constexpr char NO_PROGRAM_DIRECTORY_TEXT[] =
    "Das Programmverzeichnis von DeskRail konnte nicht ermittelt werden.";
inline constexpr char BAD_FILE_NAME_TEXT[] =
    "Fehlender oder falscher Dateiname\nbeim Aufruf in der DOS-Kommandozeile.";
inline constexpr char UNKNOWN_OPTION_FORMAT[] = "Unbekannte Option: %s";
inline constexpr char OTHER_USER_BAR_TEXT[] =
    "DeskRail läuft bereits für einen anderen Benutzer\noder mit einer anderen Profildatei.\n"
    "Bitte beenden Sie zuerst die laufende Menüleiste.";
inline constexpr char HOT_KEY_FAILED_TEXT[] = "Tastaturkürzel für DeskRail konnte nicht installiert werden!";

// Options in the registry.
inline constexpr char WELCOME_FORMAT[] =
    "Vielen Dank für die Benutzung von DeskRail%s%s!\n"
    "Sollten Sie einen Fehler bemerken, schicken Sie\n"
    "bitte eine Email an: %s!";
inline constexpr char REGISTRY_ACCESS_FAILED_TEXT[] =
    "Fehler beim Zugriff auf die Windows-Registrierungsdatei!\nDas Standard-Setup wird benutzt.";
inline constexpr char REGISTRY_OUTDATED_TEXT[] =
    "Veraltete Registrierungsinformationen gefunden.\nDiese werden mit den Standarddaten überschrieben.";
inline constexpr char REGISTRY_SAVE_FAILED_TEXT[] =
    "Beim Sichern der Benutzer-Optionen in die\nWindows-Registrierungsdatei trat ein Fehler auf!";

// Docking and the Options dialog.
inline constexpr char AUTOHIDE_REFUSED_TEXT[] =
    "Fehler beim automatischen Verstecken\nder Menüleiste! Ist dort die Task-Leiste?";
inline constexpr char AUTOHIDE_FIXED_TEXT[] =
    "Automatisches Verstecken kann in Windows NT 3.x nicht abgeschaltet werden!";
inline constexpr char NO_WAV_TEXT[] = "Bitte geben Sie den Namen einer WAV-Datei ein.";
inline constexpr char WAV_PATH_TOO_LONG_TEXT[] = "Der Pfad der WAV-Datei darf höchstens 79 Zeichen lang sein.";
inline constexpr char WAV_FAILED_TEXT[] = "Fehler beim Abspielen einer WAV-Datei.\nÜberprüfen Sie Pfad und Dateiname.";

// The profile file.
inline constexpr char PROFILE_OLD_FORMAT_TEXT[] =
    "Profildatei im alten Datenformat gefunden.\nBitte löschen Sie sie und\n erstellen Sie eine neue.";
inline constexpr char PROFILE_CUT_ENTRY_FORMAT[] =
    "Fehler beim Lesen des Menüs: %d Programm: %d\naus Profildatei: %s.\n"
    "Bitte löschen Sie die Datei und\nstarten Sie Deskrail erneut.";
inline constexpr char PROFILE_NO_MEMORY_TEXT[] = "Nicht genügend Speicher zum Laden der Profildatei.";
inline constexpr char PROFILE_UNREADABLE_FORMAT[] =
    "Profildatei %s kann nicht gelesen werden.\nVielleicht hält ein anderes Programm sie geöffnet.\n"
    "Bitte starten Sie DeskRail danach erneut.";
inline constexpr char MENU_BAR_FULL_TEXT[] =
    "Die Profildatei enthält mehr Menüs oder Einträge, als die Menüleiste fassen kann.\n"
    "Einträge nach dem 99. eines Menüs und Menüs nach dem 399. sind gesperrt.";
inline constexpr char PROFILE_WRITE_FAILED_FORMAT[] =
    "Profildatei %s konnte nicht geschrieben werden.\nBitte überprüfen Sie die Datei.";

// deskrail-profile, the profile file as text. A bad line's reason follows
// "Zeile n: ".
inline constexpr char PROFILE_TOOL_USAGE_TEXT[] =
    "Aufruf: deskrail-profile export PROFILDATEI\n"
    "        deskrail-profile import TEXTDATEI PROFILDATEI";
inline constexpr char PROFILE_TOOL_READ_FAILED_FORMAT[] = "Datei %s konnte nicht gelesen werden.";
inline constexpr char PROFILE_TOOL_SAME_FILE_FORMAT[] = "Text und Profil sind dieselbe Datei: %s";
inline constexpr char PROFILE_TEXT_LINE_FORMAT[] = "Zeile %d: %s";
inline constexpr char PROFILE_TEXT_HEADER_TEXT[] = "Erwartet wird \"deskrail-profile 103\" oder \"deskrail-profile empty\".";
inline constexpr char PROFILE_TEXT_UNKNOWN_TEXT[] = "Unbekanntes Schlüsselwort.";
inline constexpr char PROFILE_TEXT_PLACE_TEXT[] = "Diese Zeile steht an falscher Stelle.";
inline constexpr char PROFILE_TEXT_VALUE_TEXT[] = "Fehlender oder falscher Wert.";
inline constexpr char PROFILE_TEXT_TOO_LONG_FORMAT[] = "Zu lang, höchstens %d Bytes.";
inline constexpr char PROFILE_TEXT_CHARACTER_FORMAT[] = "Das Zeichen U+%s kann DeskRail nicht speichern.";
inline constexpr char PROFILE_TEXT_COUNT_TEXT[] =
    "Eine Anzahl (count) muß negativ sein und steht nur bei einem Menü ohne Einträge.";

// The menu model and the editor.
inline constexpr char MENU_FULL_TEXT[] = "Ein Menü kann höchstens 99 Einträge aufnehmen.";
inline constexpr char TOO_MANY_MENUS_TEXT[] = "Die Menüleiste kann höchstens 399 Menüs aufnehmen.";
inline constexpr char ENTRY_PATH_TOO_LONG_TEXT[] = "Der Pfad darf höchstens 127 Zeichen lang sein.";
inline constexpr char ENTRY_DIRECTORY_TOO_LONG_TEXT[] = "Das Arbeitsverzeichnis darf höchstens 127 Zeichen lang sein.";
inline constexpr char PATH_TOO_LONG_FORMAT[] = "Der Pfad ist zu lang, die Datei wird nicht aufgenommen:\n%s";
inline constexpr char OUT_OF_MEMORY_TEXT[] = "Nicht genügend Arbeitsspeicher für einen neuen Eintrag.";
inline constexpr char DEFAULT_ENTRY_NAME[] = "Standardname";
inline constexpr char NO_MENU_SELECTED_TEXT[] = "Bitte zuerst ein Menü auswählen.";
inline constexpr char NO_ENTRY_SELECTED_TEXT[] = "Bitte zuerst einen Eintrag auswählen.";
inline constexpr char CONFIRM_DELETE_TEXT[] =
    "Sind Sie sicher, daß Sie dieses Menü und\nalle darin aufgeführten Einträge löschen wollen?";
inline constexpr char CONFIRM_DELETE_CAPTION[] = "Bitte Löschen bestätigen.";
inline constexpr char NO_MENU_NAME_TEXT[] = "Das Menü muß einen Namen erhalten!";
inline constexpr char NO_NAME_OR_PATH_TEXT[] = "Sie müssen einen Namen und den\nPfad der Programm-Datei eingeben.";

// The file dialog.
inline constexpr char PROGRAM_FILTER[] = "Programm-Dateien\0*.EXE;*.COM;*.BAT;*.PIF;*.LNK\0Alle Dateien\0*.*\0";
inline constexpr char WAV_FILTER[] = "WAV-Dateien\0*.WAV\0";
inline constexpr char PROGRAM_BROWSE_TITLE[] = "Programm-Datei suchen ...";
inline constexpr char WAV_BROWSE_TITLE[] = "WAV-Datei suchen ...";

// Starting entries.
inline constexpr char FILE_NOT_FOUND_FORMAT[] = "Datei nicht gefunden:\n%s";
inline constexpr char PATH_NOT_FOUND_FORMAT[] = "Dateipfad nicht gefunden:\n%s";
inline constexpr char SHELL_ERROR_FORMAT[] = "ShellExecute führte zu folgendem Fehlercode: %d";
inline constexpr char SHORTCUT_FAILED_TEXT[] = "Fehler beim Starten einer Verknüpfung.";

// The default menus of a first start.
inline constexpr char DEFAULT_APPS_MENU[] = "&Apps";
inline constexpr char DEFAULT_COMPILER_ENTRY[] = "Visual &C++ v4.0";
inline constexpr char DEFAULT_WORD_ENTRY[] = "&Word v7.0";
inline constexpr char DEFAULT_GAMES_MENU[] = "&Games";
inline constexpr char DEFAULT_MINESWEEPER_ENTRY[] = "&Minesweeper";
inline constexpr char DEFAULT_SOLITAIRE_ENTRY[] = "&Solitaire";

// How a separator line stands in the editor's list of entries.
inline constexpr char SEPARATOR_TEXT[] = "-------";
