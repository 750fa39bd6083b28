FILE_NAME = "English.lng"
NATIVE_NAME = "English"
CODE = "EN"
BADGE_COLOURS = ((1, 33, 105), (200, 16, 46), (255, 255, 255))  # background, frame, letters

TEXTS = {
    "MonitorBrightnes": "Monitor brightness",
    "ContrastMonitor": "Monitor contrast",
    "VideoBrightnes": "Video brightness",
    "ResetSettings": "Reset settings",
    "Menu": "Menu",
    "ResetSettingsTT": "Reset brightness and contrast to factory settings",
    "PanelContrastTT": "The laptop's built-in panel has no contrast control",
    "AboutProgram": "About",
    "Help": "Help",
    "CheckUpdate": "Check for updates",
    "ProgramWebsite": "Visit the program's website",
    "ProjectAssistance": "Support the project",
    "ProgramSetting": "Settings",
    "Cancel": "Cancel",
    "Exit": "Exit",
    "LinkMonitors": "Link monitors",
    "DisplaysFileDamaged": "The saved settings of the other displays could not be read. The file was kept aside as Displays.ini.damaged, and those displays start with default settings.",
    "DescPrg": "Adjusts the brightness and contrast of the monitor",
    "DescDonate": "Support the project",
    "ChooseLanguage": "Choose language",
    "RunWithSystem": "Start with Windows",
    "KeysSection": "Brightness keys",
    "BrightnessUpKey": "Brightness up",
    "BrightnessDownKey": "Brightness down",
    "KeysUnderPointer": "Only the display under the pointer",
    "KeyTaken": "Another program already uses %s. Choose another combination.",
    "KeysSame": "Brightness up and Brightness down cannot share %s. Choose another combination for Brightness down.",
    "CheckNoBlocingM": "Do not block monitor control. Save and restore values. Ignore errors reading data from the "
                       "monitor (recommended for some problem monitors)",
    "Apply": "Apply",
    "RestartProgram": "The program must be restarted for the changes to take effect. %s Restart now?",
    "CheckUpdates": "Update check",
    "UpdateCheckAborted": "%sThe update check was aborted!%sMake sure the internet connection is active."
                          "%sMake sure no firewall blocks the program.",
    "NoFataFound": "No data found",
    "ProgramNotUpdated": "The program is up to date",
    "GoProgramWebsite": "Go to the program's website?",
    "OneCopyRunning": "One copy of the program is already running!",
    "ErStartWithWin": "Cannot create the registry key for starting with Windows",
    "ErStartWithWinsAdd": "Cannot apply - you may lack the rights to set this option",
    "WantHelpProject": "Would you like to support the project? %s Click this message!",
    "DescDonateMess": "Support the %s project",
    "ImprovedVersion": "An improved version of the program exists. %s Click this message to learn more!",
    "PersonalVersion": "%s improved version",
    "CheckUpdateNow": "%s has not been updated for a long time. Check for updates now?",
}

