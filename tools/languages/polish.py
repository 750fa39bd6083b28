FILE_NAME = "Polish.lng"
NATIVE_NAME = "Polski"
CODE = "PL"
BADGE_COLOURS = ((220, 20, 60), (255, 255, 255), (255, 255, 255))
RTF_FONT = ("Tahoma", 238)

TEXTS = {
    "MonitorBrightnes": "Jasność monitora",
    "ContrastMonitor": "Kontrast monitora",
    "VideoBrightnes": "Jasność obrazu",
    "ResetSettings": "Resetuj",
    "Menu": "Menu",
    "ResetSettingsTT": "Przywróć fabryczne ustawienia jasności i kontrastu",
    "PanelContrastTT": "Wbudowany ekran laptopa nie ma regulacji kontrastu",
    "AboutProgram": "O programie",
    "Help": "Pomoc",
    "CheckUpdate": "Sprawdź aktualizacje",
    "ProgramWebsite": "Odwiedź stronę programu",
    "ProjectAssistance": "Wesprzyj projekt",
    "ProgramSetting": "Ustawienia",
    "Cancel": "Anuluj",
    "Exit": "Zakończ",
    "LinkMonitors": "Połącz monitory",
    "DisplaysFileDamaged": "Nie udało się odczytać zapisanych ustawień pozostałych ekranów. Plik odłożono jako Displays.ini.damaged, a te ekrany startują z ustawieniami domyślnymi.",
    "DescPrg": "Regulacja jasności i kontrastu monitora",
    "DescDonate": "Wesprzyj projekt",
    "ChooseLanguage": "Wybierz język",
    "RunWithSystem": "Uruchamiaj z systemem Windows",
    "KeysSection": "Klawisze jasności",
    "BrightnessUpKey": "Jaśniej",
    "BrightnessDownKey": "Ciemniej",
    "KeysUnderPointer": "Tylko ekran pod wskaźnikiem",
    "KeyTaken": "Inny program używa już %s. Wybierz inną kombinację.",
    "KeysSame": "Jaśniej i Ciemniej nie mogą używać tej samej kombinacji %s. Wybierz inną kombinację dla Ciemniej.",
    "CheckNoBlocingM": "Nie blokuj sterowania monitorem. Zapisuj i przywracaj wartości, ignoruj błędy odczytu z "
                       "monitora (zalecane dla niektórych problematycznych monitorów)",
    "Apply": "Zastosuj",
    "RestartProgram": "Aby zmiany zaczęły obowiązywać, trzeba ponownie uruchomić program. %s Uruchomić ponownie "
                      "teraz?",
    "CheckUpdates": "Sprawdzanie aktualizacji",
    "UpdateCheckAborted": "%sSprawdzanie aktualizacji zostało przerwane!%sSprawdź, czy połączenie z Internetem "
                          "jest aktywne.%sUpewnij się, że zapora nie blokuje programu.",
    "NoFataFound": "Nie znaleziono danych",
    "ProgramNotUpdated": "Program jest aktualny",
    "GoProgramWebsite": "Przejść na stronę programu?",
    "OneCopyRunning": "Program jest już uruchomiony!",
    "ErStartWithWin": "Nie można utworzyć klucza rejestru dla autostartu",
    "ErStartWithWinsAdd": "Nie można zastosować - być może nie masz uprawnień do zmiany tej opcji",
    "WantHelpProject": "Chcesz wesprzeć projekt? %s Kliknij ten komunikat!",
    "DescDonateMess": "Wesprzyj projekt %s",
    "ImprovedVersion": "Dostępna jest ulepszona wersja programu. %s Kliknij ten komunikat, aby dowiedzieć się "
                       "więcej!",
    "PersonalVersion": "Ulepszona wersja programu %s",
    "CheckUpdateNow": "Program %s od dawna nie był aktualizowany. Sprawdzić aktualizacje teraz?",
}

