FILE_NAME = "Italian.lng"
NATIVE_NAME = "Italiano"
CODE = "IT"
BADGE_COLOURS = ((0, 120, 60), (206, 43, 55), (255, 255, 255))
RTF_FONT = ("Tahoma", 0)

TEXTS = {
    "MonitorBrightnes": "Luminosità monitor",
    "ContrastMonitor": "Contrasto monitor",
    "VideoBrightnes": "Luminosità video",
    "ResetSettings": "Ripristina",
    "Menu": "Menu",
    "ResetSettingsTT": "Ripristina luminosità e contrasto ai valori di fabbrica",
    "PanelContrastTT": "Lo schermo integrato del portatile non ha una regolazione del contrasto",
    "AboutProgram": "Informazioni",
    "Help": "Guida",
    "CheckUpdate": "Verifica aggiornamenti",
    "ProgramWebsite": "Visita il sito web",
    "ProjectAssistance": "Sostieni il progetto",
    "ProgramSetting": "Impostazioni",
    "Cancel": "Annulla",
    "Exit": "Esci",
    "LinkMonitors": "Collega i monitor",
    "DisplaysFileDamaged": "Non è stato possibile leggere le impostazioni salvate degli altri schermi. Il file è stato messo da parte come Displays.ini.damaged e questi schermi partono con le impostazioni predefinite.",
    "DescPrg": "Regola la luminosità e il contrasto del monitor",
    "DescDonate": "Sostieni il progetto",
    "ChooseLanguage": "Scegli la lingua",
    "RunWithSystem": "Avvia con Windows",
    "KeysSection": "Tasti di luminosità",
    "BrightnessUpKey": "Aumenta luminosità",
    "BrightnessDownKey": "Riduci luminosità",
    "KeysUnderPointer": "Solo lo schermo sotto il puntatore",
    "KeyTaken": "Un altro programma usa già %s. Scegli un’altra combinazione.",
    "KeysSame": "Aumenta luminosità e Riduci luminosità non possono condividere %s. Scegli un’altra combinazione per Riduci luminosità.",
    "CheckNoBlocingM": "Non bloccare il controllo del monitor. Salva e ripristina i valori, ignora gli errori di "
                       "lettura dal monitor (consigliato per alcuni monitor problematici)",
    "Apply": "Applica",
    "RestartProgram": "Per rendere effettive le modifiche è necessario riavviare il programma. %s Riavviare ora?",
    "CheckUpdates": "Verifica aggiornamenti",
    "UpdateCheckAborted": "%sLa verifica degli aggiornamenti è stata interrotta!%sControlla che la connessione a "
                          "Internet sia attiva.%sAssicurati che nessun firewall blocchi il programma.",
    "NoFataFound": "Nessun dato trovato",
    "ProgramNotUpdated": "Il programma è aggiornato",
    "GoProgramWebsite": "Aprire il sito web del programma?",
    "OneCopyRunning": "Il programma è già in esecuzione!",
    "ErStartWithWin": "Impossibile creare la chiave di registro per l'avvio automatico",
    "ErStartWithWinsAdd": "Impossibile applicare: forse non hai i permessi necessari per questa opzione",
    "WantHelpProject": "Vuoi sostenere il progetto? %s Fai clic su questo messaggio!",
    "DescDonateMess": "Sostieni %s",
    "ImprovedVersion": "Esiste una versione migliorata del programma. %s Fai clic su questo messaggio per saperne "
                       "di più!",
    "PersonalVersion": "Versione migliorata di %s",
    "CheckUpdateNow": "%s non viene aggiornato da molto tempo. Verificare ora la disponibilità di aggiornamenti?",
}

