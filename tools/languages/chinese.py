# Simplified Chinese: zh-CN and zh-SG systems name their language "Chinese (Simplified)".
FILE_NAME = "Chinese (Simplified).lng"
NATIVE_NAME = "简体中文"
CODE = "ZH"
BADGE_COLOURS = ((222, 41, 16), (255, 222, 0), (255, 222, 0))
RTF_FONT = ("Microsoft YaHei", 134)

TEXTS = {
    "MonitorBrightnes": "显示器亮度",
    "ContrastMonitor": "显示器对比度",
    "VideoBrightnes": "视频亮度",
    "ResetSettings": "重置",
    "Menu": "菜单",
    "ResetSettingsTT": "将亮度和对比度恢复为出厂设置",
    "PanelContrastTT": "笔记本内置屏幕没有对比度调节",
    "AboutProgram": "关于",
    "Help": "帮助",
    "CheckUpdate": "检查更新",
    "ProgramWebsite": "访问程序网站",
    "ProjectAssistance": "支持本项目",
    "ProgramSetting": "设置",
    "Cancel": "取消",
    "Exit": "退出",
    "LinkMonitors": "联动显示器",
    "DisplaysFileDamaged": "无法读取其他显示器的已保存设置。该文件已另存为 Displays.ini.damaged，这些显示器将使用默认设置启动。",
    "DescPrg": "调节显示器的亮度和对比度",
    "DescDonate": "支持本项目",
    "ChooseLanguage": "选择语言",
    "RunWithSystem": "开机时自动启动",
    "KeysSection": "亮度快捷键",
    "BrightnessUpKey": "调高亮度",
    "BrightnessDownKey": "调低亮度",
    "KeysUnderPointer": "仅指针所在的显示器",
    "KeyTaken": "%s 已被其他程序占用。请选择其他组合键。",
    "KeysSame": "调高亮度和调低亮度不能使用同一组合键 %s。请为调低亮度选择其他组合键。",
    "CheckNoBlocingM": "不锁定显示器控制。保存并恢复设置值，忽略从显示器读取数据时的错误（建议某些有问题的显示器使用）",
    "Apply": "应用",
    "RestartProgram": "需要重新启动程序才能使更改生效。%s是否立即重新启动？",
    "CheckUpdates": "检查更新",
    "UpdateCheckAborted": "%s检查更新已中断！%s请确认网络连接正常。%s请确认程序未被防火墙阻止。",
    "NoFataFound": "未找到数据",
    "ProgramNotUpdated": "程序已是最新版本",
    "GoProgramWebsite": "是否访问程序网站？",
    "OneCopyRunning": "程序已在运行！",
    "ErStartWithWin": "无法在注册表中创建开机启动项",
    "ErStartWithWinsAdd": "无法应用：您可能没有更改此选项的权限",
    "WantHelpProject": "愿意支持本项目吗？%s请单击此消息！",
    "DescDonateMess": "支持 %s",
    "ImprovedVersion": "本程序已有改进版本。%s单击此消息了解详情！",
    "PersonalVersion": "%s 改进版",
    "CheckUpdateNow": "%s 已经很久没有更新了。现在检查更新吗？",
}