HELP = [
    ("title", "Glimra Help"),
    ("p", "Glimra sets the brightness and contrast of your monitor and the brightness of the picture. It lives in "
          "the notification area of the taskbar: click its icon to open the window with the three sliders, "
          "right-click it for the menu. The window hides again as soon as you click elsewhere."),
    ("h", "The three sliders"),
    ("li", "\u201c{MonitorBrightnes}\u201d and \u201c{ContrastMonitor}\u201d change the monitor's own settings, "
           "just as the buttons on the monitor do. Glimra sends the value to the monitor over DDC/CI a moment after "
           "you release the slider."),
    ("li", "\u201c{VideoBrightnes}\u201d changes the picture itself through the graphics card (its gamma ramp). It "
           "works on every display, a laptop's built-in screen included. At 0 the picture is unchanged; a click "
           "with the middle mouse button on this slider brings it back to 0."),
    ("li", "The arrow keys and Page Up or Page Down move the slider that has the focus; Enter moves the focus on; "
           "Esc ends Glimra."),
    ("h", "DDC/CI: how Glimra talks to the monitor"),
    ("p", "The two monitor sliders need DDC/CI, a channel through which the computer talks to the monitor over "
          "the video cable. Turn DDC/CI on in the monitor's own on-screen menu (often under Setup, System or "
          "Others). The connection must carry it: DisplayPort, HDMI, DVI and VGA cables usually do, but many "
          "adapters, docking stations, KVM switches and USB hubs do not. A laptop's built-in panel has no "
          "DDC/CI; Glimra sets its backlight through Windows instead (see below)."),
    ("h", "Several monitors"),
    ("p", "With several displays Glimra shows one group of three sliders for each, side by side in the order the "
          "displays stand on the desktop, each group named after its monitor. A group sends only to its own "
          "monitor (to each monitor of a display that shows one picture on two) and sets only its own display's "
          "\u201c{VideoBrightnes}\u201d. A monitor that reports a maximum other than 100 gets its own scale: the "
          "top of its slider sends that maximum. A display plugged in or out while Glimra runs gains or loses "
          "its group."),
    ("p", "\u201c{LinkMonitors}\u201d in the menu, shown with two or more displays, ties the groups together: a "
          "slider moved in one group takes the same slider of every group to the same place. Choose it again to "
          "untie them."),
    ("h", "A laptop's built-in panel"),
    ("p", "A built-in panel has no DDC/CI, but Windows offers its backlight, and Glimra uses it: the panel's "
          "\u201c{MonitorBrightnes}\u201d sets the backlight just as Windows' own brightness slider does, at the "
          "nearest step the panel allows, once you release the slider. Its \u201c{ContrastMonitor}\u201d stays "
          "disabled, since a panel has no contrast control. \u201c{VideoBrightnes}\u201d works as on any "
          "display. Windows and the laptop's own keys change the backlight too, so Glimra reads the level again "
          "each time you open its window."),
    ("h", "When the monitor sliders stay disabled"),
    ("p", "Greyed-out monitor sliders mean that the monitor did not answer over DDC/CI when Glimra started. Then:"),
    ("li", "check that DDC/CI is on in the monitor's menu;"),
    ("li", "connect the monitor straight to the computer, without adapters or switches, or try another input "
           "such as DisplayPort or HDMI;"),
    ("li", "end Glimra with \u201c{Exit}\u201d in its menu and start it again;"),
    ("li", "if the monitor accepts new values but answers badly when asked for its current ones, turn on the "
           "no-blocking mode described below."),
    ("p", "\u201c{VideoBrightnes}\u201d works in every case."),
    ("h", "No-blocking mode"),
    ("p", "\u201c{Menu}\u201d \u2192 \u201c{ProgramSetting}\u201d \u2192 \u201cDo not block monitor control\u201d. "
          "Some monitors take new values but do not report their current ones, and Glimra would then disable the "
          "monitor sliders. In this mode the sliders stay usable: Glimra sends your values, remembers them, sets "
          "them again at the next start and ignores errors in reading the monitor. Leave it off when your monitor "
          "answers normally. The option needs Windows Vista or later."),
    ("h", "The \u201c{ResetSettings}\u201d button"),
    ("p", "It sends each monitor its own factory-reset command, then reads the monitors' new brightness and "
          "contrast back into the sliders. Many monitors reset their colour and picture settings with it as "
          "well. \u201c{VideoBrightnes}\u201d returns to 0 on every display; a laptop's built-in panel keeps its "
          "backlight level."),
    ("h", "{KeysSection}"),
    ("p", "Glimra can brighten or dim the screen from the keyboard. In \u201c{Menu}\u201d \u2192 "
          "\u201c{ProgramSetting}\u201d, under \u201c{KeysSection}\u201d, click the box beside "
          "\u201c{BrightnessUpKey}\u201d or \u201c{BrightnessDownKey}\u201d, press the combination you want, for "
          "example Ctrl+Alt+Up, and press \u201c{Apply}\u201d. Both boxes are empty until you fill them, so "
          "Glimra takes no keys from other programs by itself."),
    ("p", "Each press moves \u201c{MonitorBrightnes}\u201d by ten (\u201c{VideoBrightnes}\u201d where the "
          "monitor has no DDC/CI) and shows the new level near the bottom of the screen for a moment. Quick "
          "presses reach the monitor as one request once you pause. The keys act on every display; "
          "\u201c{KeysUnderPointer}\u201d narrows them to the display the mouse pointer is on."),
    ("p", "If another program already holds a combination, Glimra says so and keeps your choice, so it works at "
          "a later start once that program lets it go. \u201c{BrightnessUpKey}\u201d and "
          "\u201c{BrightnessDownKey}\u201d cannot share one combination: Glimra then refuses it for "
          "\u201c{BrightnessDownKey}\u201d."),
    ("h", "Start with Windows"),
    ("p", "On its first start Glimra sets itself to start with Windows. To change that, open \u201c{Menu}\u201d "
          "\u2192 \u201c{ProgramSetting}\u201d, tick or clear \u201c{RunWithSystem}\u201d and press "
          "\u201c{Apply}\u201d. The entry is the value \u201cGlimra\u201d in the key {RunKey} of the registry."),
    ("h", "Language"),
    ("p", "Choose it in \u201c{Menu}\u201d \u2192 \u201c{ProgramSetting}\u201d \u2192 \u201c{ChooseLanguage}\u201d "
          "and press \u201c{Apply}\u201d. The new language takes effect at the next start, so Glimra offers to "
          "restart at once. The language files are in the Langs folder beside Glimra.exe, the help files in the "
          "Help folder."),
    ("h", "Updates and reminders"),
    ("p", "\u201c{CheckUpdate}\u201d in the menu asks the program's website whether a newer version exists; "
          "nothing is downloaded or installed by itself. Now and then Glimra reminds you of a few things: a note "
          "asking you to support the project, a note about an improved version and, when Glimra has not been "
          "updated for a long time, the question whether to check for updates now. Click a note to open its web "
          "page, or simply let it go."),
    ("h", "Where the settings are kept"),
    ("p", "The slider positions and the options are kept in the file {SettingsFile} (type the folder's path into "
          "the address bar of File Explorer to open it). The other displays' slider positions, the "
          "\u201c{LinkMonitors}\u201d choice and the brightness keys are kept in Displays.ini in the same "
          "folder. A damaged Displays.ini is kept aside as Displays.ini.damaged, and Glimra says so once. To "
          "start afresh, end Glimra and delete the two files. Apart from them Glimra stores only its "
          "start-with-Windows entry in the registry."),
    ("h", "Ending Glimra"),
    ("p", "Choose \u201c{Exit}\u201d in the menu, press Esc in the window, or click the tray icon with the middle "
          "mouse button. The slider positions are saved when Glimra ends."),
]
