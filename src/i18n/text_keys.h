// Every section, key and built-in default of the user-visible texts, in one place.
// The keys are spelled as language files write them (MonitorBrightnes, CheckNoBlocingM, NoFataFound ...).
#pragma once

#include <string_view>

struct TextKey {
    std::u16string_view section; // the header as written in a language file, brackets included
    std::u16string_view key;     // at most 19 characters
    std::u16string_view defaultText;
};

// [MAINDLG]
inline constexpr TextKey kMonitorBrightnes{u"[MAINDLG]", u"MonitorBrightnes", u"Яркость монитор"};
inline constexpr TextKey kContrastMonitor{u"[MAINDLG]", u"ContrastMonitor", u"Контраст монитор"};
inline constexpr TextKey kVideoBrightnes{u"[MAINDLG]", u"VideoBrightnes", u"Яркость видео"};
inline constexpr TextKey kResetSettings{u"[MAINDLG]", u"ResetSettings", u"Сброс настроек"};
inline constexpr TextKey kMenu{u"[MAINDLG]", u"Menu", u"Меню"};
inline constexpr TextKey kResetSettingsTT{u"[MAINDLG]", u"ResetSettingsTT",
                                          u"Сброс настроек яркости и контраста на заводские"};
// The tip over a built-in panel's contrast slider, which stays disabled.
inline constexpr TextKey kPanelContrastTT{u"[MAINDLG]", u"PanelContrastTT",
                                          u"У встроенного экрана ноутбука нет регулировки контраста"};

// [MAINMENU]
inline constexpr TextKey kMainMenuAboutProgram{u"[MAINMENU]", u"AboutProgram", u"О программе"};
inline constexpr TextKey kHelp{u"[MAINMENU]", u"Help", u"Справка"};
inline constexpr TextKey kCheckUpdate{u"[MAINMENU]", u"CheckUpdate", u"Проверить обновление"};
inline constexpr TextKey kProgramWebsite{u"[MAINMENU]", u"ProgramWebsite", u"Посетить сайт программы"};
inline constexpr TextKey kProjectAssistance{u"[MAINMENU]", u"ProjectAssistance", u"Помощь проекту"};
inline constexpr TextKey kMainMenuProgramSetting{u"[MAINMENU]", u"ProgramSetting", u"Настройки"};
inline constexpr TextKey kCancel{
    u"[MAINMENU]", u"\u0421ancel", // the key begins with the Cyrillic capital Es, not the Latin C
    u"Отмена"};
inline constexpr TextKey kExit{u"[MAINMENU]", u"Exit", u"Выйти"};
// Shown with two or more displays: one slider moves the same slider of every display.
inline constexpr TextKey kLinkMonitors{u"[MAINMENU]", u"LinkMonitors", u"Связать мониторы"};
// Told once when the file of the other displays' positions was damaged and set aside.
inline constexpr TextKey kDisplaysFileDamaged{u"[MAINMENU]", u"DisplaysFileDamaged",
                                              u"Не удалось прочитать сохранённые настройки других дисплеев. "
                                              u"Файл отложен как Displays.ini.damaged, а эти "
                                              u"дисплеи начинают работу с настройками по умолчанию."};

// [ABOUTDLG]
inline constexpr TextKey kAboutDlgAboutProgram{u"[ABOUTDLG]", u"AboutProgram", u"О программе"};
inline constexpr TextKey kDescPrg{u"[ABOUTDLG]", u"DescPrg", u"Регулировка яркости и контрастность монитора"};
inline constexpr TextKey kDescDonate{u"[ABOUTDLG]", u"DescDonate", u"Поддержать проект"};

// [OPTDLG]
inline constexpr TextKey kOptDlgProgramSetting{u"[OPTDLG]", u"ProgramSetting", u"Настройки"};
inline constexpr TextKey kChooseLanguage{u"[OPTDLG]", u"ChooseLanguage", u"Выбрать язык"};
inline constexpr TextKey kRunWithSystem{u"[OPTDLG]", u"RunWithSystem", u"Запускать вместе с системой"};
// The section of global keys that move the brightness.
inline constexpr TextKey kKeysSection{u"[OPTDLG]", u"KeysSection", u"Клавиши яркости"};
inline constexpr TextKey kBrightnessUpKey{u"[OPTDLG]", u"BrightnessUpKey", u"Ярче"};
inline constexpr TextKey kBrightnessDownKey{u"[OPTDLG]", u"BrightnessDownKey", u"Темнее"};
inline constexpr TextKey kKeysUnderPointer{u"[OPTDLG]", u"KeysUnderPointer",
                                           u"Только дисплей под указателем"};
inline constexpr TextKey kKeyTaken{u"[OPTDLG]", u"KeyTaken", // insert: the combination
                                   u"%s уже занято другой программой. Выберите другое сочетание."};
