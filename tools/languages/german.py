FILE_NAME = "German.lng"
NATIVE_NAME = "Deutsch"
CODE = "DE"
BADGE_COLOURS = ((40, 40, 40), (221, 0, 0), (255, 206, 0))
RTF_FONT = ("Tahoma", 0)

TEXTS = {
    "MonitorBrightnes": "Monitorhelligkeit",
    "ContrastMonitor": "Monitorkontrast",
    "VideoBrightnes": "Videohelligkeit",
    "ResetSettings": "Zurücksetzen",
    "Menu": "Menü",
    "ResetSettingsTT": "Helligkeit und Kontrast auf die Werkseinstellungen zurücksetzen",
    "PanelContrastTT": "Der eingebaute Bildschirm des Laptops hat keine Kontrastregelung",
    "AboutProgram": "Über Glimra",
    "Help": "Hilfe",
    "CheckUpdate": "Nach Updates suchen",
    "ProgramWebsite": "Website besuchen",
    "ProjectAssistance": "Projekt unterstützen",
    "ProgramSetting": "Einstellungen",
    "Cancel": "Abbrechen",
    "Exit": "Beenden",
    "LinkMonitors": "Monitore koppeln",
    "DisplaysFileDamaged": "Die gespeicherten Einstellungen der weiteren Bildschirme konnten nicht gelesen werden. Die Datei wurde als Displays.ini.damaged beiseitegelegt, und diese Bildschirme starten mit den Standardeinstellungen.",
    "DescPrg": "Stellt Helligkeit und Kontrast des Monitors ein",
    "DescDonate": "Projekt unterstützen",
    "ChooseLanguage": "Sprache auswählen",
    "RunWithSystem": "Mit Windows starten",
    "KeysSection": "Helligkeitstasten",
    "BrightnessUpKey": "Heller",
    "BrightnessDownKey": "Dunkler",
    "KeysUnderPointer": "Nur der Bildschirm unter dem Mauszeiger",
    "KeyTaken": "%s wird schon von einem anderen Programm verwendet. Wählen Sie eine andere Kombination.",
    "KeysSame": "Heller und Dunkler können nicht beide %s verwenden. Wählen Sie für Dunkler eine andere Kombination.",
    "CheckNoBlocingM": "Monitorsteuerung nicht sperren. Werte speichern und wiederherstellen, Fehler beim Lesen "
                       "vom Monitor ignorieren (empfohlen für einige problematische Monitore)",
    "Apply": "Übernehmen",
    "RestartProgram": "Damit die Änderungen wirksam werden, muss das Programm neu gestartet werden. %s Jetzt "
                      "neu starten?",
    "CheckUpdates": "Suche nach Updates",
    "UpdateCheckAborted": "%sDie Suche nach Updates wurde abgebrochen!%sPrüfen Sie, ob die Internetverbindung "
                          "besteht.%sStellen Sie sicher, dass keine Firewall das Programm blockiert.",
    "NoFataFound": "Keine Daten gefunden",
    "ProgramNotUpdated": "Das Programm ist auf dem neuesten Stand.",
    "GoProgramWebsite": "Website des Programms öffnen?",
    "OneCopyRunning": "Das Programm läuft bereits!",
    "ErStartWithWin": "Der Registrierungsschlüssel für den Autostart kann nicht erstellt werden.",
    "ErStartWithWinsAdd": "Die Einstellung kann nicht übernommen werden - möglicherweise fehlen Ihnen die "
                          "Rechte dafür.",
    "WantHelpProject": "Möchten Sie das Projekt unterstützen? %s Klicken Sie auf diese Meldung!",
    "DescDonateMess": "%s unterstützen",
    "ImprovedVersion": "Es gibt eine verbesserte Version des Programms. %s Klicken Sie auf diese Meldung, um "
                       "mehr zu erfahren!",
    "PersonalVersion": "Verbesserte Version von %s",
    "CheckUpdateNow": "%s wurde lange nicht aktualisiert. Jetzt nach Updates suchen?",
}