HELP = [
    ("title", "Guida di Glimra"),
    ("p", "Glimra regola la luminosità e il contrasto del monitor e la luminosità dell'immagine. Risiede "
          "nell'area di notifica della barra delle applicazioni: un clic sulla sua icona apre la finestra con i "
          "tre cursori, un clic destro apre il menu. La finestra si nasconde non appena fai clic altrove."),
    ("h", "I tre cursori"),
    ("li", "«{MonitorBrightnes}» e «{ContrastMonitor}» cambiano le impostazioni del monitor stesso, proprio come "
           "i suoi pulsanti. Glimra invia il valore al monitor tramite DDC/CI un attimo dopo che hai rilasciato "
           "il cursore."),
    ("li", "«{VideoBrightnes}» cambia l'immagine stessa tramite la scheda grafica (la sua curva gamma). Funziona "
           "su qualsiasi schermo, compreso quello integrato di un portatile. A 0 l'immagine resta invariata; un "
           "clic con il pulsante centrale del mouse su questo cursore lo riporta a 0."),
    ("li", "I tasti freccia, PGSU e PGGIÙ spostano il cursore che ha lo stato attivo; Invio passa al controllo "
           "successivo; Esc chiude Glimra."),
    ("h", "DDC/CI: come Glimra comunica con il monitor"),
    ("p", "I due cursori del monitor richiedono DDC/CI, un canale attraverso cui il computer comunica con il "
          "monitor tramite il cavo video. Attiva DDC/CI nel menu a schermo del monitor (spesso in "
          "«Impostazioni», «Sistema» o «Altro»). Il collegamento deve trasmetterlo: i cavi DisplayPort, HDMI, "
          "DVI e VGA di solito lo fanno, ma molti adattatori, docking station, switch KVM e hub USB no. Lo "
          "schermo integrato di un portatile non ha DDC/CI; Glimra ne regola la retroilluminazione tramite "
          "Windows (vedi sotto)."),
    ("h", "Più monitor"),
    ("p", "Con più schermi Glimra mostra un gruppo di tre cursori per ogni schermo, affiancati nell'ordine in "
          "cui gli schermi sono disposti sul desktop, ciascuno con il nome del suo monitor. Un gruppo invia solo "
          "al proprio monitor (a ogni monitor di uno schermo che mostra la stessa immagine su due) e regola solo "
          "la «{VideoBrightnes}» del proprio schermo. Un monitor che indica un massimo diverso da 100 ha una "
          "propria scala: la cima del suo cursore invia quel massimo. Uno schermo collegato o scollegato mentre "
          "Glimra è in esecuzione acquista o perde il suo gruppo."),
    ("p", "«{LinkMonitors}» nel menu, presente con due o più schermi, collega i gruppi: un cursore spostato in "
          "un gruppo porta lo stesso cursore di ogni gruppo nella stessa posizione. Sceglilo di nuovo per "
          "scollegarli."),
    ("h", "Lo schermo integrato di un portatile"),
    ("p", "Uno schermo integrato non ha DDC/CI, ma Windows dà accesso alla sua retroilluminazione e Glimra la "
          "usa: la «{MonitorBrightnes}» di questo schermo regola la retroilluminazione come il cursore della "
          "luminosità di Windows stesso, al passo più vicino consentito dallo schermo, appena rilasci il "
          "cursore. Il suo «{ContrastMonitor}» resta disattivato, perché uno schermo così non ha una regolazione "
          "del contrasto. La «{VideoBrightnes}» funziona come su qualsiasi schermo. Anche Windows e i tasti del "
          "portatile cambiano la retroilluminazione, quindi Glimra ne rilegge il livello ogni volta che apri la "
          "sua finestra."),
    ("h", "Se i cursori del monitor restano disattivati"),
    ("p", "I cursori del monitor in grigio indicano che il monitor non ha risposto tramite DDC/CI all'avvio di "
          "Glimra. In questo caso:"),
    ("li", "controlla che DDC/CI sia attivo nel menu del monitor;"),
    ("li", "collega il monitor direttamente al computer, senza adattatori o commutatori, oppure prova un altro "
           "ingresso, ad esempio DisplayPort o HDMI;"),
    ("li", "chiudi Glimra con «{Exit}» nel suo menu e riavvialo;"),
    ("li", "se il monitor accetta nuovi valori ma comunica male quelli attuali, attiva la modalità senza blocco "
           "descritta sotto."),
    ("p", "«{VideoBrightnes}» funziona in ogni caso."),
    ("h", "Modalità senza blocco"),
    ("p", "«{Menu}» → «{ProgramSetting}» → «Non bloccare il controllo del monitor». Alcuni monitor accettano "
          "nuovi valori ma non comunicano quelli attuali, e Glimra disattiverebbe allora i cursori del monitor. "
          "In questa modalità i cursori restano utilizzabili: Glimra invia i tuoi valori, li ricorda, li "
          "reimposta all'avvio successivo e ignora gli errori di lettura. Lasciala disattivata se il monitor "
          "risponde normalmente. L'opzione richiede Windows Vista o versioni successive."),
    ("h", "Il pulsante «{ResetSettings}»"),
    ("p", "Invia a ogni monitor il suo comando di ripristino dei valori di fabbrica, poi legge nei cursori la "
          "nuova luminosità e il nuovo contrasto dei monitor. Molti monitor ripristinano anche le impostazioni "
          "di colore e immagine. «{VideoBrightnes}» torna a 0 su ogni schermo; la retroilluminazione dello "
          "schermo integrato di un portatile mantiene il suo livello."),
    ("h", "{KeysSection}"),
    ("p", "Glimra può schiarire o scurire lo schermo dalla tastiera. In «{Menu}» → «{ProgramSetting}», sotto "
          "«{KeysSection}», fai clic nella casella accanto a «{BrightnessUpKey}» o «{BrightnessDownKey}», premi "
          "la combinazione che vuoi, per esempio Ctrl+Alt+Freccia su, e fai clic su «{Apply}». Le due caselle "
          "restano vuote finché non le riempi, quindi Glimra non toglie di sua iniziativa alcun tasto ad altri "
          "programmi."),
    ("p", "Ogni pressione sposta la «{MonitorBrightnes}» di dieci (la «{VideoBrightnes}» dove il monitor non ha "
          "DDC/CI) e mostra per un momento il nuovo livello vicino al bordo inferiore dello schermo. Le "
          "pressioni rapide arrivano al monitor come un'unica richiesta appena fai una pausa. I tasti agiscono "
          "su tutti gli schermi; «{KeysUnderPointer}» li limita allo schermo su cui si trova il puntatore del "
          "mouse."),
    ("p", "Se un altro programma usa già una combinazione, Glimra lo segnala e conserva la tua scelta, che "
          "funzionerà a un avvio successivo quando quel programma la libera. «{BrightnessUpKey}» e "
          "«{BrightnessDownKey}» non possono condividere una combinazione: Glimra la rifiuta allora per "
          "«{BrightnessDownKey}»."),
    ("h", "Avvio con Windows"),
    ("p", "Al primo avvio Glimra si imposta per avviarsi con Windows. Per cambiare, apri «{Menu}» → "
          "«{ProgramSetting}», seleziona o deseleziona «{RunWithSystem}» e fai clic su «{Apply}». La voce è il "
          "valore «Glimra» nella chiave di registro {RunKey}."),
    ("h", "Lingua"),
    ("p", "Sceglila in «{Menu}» → «{ProgramSetting}» → «{ChooseLanguage}» e fai clic su «{Apply}». La nuova "
          "lingua vale dall'avvio successivo, perciò Glimra propone subito di riavviarsi. I file di lingua si "
          "trovano nella cartella Langs accanto a Glimra.exe, i file della guida nella cartella Help."),
    ("h", "Aggiornamenti e promemoria"),
    ("p", "«{CheckUpdate}» nel menu chiede al sito del programma se esiste una versione più recente; nulla viene "
          "scaricato o installato da solo. Ogni tanto Glimra ti ricorda alcune cose: un messaggio che chiede di "
          "sostenere il progetto, un avviso su una versione migliorata e, se Glimra non viene aggiornato da "
          "molto tempo, la domanda se verificare subito gli aggiornamenti. Fai clic su un messaggio per aprire la "
          "sua pagina web, oppure ignoralo."),
    ("h", "Dove sono salvate le impostazioni"),
    ("p", "Le posizioni dei cursori e le opzioni sono salvate nel file {SettingsFile} (digita il percorso della "
          "cartella nella barra degli indirizzi di Esplora file per aprirla). Le posizioni dei cursori degli "
          "altri schermi, la scelta «{LinkMonitors}» e i tasti di luminosità sono salvati in Displays.ini, nella "
          "stessa cartella. Un Displays.ini danneggiato viene messo da parte come Displays.ini.damaged e Glimra "
          "lo segnala una volta. Per ricominciare da capo, chiudi Glimra ed elimina i due file. Oltre a questi, "
          "Glimra salva solo la sua voce di avvio automatico nel registro."),
    ("h", "Chiudere Glimra"),
    ("p", "Scegli «{Exit}» nel menu, premi Esc nella finestra oppure fai clic sull'icona nell'area di notifica con "
          "il pulsante centrale del mouse. Le posizioni dei cursori vengono salvate alla chiusura."),
]
