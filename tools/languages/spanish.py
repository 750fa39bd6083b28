FILE_NAME = "Spanish.lng"
NATIVE_NAME = "Español"
CODE = "ES"
BADGE_COLOURS = ((170, 21, 27), (241, 191, 0), (255, 255, 255))
RTF_FONT = ("Tahoma", 0)

TEXTS = {
    "MonitorBrightnes": "Brillo del monitor",
    "ContrastMonitor": "Contraste del monitor",
    "VideoBrightnes": "Brillo de vídeo",
    "ResetSettings": "Restablecer",
    "Menu": "Menú",
    "ResetSettingsTT": "Restablecer el brillo y el contraste a los valores de fábrica",
    "PanelContrastTT": "La pantalla integrada del portátil no tiene control de contraste",
    "AboutProgram": "Acerca de",
    "Help": "Ayuda",
    "CheckUpdate": "Buscar actualizaciones",
    "ProgramWebsite": "Visitar el sitio web",
    "ProjectAssistance": "Apoyar el proyecto",
    "ProgramSetting": "Configuración",
    "Cancel": "Cancelar",
    "Exit": "Salir",
    "LinkMonitors": "Vincular monitores",
    "DisplaysFileDamaged": "No se pudieron leer los ajustes guardados de las otras pantallas. El archivo se guardó aparte como Displays.ini.damaged y esas pantallas empiezan con los ajustes predeterminados.",
    "DescPrg": "Ajusta el brillo y el contraste del monitor",
    "DescDonate": "Apoyar el proyecto",
    "ChooseLanguage": "Elegir idioma",
    "RunWithSystem": "Iniciar con Windows",
    "KeysSection": "Teclas de brillo",
    "BrightnessUpKey": "Subir brillo",
    "BrightnessDownKey": "Bajar brillo",
    "KeysUnderPointer": "Solo la pantalla bajo el puntero",
    "KeyTaken": "Otro programa ya usa %s. Elija otra combinación.",
    "KeysSame": "Subir brillo y Bajar brillo no pueden compartir %s. Elija otra combinación para Bajar brillo.",
    "CheckNoBlocingM": "No bloquear el control del monitor. Guardar y restaurar los valores, ignorar los errores "
                       "al leer datos del monitor (recomendado para algunos monitores problemáticos)",
    "Apply": "Aplicar",
    "RestartProgram": "Hay que reiniciar el programa para que los cambios surtan efecto. %s ¿Reiniciar ahora?",
    "CheckUpdates": "Búsqueda de actualizaciones",
    "UpdateCheckAborted": "%s¡Se interrumpió la búsqueda de actualizaciones!%sCompruebe que la conexión a "
                          "Internet esté activa.%sAsegúrese de que ningún cortafuegos bloquee el programa.",
    "NoFataFound": "No se encontraron datos",
    "ProgramNotUpdated": "El programa está actualizado",
    "GoProgramWebsite": "¿Ir al sitio web del programa?",
    "OneCopyRunning": "¡El programa ya se está ejecutando!",
    "ErStartWithWin": "No se puede crear la clave del Registro para el inicio automático",
    "ErStartWithWinsAdd": "No se puede aplicar: es posible que no tenga permisos para cambiar esta opción",
    "WantHelpProject": "¿Quiere apoyar el proyecto? %s ¡Haga clic en este mensaje!",
    "DescDonateMess": "Apoye el proyecto %s",
    "ImprovedVersion": "Existe una versión mejorada del programa. %s ¡Haga clic en este mensaje para saber más!",
    "PersonalVersion": "Versión mejorada de %s",
    "CheckUpdateNow": "%s no se actualiza desde hace mucho tiempo. ¿Buscar actualizaciones ahora?",
}