HELP = [
    ("title", "Pomoc programu Glimra"),
    ("p", "Glimra reguluje jasność i kontrast monitora oraz jasność obrazu. Program znajduje się w obszarze "
          "powiadomień paska zadań: kliknięcie jego ikony otwiera okno z trzema suwakami, kliknięcie prawym "
          "przyciskiem otwiera menu. Okno znika, gdy tylko klikniesz gdzie indziej."),
    ("h", "Trzy suwaki"),
    ("li", "„{MonitorBrightnes}” i „{ContrastMonitor}” zmieniają ustawienia samego monitora, tak jak jego "
           "przyciski. Glimra wysyła wartość do monitora przez DDC/CI chwilę po puszczeniu suwaka."),
    ("li", "„{VideoBrightnes}” zmienia sam obraz za pomocą karty graficznej (jej krzywej gamma). Działa na "
           "każdym ekranie, także na wbudowanym ekranie laptopa. Przy 0 obraz się nie zmienia; kliknięcie tego "
           "suwaka środkowym przyciskiem myszy przywraca go do 0."),
    ("li", "Klawisze strzałek, Page Up i Page Down przesuwają suwak, który ma fokus; Enter przenosi fokus dalej; "
           "Esc zamyka program Glimra."),
    ("h", "DDC/CI: jak Glimra porozumiewa się z monitorem"),
    ("p", "Oba suwaki monitora wymagają DDC/CI, kanału, przez który komputer porozumiewa się z monitorem przez "
          "kabel wideo. Włącz DDC/CI w menu ekranowym samego monitora (często w sekcji „Ustawienia”, „System” "
          "lub „Inne”). Połączenie musi go przenosić: kable DisplayPort, HDMI, DVI i VGA zwykle to robią, ale "
          "wiele przejściówek, stacji dokujących, przełączników KVM i koncentratorów USB nie. Wbudowany ekran "
          "laptopa nie ma DDC/CI; jego podświetlenie Glimra ustawia przez system Windows (zob. niżej)."),
    ("h", "Kilka monitorów"),
    ("p", "Przy kilku ekranach Glimra pokazuje dla każdego grupę trzech suwaków, obok siebie w kolejności, w "
          "jakiej ekrany są ułożone na pulpicie, a każda grupa nosi nazwę swojego monitora. Grupa wysyła tylko "
          "do swojego monitora (do każdego monitora ekranu, który pokazuje jeden obraz na dwóch) i ustawia tylko "
          "„{VideoBrightnes}” swojego ekranu. Monitor, który podaje maksimum inne niż 100, dostaje własną skalę: "
          "górny koniec suwaka wysyła to maksimum. Ekran podłączony lub odłączony w czasie działania programu "
          "zyskuje lub traci swoją grupę."),
    ("p", "„{LinkMonitors}” w menu, dostępne przy dwóch lub więcej ekranach, łączy grupy: suwak przesunięty w "
          "jednej grupie ustawia ten sam suwak każdej grupy w tym samym położeniu. Wybierz tę pozycję ponownie, "
          "aby je rozłączyć."),
    ("h", "Wbudowany ekran laptopa"),
    ("p", "Wbudowany ekran nie ma DDC/CI, ale Windows udostępnia jego podświetlenie i Glimra z tego korzysta: "
          "„{MonitorBrightnes}” tego ekranu ustawia podświetlenie tak samo jak suwak jasności samego systemu "
          "Windows, na najbliższy stopień, na jaki pozwala ekran, gdy tylko puścisz suwak. „{ContrastMonitor}” "
          "pozostaje nieaktywny, bo taki ekran nie ma regulacji kontrastu. „{VideoBrightnes}” działa jak na "
          "każdym ekranie. Podświetlenie zmieniają też Windows i klawisze laptopa, dlatego Glimra odczytuje jego "
          "poziom na nowo przy każdym otwarciu okna."),
    ("h", "Gdy suwaki monitora pozostają nieaktywne"),
    ("p", "Szare suwaki monitora oznaczają, że monitor nie odpowiedział przez DDC/CI przy uruchomieniu programu "
          "Glimra. Wtedy:"),
    ("li", "sprawdź, czy DDC/CI jest włączone w menu monitora;"),
    ("li", "podłącz monitor bezpośrednio do komputera, bez przejściówek i przełączników, albo spróbuj innego "
           "wejścia, na przykład DisplayPort lub HDMI;"),
    ("li", "zamknij program poleceniem „{Exit}” w jego menu i uruchom go ponownie;"),
    ("li", "jeśli monitor przyjmuje nowe wartości, ale źle podaje bieżące, włącz opisany niżej tryb bez "
           "blokowania."),
    ("p", "„{VideoBrightnes}” działa w każdym przypadku."),
    ("h", "Tryb bez blokowania"),
    ("p", "„{Menu}” → „{ProgramSetting}” → „Nie blokuj sterowania monitorem”. Niektóre monitory przyjmują nowe "
          "wartości, ale nie podają bieżących, i wtedy Glimra wyłączyłaby suwaki monitora. W tym trybie suwaki "
          "pozostają dostępne: Glimra wysyła Twoje wartości, zapamiętuje je, ustawia ponownie przy następnym "
          "uruchomieniu i pomija błędy odczytu. Jeśli monitor odpowiada normalnie, pozostaw tryb wyłączony. "
          "Opcja wymaga systemu Windows Vista lub nowszego."),
    ("h", "Przycisk „{ResetSettings}”"),
    ("p", "Wysyła do każdego monitora jego własne polecenie przywrócenia ustawień fabrycznych, a następnie "
          "odczytuje do suwaków nową jasność i nowy kontrast monitorów. Wiele monitorów przywraca przy tym także "
          "ustawienia kolorów i obrazu. „{VideoBrightnes}” wraca do 0 na każdym ekranie; podświetlenie "
          "wbudowanego ekranu laptopa zachowuje swój poziom."),
    ("h", "{KeysSection}"),
    ("p", "Glimra potrafi rozjaśniać i przyciemniać ekran z klawiatury. W „{Menu}” → „{ProgramSetting}”, w "
          "sekcji „{KeysSection}”, kliknij pole obok „{BrightnessUpKey}” lub „{BrightnessDownKey}”, naciśnij "
          "wybraną kombinację, na przykład Ctrl+Alt+Strzałka w górę, i kliknij „{Apply}”. Oba pola są puste, "
          "dopóki ich nie wypełnisz, więc Glimra sama nie zabiera klawiszy innym programom."),
    ("p", "Każde naciśnięcie przesuwa „{MonitorBrightnes}” o dziesięć („{VideoBrightnes}”, gdy monitor nie ma "
          "DDC/CI) i na chwilę pokazuje nowy poziom przy dolnej krawędzi ekranu. Szybkie naciśnięcia docierają "
          "do monitora jako jedno żądanie, gdy zrobisz przerwę. Klawisze działają na wszystkie ekrany; "
          "„{KeysUnderPointer}” ogranicza je do ekranu, na którym jest wskaźnik myszy."),
    ("p", "Jeśli inny program używa już kombinacji, Glimra to zgłasza i zachowuje Twój wybór: zadziała on przy "
          "jednym z kolejnych uruchomień, gdy tamten program ją zwolni. „{BrightnessUpKey}” i "
          "„{BrightnessDownKey}” nie mogą używać tej samej kombinacji: Glimra odrzuca ją wtedy dla "
          "„{BrightnessDownKey}”."),
    ("h", "Uruchamianie z systemem Windows"),
    ("p", "Przy pierwszym uruchomieniu Glimra ustawia się tak, by startować razem z systemem Windows. Aby to "
          "zmienić, otwórz „{Menu}” → „{ProgramSetting}”, zaznacz lub wyczyść pole „{RunWithSystem}” i kliknij "
          "„{Apply}”. Wpis to wartość „Glimra” w kluczu rejestru {RunKey}."),
    ("h", "Język"),
    ("p", "Wybierz go w „{Menu}” → „{ProgramSetting}” → „{ChooseLanguage}” i kliknij „{Apply}”. Nowy język "
          "obowiązuje od następnego uruchomienia, dlatego Glimra od razu proponuje ponowne uruchomienie. Pliki "
          "językowe znajdują się w folderze Langs obok pliku Glimra.exe, a pliki pomocy w folderze Help."),
    ("h", "Aktualizacje i przypomnienia"),
    ("p", "Polecenie „{CheckUpdate}” w menu pyta stronę programu, czy istnieje nowsza wersja; nic nie jest "
          "pobierane ani instalowane samo. Od czasu do czasu Glimra o czymś przypomina: komunikatem z prośbą o "
          "wsparcie projektu, informacją o ulepszonej wersji, a gdy program długo nie był aktualizowany, "
          "pytaniem, czy sprawdzić aktualizacje teraz. Kliknij komunikat, aby otworzyć jego stronę, albo po "
          "prostu go pomiń."),
    ("h", "Gdzie są przechowywane ustawienia"),
    ("p", "Położenia suwaków i opcje są zapisane w pliku {SettingsFile} (aby otworzyć folder, wpisz jego ścieżkę "
          "w pasku adresu Eksploratora plików). Położenia suwaków pozostałych ekranów, wybór „{LinkMonitors}” i "
          "klawisze jasności są zapisane w pliku Displays.ini w tym samym folderze. Uszkodzony plik Displays.ini "
          "zostaje odłożony jako Displays.ini.damaged, a Glimra raz o tym informuje. Aby zacząć od nowa, zamknij "
          "program Glimra i usuń oba pliki. Poza nimi Glimra zapisuje tylko swój wpis autostartu w rejestrze."),
    ("h", "Zamykanie programu"),
    ("p", "Wybierz „{Exit}” w menu, naciśnij Esc w oknie albo kliknij ikonę w obszarze powiadomień środkowym "
          "przyciskiem myszy. Położenia suwaków są zapisywane przy zamykaniu programu."),
]