HELP = [
    ("title", "Glimra 帮助"),
    ("p", "Glimra 用于调节显示器的亮度和对比度以及画面的亮度。它位于任务栏的通知区域：单击其图标会打开带有三个滑块的窗口，"
          "右键单击则打开菜单。只要单击别处，窗口就会再次隐藏。"),
    ("h", "三个滑块"),
    ("li", "“{MonitorBrightnes}”和“{ContrastMonitor}”直接更改显示器自身的设置，与显示器上的按键作用相同。松开滑块片刻后，"
           "Glimra 会通过 DDC/CI 把数值发送给显示器。"),
    ("li", "“{VideoBrightnes}”通过显卡（其伽马曲线）改变画面本身，适用于任何屏幕，包括笔记本电脑的内置屏幕。数值为 0 时画面"
           "不变；用鼠标中键单击此滑块可使其回到 0。"),
    ("li", "方向键、Page Up 和 Page Down 移动当前获得焦点的滑块；Enter 将焦点移到下一个控件；Esc 退出 Glimra。"),
    ("h", "DDC/CI：Glimra 如何与显示器通信"),
    ("p", "两个显示器滑块需要 DDC/CI，这是计算机通过视频线与显示器通信的通道。请在显示器自身的屏幕菜单（OSD）中开"
          "启 DDC/CI（通常位于“设置”“系统”或“其他”中）。连接线路也必须支持它：DisplayPort、HDMI、DVI 和 VGA 线缆"
          "一般都支持，但许多转接头、扩展坞、KVM 切换器和 USB 集线器不支持。笔记本电脑的内置屏幕没有 DDC/CI，"
          "Glimra 改为通过 Windows 调节其背光（见下文）。"),
    ("h", "多台显示器"),
    ("p", "连接多台显示器时，Glimra 为每台显示器显示一组三个滑块，按显示器在桌面上的排列顺序并排放置，每组以其显"
          "示器命名。每组只向自己的显示器发送数值（复制显示同一画面的几台显示器都会收到），并且只调节自己显示器的"
          "“{VideoBrightnes}”。报告的最大值不是 100 的显示器使用自己的刻度：滑块顶端发送该最大值。Glimra 运行期间"
          "接入或拔出的显示器会相应增加或失去其滑块组。"),
    ("p", "菜单中的“{LinkMonitors}”（有两台或更多显示器时才会出现）将各组联动：在一组中移动某个滑块，其他每组的同"
          "一滑块都会移到相同位置。再次选择该项即可取消联动。"),
    ("h", "笔记本电脑的内置屏幕"),
    ("p", "内置屏幕没有 DDC/CI，但 Windows 提供了对其背光的控制，Glimra 便使用它：该屏幕的“{MonitorBrightnes}”像 "
          "Windows 自带的亮度滑块一样调节背光，松开滑块后设为屏幕允许的最接近的一档。它的“{ContrastMonitor}”保持"
          "不可用，因为这种屏幕没有对比度调节。“{VideoBrightnes}”与在其他显示器上一样可用。Windows 和笔记本电脑自"
          "带的按键也会改变背光，因此每次打开窗口时 Glimra 都会重新读取背光亮度。"),
    ("h", "显示器滑块一直不可用时"),
    ("p", "显示器滑块呈灰色，表示 Glimra 启动时显示器没有通过 DDC/CI 应答。此时请："),
    ("li", "确认显示器菜单中已开启 DDC/CI；"),
    ("li", "不经转接头或切换器，将显示器直接连接到计算机，或换用其他输入接口，例如 DisplayPort 或 HDMI；"),
    ("li", "通过菜单中的“{Exit}”退出 Glimra，然后重新启动；"),
    ("li", "如果显示器能接受新数值，却无法正确报告当前数值，请开启下文介绍的不锁定模式。"),
    ("p", "“{VideoBrightnes}”在任何情况下都可以使用。"),
    ("h", "不锁定模式"),
    ("p", "“{Menu}”→“{ProgramSetting}”→“不锁定显示器控制”。有些显示器能接受新数值，却不报告当前数值，这时 Glimra "
          "会禁用显示器滑块。在此模式下滑块仍然可用：Glimra 发送您设置的数值并记住它们，下次启动时重新应用，并忽略读取"
          "错误。如果显示器应答正常，请保持此模式关闭。此选项需要 Windows Vista 或更高版本。"),
    ("h", "“{ResetSettings}”按钮"),
    ("p", "它向每台显示器发送显示器自身的恢复出厂设置命令，然后把显示器新的亮度和对比度读回滑块。许多显示器还会同"
          "时重置颜色和画面设置。每台显示器的“{VideoBrightnes}”都回到 0；笔记本电脑内置屏幕的背光保持不变。"),
    ("h", "{KeysSection}"),
    ("p", "Glimra 可以用键盘调亮或调暗屏幕。在“{Menu}”→“{ProgramSetting}”的“{KeysSection}”下，单击"
          "“{BrightnessUpKey}”或“{BrightnessDownKey}”旁边的框，按下想用的组合键（例如 Ctrl+Alt+↑），然后单击"
          "“{Apply}”。在您设置之前两个框都是空的，因此 Glimra 不会自行占用其他程序的按键。"),
    ("p", "每按一次，“{MonitorBrightnes}”改变十（显示器没有 DDC/CI 时改变“{VideoBrightnes}”），并在屏幕底部附近短"
          "暂显示新的亮度。快速连按时，在您停下后才作为一次请求发送给显示器。快捷键作用于所有显示器；勾选"
          "“{KeysUnderPointer}”后只作用于鼠标指针所在的显示器。"),
    ("p", "如果某个组合键已被其他程序占用，Glimra 会提示并保留您的选择，等该程序释放后，下次启动时即可生效。"
          "“{BrightnessUpKey}”和“{BrightnessDownKey}”不能使用同一组合键：此时 Glimra 会拒绝为"
          "“{BrightnessDownKey}”设置它。"),
    ("h", "开机自动启动"),
    ("p", "Glimra 首次启动时会将自己设为随 Windows 启动。如需更改，请打开“{Menu}”→“{ProgramSetting}”，勾选或取消勾选"
          "“{RunWithSystem}”，然后单击“{Apply}”。该项是注册表项 {RunKey} 中名为“Glimra”的值。"),
    ("h", "语言"),
    ("p", "在“{Menu}”→“{ProgramSetting}”→“{ChooseLanguage}”中选择语言，然后单击“{Apply}”。新语言在下次启动时生效，因此 "
          "Glimra 会提示立即重新启动。语言文件位于 Glimra.exe 旁边的 Langs 文件夹中，帮助文件位于 Help 文件夹中。"),
    ("h", "更新与提醒"),
    ("p", "菜单中的“{CheckUpdate}”会向程序网站询问是否有新版本；程序不会自行下载或安装任何内容。Glimra 偶尔会提醒您一些"
          "事情：请求支持本项目的消息、关于改进版本的通知，以及在 Glimra 很久没有更新时询问是否立即检查更新。单击消息可"
          "打开相应网页，也可以直接忽略。"),
    ("h", "设置保存在哪里"),
    ("p", "滑块位置和各项选项保存在文件 {SettingsFile} 中（在文件资源管理器的地址栏中输入文件夹路径即可打开该文件"
          "夹）。其他显示器的滑块位置、“{LinkMonitors}”选项和亮度快捷键保存在同一文件夹的 Displays.ini 中。"
          "Displays.ini 损坏时会另存为 Displays.ini.damaged，Glimra 会提示一次。如需从头开始，请退出 Glimra 并删"
          "除这两个文件。除此之外，Glimra 只在注册表中保存其开机启动项。"),
    ("h", "退出 Glimra"),
    ("p", "在菜单中选择“{Exit}”，在窗口中按 Esc，或用鼠标中键单击通知区域中的图标。退出时会保存滑块位置。"),
]