HELP = [
    ("title", "Ayuda de Glimra"),
    ("p", "Glimra ajusta el brillo y el contraste del monitor y el brillo de la imagen. Vive en el área de "
          "notificación de la barra de tareas: al hacer clic en su icono se abre la ventana con los tres "
          "controles deslizantes, y con el botón derecho, el menú. La ventana vuelve a ocultarse en cuanto hace "
          "clic en otro sitio."),
    ("h", "Los tres controles deslizantes"),
    ("li", "«{MonitorBrightnes}» y «{ContrastMonitor}» cambian los ajustes del propio monitor, igual que sus "
           "botones. Glimra envía el valor al monitor por DDC/CI un instante después de soltar el control."),
    ("li", "«{VideoBrightnes}» cambia la propia imagen a través de la tarjeta gráfica (su curva gamma). Funciona "
           "en cualquier pantalla, también en la pantalla integrada de un portátil. En 0 la imagen no cambia; un "
           "clic con el botón central del ratón sobre este control lo devuelve a 0."),
    ("li", "Las flechas, Re Pág y Av Pág mueven el control que tiene el foco; Entrar pasa el foco al siguiente; "
           "Esc cierra Glimra."),
    ("h", "DDC/CI: cómo se comunica Glimra con el monitor"),
    ("p", "Los dos controles del monitor necesitan DDC/CI, un canal por el que el equipo se comunica con el "
          "monitor a través del cable de vídeo. Active DDC/CI en el menú en pantalla del propio monitor (a "
          "menudo en «Configuración», «Sistema» u «Otros»). La conexión debe transmitirlo: los cables "
          "DisplayPort, HDMI, DVI y VGA suelen hacerlo, pero muchos adaptadores, bases de acoplamiento, "
          "conmutadores KVM y concentradores USB no. La pantalla integrada de un portátil no tiene DDC/CI; "
          "Glimra ajusta su retroiluminación a través de Windows (véase más abajo)."),
    ("h", "Varios monitores"),
    ("p", "Con varias pantallas, Glimra muestra un grupo de tres controles por pantalla, uno junto a otro en el "
          "orden en que las pantallas están colocadas en el escritorio, cada grupo con el nombre de su monitor. "
          "Un grupo solo envía a su propio monitor (a cada monitor de una pantalla que muestra una misma imagen "
          "en dos) y solo ajusta el «{VideoBrightnes}» de su propia pantalla. Un monitor que informa de un "
          "máximo distinto de 100 recibe su propia escala: el extremo superior de su control envía ese máximo. "
          "Una pantalla que se conecta o desconecta mientras Glimra está en marcha gana o pierde su grupo."),
    ("p", "«{LinkMonitors}» en el menú, presente con dos o más pantallas, vincula los grupos: un control movido "
          "en un grupo lleva el mismo control de cada grupo a la misma posición. Elíjalo de nuevo para "
          "desvincularlos."),
    ("h", "La pantalla integrada de un portátil"),
    ("p", "Una pantalla integrada no tiene DDC/CI, pero Windows da acceso a su retroiluminación y Glimra la usa: "
          "el «{MonitorBrightnes}» de esa pantalla ajusta la retroiluminación igual que el propio control de "
          "brillo de Windows, en el paso más cercano que permita la pantalla, en cuanto suelta el control. Su "
          "«{ContrastMonitor}» sigue desactivado, porque una pantalla así no tiene control de contraste. El "
          "«{VideoBrightnes}» funciona como en cualquier pantalla. Windows y las teclas del portátil también "
          "cambian la retroiluminación, así que Glimra vuelve a leer su nivel cada vez que abre su ventana."),
    ("h", "Si los controles del monitor siguen desactivados"),
    ("p", "Si los controles del monitor aparecen en gris, el monitor no respondió por DDC/CI al iniciarse "
          "Glimra. En ese caso:"),
    ("li", "compruebe que DDC/CI está activado en el menú del monitor;"),
    ("li", "conecte el monitor directamente al equipo, sin adaptadores ni conmutadores, o pruebe otra entrada, "
           "por ejemplo DisplayPort o HDMI;"),
    ("li", "cierre Glimra con «{Exit}» en su menú y vuelva a iniciarlo;"),
    ("li", "si el monitor acepta valores nuevos pero informa mal de los actuales, active el modo sin bloqueo "
           "que se describe más abajo."),
    ("p", "«{VideoBrightnes}» funciona en cualquier caso."),
    ("h", "Modo sin bloqueo"),
    ("p", "«{Menu}» → «{ProgramSetting}» → «No bloquear el control del monitor». Algunos monitores aceptan "
          "valores nuevos pero no informan de los actuales, y Glimra desactivaría entonces los controles del "
          "monitor. En este modo los controles siguen disponibles: Glimra envía sus valores, los recuerda, los "
          "vuelve a aplicar en el siguiente inicio y pasa por alto los errores de lectura. Déjelo desactivado si "
          "su monitor responde con normalidad. La opción requiere Windows Vista o posterior."),
    ("h", "El botón «{ResetSettings}»"),
    ("p", "Envía a cada monitor su propia orden de restablecimiento de fábrica y después lee en los controles el "
          "nuevo brillo y el nuevo contraste de los monitores. Muchos monitores restablecen además sus ajustes "
          "de color e imagen. «{VideoBrightnes}» vuelve a 0 en cada pantalla; la retroiluminación de la pantalla "
          "integrada de un portátil conserva su nivel."),
    ("h", "{KeysSection}"),
    ("p", "Glimra puede subir o bajar el brillo de la pantalla desde el teclado. En «{Menu}» → "
          "«{ProgramSetting}», bajo «{KeysSection}», haga clic en el cuadro junto a «{BrightnessUpKey}» o "
          "«{BrightnessDownKey}», pulse la combinación que quiera, por ejemplo Ctrl+Alt+Flecha arriba, y pulse "
          "«{Apply}». Los dos cuadros están vacíos hasta que los rellene, así que Glimra no quita por sí mismo "
          "ninguna tecla a otros programas."),
    ("p", "Cada pulsación mueve el «{MonitorBrightnes}» diez puntos (el «{VideoBrightnes}» donde el monitor no "
          "tiene DDC/CI) y muestra el nuevo nivel un momento cerca del borde inferior de la pantalla. Las "
          "pulsaciones rápidas llegan al monitor como una sola petición en cuanto hace una pausa. Las teclas "
          "actúan en todas las pantallas; «{KeysUnderPointer}» las limita a la pantalla en la que está el "
          "puntero del ratón."),
    ("p", "Si otro programa ya usa una combinación, Glimra lo indica y conserva su elección, de modo que "
          "funcionará en un inicio posterior cuando ese programa la libere. «{BrightnessUpKey}» y "
          "«{BrightnessDownKey}» no pueden compartir una combinación: Glimra la rechaza entonces para "
          "«{BrightnessDownKey}»."),
    ("h", "Iniciar con Windows"),
    ("p", "En su primer inicio, Glimra se configura para iniciarse con Windows. Para cambiarlo, abra «{Menu}» → "
          "«{ProgramSetting}», active o desactive «{RunWithSystem}» y pulse «{Apply}». La entrada es el valor "
          "«Glimra» de la clave del Registro {RunKey}."),
    ("h", "Idioma"),
    ("p", "Elíjalo en «{Menu}» → «{ProgramSetting}» → «{ChooseLanguage}» y pulse «{Apply}». El nuevo idioma se "
          "aplica en el siguiente inicio, por eso Glimra ofrece reiniciarse enseguida. Los archivos de idioma "
          "están en la carpeta Langs junto a Glimra.exe, y los de ayuda, en la carpeta Help."),
    ("h", "Actualizaciones y recordatorios"),
    ("p", "«{CheckUpdate}» en el menú pregunta al sitio web del programa si existe una versión más reciente; no "
          "se descarga ni se instala nada por sí solo. De vez en cuando Glimra le recuerda algunas cosas: un "
          "mensaje que pide apoyo para el proyecto, un aviso sobre una versión mejorada y, si Glimra lleva mucho "
          "tiempo sin actualizarse, la pregunta de si quiere buscar actualizaciones ahora. Haga clic en un "
          "mensaje para abrir su página web, o simplemente ignórelo."),
    ("h", "Dónde se guarda la configuración"),
    ("p", "Las posiciones de los controles y las opciones se guardan en el archivo {SettingsFile} (escriba la "
          "ruta de la carpeta en la barra de direcciones del Explorador de archivos para abrirla). Las "
          "posiciones de los controles de las otras pantallas, la opción «{LinkMonitors}» y las teclas de brillo "
          "se guardan en Displays.ini, en la misma carpeta. Un Displays.ini dañado se aparta como "
          "Displays.ini.damaged y Glimra lo avisa una vez. Para empezar de cero, cierre Glimra y elimine los dos "
          "archivos. Aparte de ellos, Glimra solo guarda su entrada de inicio automático en el Registro."),
    ("h", "Cerrar Glimra"),
    ("p", "Elija «{Exit}» en el menú, pulse Esc en la ventana o haga clic en el icono del área de notificación "
          "con el botón central del ratón. Las posiciones de los controles se guardan al cerrar Glimra."),
]