inline constexpr TextKey kKeysSame{u"[OPTDLG]", u"KeysSame", // insert: the combination
                                   u"Ярче и Темнее не могут использовать одно сочетание %s. Выберите для "
                                   u"Темнее другое сочетание."};
inline constexpr TextKey kCheckNoBlocingM{
    u"[OPTDLG]", u"CheckNoBlocingM",
    u"Не блокировать управление монитором. "
    u"Сохранять и восстанавливать значения. Игнорировать ошибки получения данных от монитора: (Рекомендуется "
    u"для некоторых проблемных мониторов)"};
inline constexpr TextKey kApply{u"[OPTDLG]", u"Apply", u"Применить"};
inline constexpr TextKey kRestartProgram{
    u"[OPTDLG]", u"RestartProgram", // insert: CR LF
    u"Чтобы изменения вступили в силу необходимо перезапустить программу %s Перезапустить сейчас?"};

// [UPDATA]
inline constexpr TextKey kCheckUpdates{u"[UPDATA]", u"CheckUpdates", u"Проверка обновления"};
inline constexpr TextKey kUpdateCheckAborted{
    u"[UPDATA]", u"UpdateCheckAborted", // insert: CR LF
    u"\r\nПроверка обновления прервана!\r\nПроверьте, что соединение с интернетом активно\r\nУбедитесь, что "
    u"программу не блокируют"};
inline constexpr TextKey kNoFataFound{u"[UPDATA]", u"NoFataFound", u"Данные не найдены"};
inline constexpr TextKey kProgramNotUpdated{u"[UPDATA]", u"ProgramNotUpdated",
                                            u"Программа не нуждается в обновлении"};
inline constexpr TextKey kGoProgramWebsite{u"[UPDATA]", u"GoProgramWebsite", u"Перейти на сайт программы?"};

// [MESDATA]
inline constexpr TextKey kOneCopyRunning{u"[MESDATA]", u"OneCopyRunning",
                                         u"Одна копия программы уже запущена!"};
inline constexpr TextKey kErStartWithWin{u"[MESDATA]", u"ErStartWithWin",
                                         u"Не удается создать ключ регистрации в реестре Автозагрузки"};
inline constexpr TextKey kErStartWithWinsAdd{
    u"[MESDATA]", u"ErStartWithWinsAdd",
    u"Не удается применить -  Возможно у Вас нет привилегий Администратора для установки этой опции"};
inline constexpr TextKey kWantHelpProject{u"[MESDATA]", u"WantHelpProject", // insert: CR LF
                                          u"Хотите оказать помощь проекту? %s Кликните по этому сообщению!"};
inline constexpr TextKey kDescDonateMess{u"[MESDATA]", u"DescDonateMess", // insert: "Glimra"
                                         u"Поддержать проект %s"};
inline constexpr TextKey kImprovedVersion{
    u"[MESDATA]", u"ImprovedVersion", // insert: CR LF
    u"Уже существует улучшенная версия программы %s Узнайте больше, кликните по этому сообщению!"};
inline constexpr TextKey kPersonalVersion{u"[MESDATA]", u"PersonalVersion", // insert: "Glimra"
                                          u"%s улучшенная версия программы"};
inline constexpr TextKey kCheckUpdateNow{u"[MESDATA]", u"CheckUpdateNow", // insert: "Glimra V1.3"
                                         u"Программа %s долго не обновлялась. Проверить обновление сейчас?"};

// Every key above, in the order of the sections.
inline constexpr TextKey kAllTextKeys[] = {
    kMonitorBrightnes,
    kContrastMonitor,
    kVideoBrightnes,
    kResetSettings,
    kMenu,
    kResetSettingsTT,
    kPanelContrastTT,
    kMainMenuAboutProgram,
    kHelp,
    kCheckUpdate,
    kProgramWebsite,
    kProjectAssistance,
    kMainMenuProgramSetting,
    kCancel,
    kExit,
    kLinkMonitors,
    kDisplaysFileDamaged,
    kAboutDlgAboutProgram,
    kDescPrg,
    kDescDonate,
    kOptDlgProgramSetting,
    kChooseLanguage,
    kRunWithSystem,
    kKeysSection,
    kBrightnessUpKey,
    kBrightnessDownKey,
    kKeysUnderPointer,
    kKeyTaken,
    kKeysSame,
    kCheckNoBlocingM,
    kApply,
    kRestartProgram,
    kCheckUpdates,
    kUpdateCheckAborted,
    kNoFataFound,
    kProgramNotUpdated,
    kGoProgramWebsite,
    kOneCopyRunning,
    kErStartWithWin,
    kErStartWithWinsAdd,
    kWantHelpProject,
    kDescDonateMess,
    kImprovedVersion,
    kPersonalVersion,
    kCheckUpdateNow,
};