HELP = [
    ("title", "Glimra-Hilfe"),
    ("p", "Glimra stellt Helligkeit und Kontrast Ihres Monitors sowie die Helligkeit des Bildes ein. Das Programm "
          "wohnt im Infobereich der Taskleiste: Ein Klick auf sein Symbol öffnet das Fenster mit den drei "
          "Schiebereglern, ein Rechtsklick das Menü. Sobald Sie woanders hinklicken, verschwindet das Fenster "
          "wieder."),
    ("h", "Die drei Schieberegler"),
    ("li", "„{MonitorBrightnes}“ und „{ContrastMonitor}“ ändern die Einstellungen des Monitors selbst, genau wie "
           "die Tasten am Monitor. Glimra sendet den Wert kurz nach dem Loslassen des Reglers per DDC/CI an den "
           "Monitor."),
    ("li", "„{VideoBrightnes}“ ändert das Bild selbst über die Grafikkarte (ihre Gammakurve). Das funktioniert "
           "an jedem Bildschirm, auch am eingebauten Bildschirm eines Notebooks. Bei 0 bleibt das Bild "
           "unverändert; ein Klick mit der mittleren Maustaste auf diesen Regler setzt ihn auf 0 zurück."),
    ("li", "Die Pfeiltasten sowie Bild auf und Bild ab bewegen den Regler, der den Fokus hat; die Eingabetaste "
           "gibt den Fokus weiter; Esc beendet Glimra."),
    ("h", "DDC/CI: wie Glimra mit dem Monitor spricht"),
    ("p", "Die beiden Monitorregler brauchen DDC/CI, einen Kanal, über den der Computer durch das Videokabel mit "
          "dem Monitor spricht. Schalten Sie DDC/CI im Bildschirmmenü des Monitors ein (oft unter „Setup“, "
          "„System“ oder „Sonstiges“). Die Verbindung muss DDC/CI durchreichen: DisplayPort-, HDMI-, DVI- und "
          "VGA-Kabel tun das meist, viele Adapter, Dockingstationen, KVM-Switches und USB-Hubs dagegen nicht. "
          "Der eingebaute Bildschirm eines Notebooks hat kein DDC/CI; seine Hintergrundbeleuchtung stellt Glimra "
          "stattdessen über Windows ein (siehe unten)."),
    ("h", "Mehrere Monitore"),
    ("p", "Bei mehreren Bildschirmen zeigt Glimra für jeden eine Gruppe aus drei Reglern, nebeneinander in der "
          "Reihenfolge, in der die Bildschirme auf dem Desktop angeordnet sind, jede nach ihrem Monitor benannt. "
          "Eine Gruppe sendet nur an ihren eigenen Monitor (an jeden Monitor einer Anzeige, die ein Bild auf "
          "zwei Monitoren zeigt) und stellt nur die „{VideoBrightnes}“ ihres eigenen Bildschirms ein. Ein "
          "Monitor, der einen anderen Höchstwert als 100 meldet, erhält eine eigene Skala: Das obere Ende seines "
          "Reglers sendet diesen Höchstwert. Ein Bildschirm, der bei laufendem Glimra angeschlossen oder "
          "getrennt wird, erhält oder verliert seine Gruppe."),
    ("p", "„{LinkMonitors}“ im Menü (nur bei zwei oder mehr Bildschirmen vorhanden) koppelt die Gruppen: Ein in "
          "einer Gruppe bewegter Regler stellt denselben Regler jeder Gruppe auf dieselbe Stelle. Wählen Sie den "
          "Eintrag erneut, um die Kopplung zu lösen."),
    ("h", "Der eingebaute Bildschirm eines Notebooks"),
    ("p", "Ein eingebauter Bildschirm hat kein DDC/CI, aber Windows stellt seine Hintergrundbeleuchtung bereit, "
          "und Glimra nutzt sie: „{MonitorBrightnes}“ dieses Bildschirms stellt die Beleuchtung ein wie der "
          "Helligkeitsregler von Windows selbst, auf die nächste Stufe, die der Bildschirm erlaubt, sobald Sie "
          "den Regler loslassen. „{ContrastMonitor}“ bleibt gesperrt, da ein solcher Bildschirm keine "
          "Kontrastregelung hat. „{VideoBrightnes}“ wirkt wie an jedem Bildschirm. Auch Windows und die Tasten "
          "des Notebooks ändern die Beleuchtung, deshalb liest Glimra ihre Stufe bei jedem Öffnen des Fensters "
          "neu."),
    ("h", "Wenn die Monitorregler gesperrt bleiben"),
    ("p", "Ausgegraute Monitorregler bedeuten, dass der Monitor beim Start von Glimra nicht per DDC/CI "
          "geantwortet hat. Dann:"),
    ("li", "prüfen Sie, ob DDC/CI im Menü des Monitors eingeschaltet ist;"),
    ("li", "schließen Sie den Monitor direkt am Computer an, ohne Adapter oder Umschalter, oder versuchen Sie "
           "einen anderen Eingang, etwa DisplayPort oder HDMI;"),
    ("li", "beenden Sie Glimra mit „{Exit}“ im Menü und starten Sie es neu;"),
    ("li", "nimmt der Monitor neue Werte an, meldet aber seine aktuellen schlecht, schalten Sie den unten "
           "beschriebenen Modus ohne Sperre ein."),
    ("p", "„{VideoBrightnes}“ funktioniert in jedem Fall."),
    ("h", "Modus ohne Sperre"),
    ("p", "„{Menu}“ → „{ProgramSetting}“ → „Monitorsteuerung nicht sperren“. Manche Monitore nehmen neue Werte "
          "an, melden aber ihre aktuellen nicht, und Glimra würde dann die Monitorregler sperren. In diesem Modus "
          "bleiben die Regler bedienbar: Glimra sendet Ihre Werte, merkt sie sich, stellt sie beim nächsten "
          "Start wieder ein und übergeht Lesefehler. Lassen Sie den Modus aus, wenn Ihr Monitor normal antwortet. "
          "Die Option gibt es ab Windows Vista."),
    ("h", "Die Schaltfläche „{ResetSettings}“"),
    ("p", "Sie sendet jedem Monitor seinen eigenen Befehl zum Zurücksetzen auf die Werkseinstellungen und liest "
          "danach die neue Helligkeit und den neuen Kontrast der Monitore in die Regler. Viele Monitore setzen "
          "dabei auch Farb- und Bildeinstellungen zurück. „{VideoBrightnes}“ kehrt an jedem Bildschirm auf 0 "
          "zurück; die Beleuchtung des eingebauten Notebook-Bildschirms bleibt, wie sie ist."),
    ("h", "{KeysSection}"),
    ("p", "Glimra kann den Bildschirm über die Tastatur heller oder dunkler stellen. Klicken Sie in „{Menu}“ → "
          "„{ProgramSetting}“ unter „{KeysSection}“ in das Feld neben „{BrightnessUpKey}“ oder "
          "„{BrightnessDownKey}“, drücken Sie die gewünschte Kombination, zum Beispiel Strg+Alt+Pfeil nach oben, "
          "und klicken Sie auf „{Apply}“. Beide Felder bleiben leer, bis Sie sie füllen; von sich aus nimmt "
          "Glimra anderen Programmen also keine Tasten weg."),
    ("p", "Jeder Tastendruck verschiebt „{MonitorBrightnes}“ um zehn („{VideoBrightnes}“, wo der Monitor kein "
          "DDC/CI hat) und zeigt die neue Stufe kurz am unteren Bildschirmrand. Rasch aufeinanderfolgende "
          "Tastendrücke erreichen den Monitor als eine einzige Anfrage, sobald Sie innehalten. Die Tasten wirken "
          "auf alle Bildschirme; „{KeysUnderPointer}“ beschränkt sie auf den Bildschirm, auf dem der Mauszeiger "
          "steht."),
    ("p", "Belegt bereits ein anderes Programm eine Kombination, meldet Glimra das und behält Ihre Wahl, sodass "
          "sie bei einem späteren Start wirkt, sobald das Programm sie freigibt. „{BrightnessUpKey}“ und "
          "„{BrightnessDownKey}“ können nicht dieselbe Kombination haben: Glimra lehnt sie dann für "
          "„{BrightnessDownKey}“ ab."),
    ("h", "Mit Windows starten"),
    ("p", "Beim ersten Start richtet Glimra den Autostart mit Windows ein. Um das zu ändern, öffnen Sie "
          "„{Menu}“ → „{ProgramSetting}“, setzen oder entfernen das Häkchen bei „{RunWithSystem}“ und klicken "
          "auf „{Apply}“. Der Eintrag ist der Wert „Glimra“ im Registrierungsschlüssel {RunKey}."),
    ("h", "Sprache"),
    ("p", "Wählen Sie sie unter „{Menu}“ → „{ProgramSetting}“ → „{ChooseLanguage}“ und klicken Sie auf "
          "„{Apply}“. Die neue Sprache gilt ab dem nächsten Start, deshalb bietet Glimra gleich einen Neustart "
          "an. Die Sprachdateien liegen im Ordner Langs neben Glimra.exe, die Hilfedateien im Ordner Help."),
    ("h", "Updates und Erinnerungen"),
    ("p", "„{CheckUpdate}“ im Menü fragt die Website des Programms, ob es eine neuere Version gibt; "
          "heruntergeladen oder installiert wird dabei nichts. Ab und zu erinnert Glimra an etwas: mit einer "
          "Meldung, die um Unterstützung für das Projekt bittet, mit einem Hinweis auf eine verbesserte Version "
          "und, wenn Glimra lange nicht aktualisiert wurde, mit der Frage, ob jetzt nach Updates gesucht werden "
          "soll. Ein Klick auf eine Meldung öffnet ihre Webseite; Sie können sie aber auch einfach übergehen."),
    ("h", "Wo die Einstellungen liegen"),
    ("p", "Die Reglerstellungen und Optionen stehen in der Datei {SettingsFile} (geben Sie den Pfad des Ordners "
          "in die Adressleiste des Explorers ein, um ihn zu öffnen). Die Reglerstellungen der weiteren "
          "Bildschirme, die Wahl „{LinkMonitors}“ und die Helligkeitstasten stehen in Displays.ini im selben "
          "Ordner. Eine beschädigte Displays.ini legt Glimra als Displays.ini.damaged beiseite und sagt es "
          "einmal. Für einen Neuanfang beenden Sie Glimra und löschen beide Dateien. Außer ihnen speichert "
          "Glimra nur seinen Autostart-Eintrag in der Registrierung."),
    ("h", "Glimra beenden"),
    ("p", "Wählen Sie „{Exit}“ im Menü, drücken Sie Esc im Fenster oder klicken Sie mit der mittleren Maustaste "
          "auf das Symbol im Infobereich. Die Reglerstellungen werden beim Beenden gespeichert."),
]
