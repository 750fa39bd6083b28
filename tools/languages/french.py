FILE_NAME = "French.lng"
NATIVE_NAME = "Français"
CODE = "FR"
BADGE_COLOURS = ((0, 38, 84), (237, 41, 57), (255, 255, 255))
RTF_FONT = ("Tahoma", 0)

N = "\u00a0"  # French sets a no-break space before ? ! : and inside « »

TEXTS = {
    "MonitorBrightnes": "Luminosité du moniteur",
    "ContrastMonitor": "Contraste du moniteur",
    "VideoBrightnes": "Luminosité vidéo",
    "ResetSettings": "Réinitialiser",
    "Menu": "Menu",
    "ResetSettingsTT": "Rétablir les réglages d'usine de luminosité et de contraste",
    "PanelContrastTT": "L'écran intégré de l'ordinateur portable n'a pas de réglage du contraste",
    "AboutProgram": "À propos",
    "Help": "Aide",
    "CheckUpdate": "Rechercher des mises à jour",
    "ProgramWebsite": "Visiter le site du programme",
    "ProjectAssistance": "Soutenir le projet",
    "ProgramSetting": "Paramètres",
    "Cancel": "Annuler",
    "Exit": "Quitter",
    "LinkMonitors": "Lier les moniteurs",
    "DisplaysFileDamaged": "Les réglages enregistrés des autres écrans n'ont pas pu être lus. Le fichier a été mis de côté sous le nom Displays.ini.damaged et ces écrans démarrent avec les réglages par défaut.",
    "DescPrg": "Règle la luminosité et le contraste du moniteur",
    "DescDonate": "Soutenir le projet",
    "ChooseLanguage": "Choisir la langue",
    "RunWithSystem": "Démarrer avec Windows",
    "KeysSection": "Touches de luminosité",
    "BrightnessUpKey": "Plus lumineux",
    "BrightnessDownKey": "Plus sombre",
    "KeysUnderPointer": "Seulement l’écran sous le pointeur",
    "KeyTaken": "Un autre programme utilise déjà %s. Choisissez une autre combinaison.",
    "KeysSame": "Plus lumineux et Plus sombre ne peuvent pas partager %s. Choisissez une autre combinaison pour Plus sombre.",
    "CheckNoBlocingM": "Ne pas bloquer le contrôle du moniteur. Enregistrer et restaurer les valeurs, ignorer "
                       "les erreurs de lecture du moniteur (recommandé pour certains moniteurs à problèmes)",
    "Apply": "Appliquer",
    "RestartProgram": f"Le programme doit redémarrer pour que les modifications prennent effet. %s Redémarrer "
                      f"maintenant{N}?",
    "CheckUpdates": "Recherche de mises à jour",
    "UpdateCheckAborted": f"%sLa recherche de mises à jour a été interrompue{N}!%sVérifiez que la connexion "
                          f"Internet est active.%sAssurez-vous qu'aucun pare-feu ne bloque le programme.",
    "NoFataFound": "Aucune donnée trouvée",
    "ProgramNotUpdated": "Le programme est à jour",
    "GoProgramWebsite": f"Ouvrir le site du programme{N}?",
    "OneCopyRunning": f"Le programme est déjà en cours d'exécution{N}!",
    "ErStartWithWin": "Impossible de créer la clé de registre du démarrage automatique",
    "ErStartWithWinsAdd": f"Impossible d'appliquer{N}: vous n'avez peut-être pas les droits nécessaires pour "
                          f"cette option",
    "WantHelpProject": f"Voulez-vous soutenir le projet{N}? %s Cliquez sur ce message{N}!",
    "DescDonateMess": "Soutenir %s",
    "ImprovedVersion": f"Une version améliorée du programme existe. %s Cliquez sur ce message pour en savoir "
                       f"plus{N}!",
    "PersonalVersion": "Version améliorée de %s",
    "CheckUpdateNow": f"%s n'a pas été mis à jour depuis longtemps. Rechercher des mises à jour maintenant{N}?",
}


def q(text):
    return f"«{N}{text}{N}»"


HELP = [
    ("title", "Aide de Glimra"),
    ("p", "Glimra règle la luminosité et le contraste de votre moniteur ainsi que la luminosité de l'image. Il se "
          "loge dans la zone de notification de la barre des tâches : un clic sur son icône ouvre la fenêtre aux "
          "trois curseurs, un clic droit ouvre le menu. La fenêtre se masque dès que vous cliquez ailleurs."
          .replace(" :", N + ":")),
    ("h", "Les trois curseurs"),
    ("li", f"{q('{MonitorBrightnes}')} et {q('{ContrastMonitor}')} modifient les réglages du moniteur lui-même, "
           f"comme le font ses boutons. Glimra envoie la valeur au moniteur par DDC/CI un instant après que vous "
           f"avez relâché le curseur."),
    ("li", f"{q('{VideoBrightnes}')} modifie l'image elle-même par la carte graphique (sa courbe gamma). Cela "
           f"fonctionne sur tout écran, y compris l'écran intégré d'un portable. À 0, l'image est inchangée{N}; un "
           f"clic avec le bouton central de la souris sur ce curseur le ramène à 0."),
    ("li", f"Les flèches, Page précédente et Page suivante déplacent le curseur qui a le focus{N}; Entrée passe "
           f"le focus au suivant{N}; Échap ferme Glimra."),
    ("h", f"DDC/CI{N}: comment Glimra dialogue avec le moniteur"),
    ("p", f"Les deux curseurs du moniteur ont besoin de DDC/CI, un canal par lequel l'ordinateur dialogue avec "
          f"le moniteur à travers le câble vidéo. Activez DDC/CI dans le menu à l'écran du moniteur (souvent "
          f"sous {q('Configuration')}, {q('Système')} ou {q('Autres')}). La liaison doit le transmettre{N}: les "
          f"câbles DisplayPort, HDMI, DVI et VGA le font en général, mais beaucoup d'adaptateurs, de stations "
          f"d'accueil, de commutateurs KVM et de concentrateurs USB ne le font pas. L'écran intégré d'un "
          f"portable n'a pas de DDC/CI{N}: Glimra règle son rétroéclairage par Windows (voir plus bas)."),
    ("h", "Plusieurs moniteurs"),
    ("p", f"Avec plusieurs écrans, Glimra affiche un groupe de trois curseurs par écran, côte à côte dans "
          f"l'ordre où les écrans sont placés sur le bureau, chacun portant le nom de son moniteur. Un groupe "
          f"n'envoie qu'à son propre moniteur (à chaque moniteur d'un écran qui montre une même image sur deux) "
          f"et ne règle que la {q('{VideoBrightnes}')} de son propre écran. Un moniteur qui annonce un maximum "
          f"autre que 100 reçoit sa propre échelle{N}: le haut de son curseur envoie ce maximum. Un écran "
          f"branché ou débranché pendant que Glimra tourne gagne ou perd son groupe."),
    ("p", f"{q('{LinkMonitors}')} dans le menu, présent avec deux écrans ou plus, lie les groupes{N}: un curseur "
          f"déplacé dans un groupe amène le même curseur de chaque groupe à la même position. Choisissez-le de "
          f"nouveau pour les délier."),
    ("h", "L'écran intégré d'un portable"),
    ("p", f"Un écran intégré n'a pas de DDC/CI, mais Windows donne accès à son rétroéclairage, et Glimra s'en "
          f"sert{N}: la {q('{MonitorBrightnes}')} de cet écran règle le rétroéclairage comme le curseur de "
          f"luminosité de Windows lui-même, au cran le plus proche que permet l'écran, dès que vous relâchez le "
          f"curseur. Son {q('{ContrastMonitor}')} reste désactivé, car un tel écran n'a pas de réglage du "
          f"contraste. La {q('{VideoBrightnes}')} fonctionne comme sur tout écran. Windows et les touches du "
          f"portable changent aussi le rétroéclairage{N}: Glimra relit donc son niveau à chaque ouverture de sa "
          f"fenêtre."),
    ("h", "Si les curseurs du moniteur restent désactivés"),
    ("p", f"Des curseurs grisés signifient que le moniteur n'a pas répondu par DDC/CI au démarrage de "
          f"Glimra. Dans ce cas{N}:"),
    ("li", f"vérifiez que DDC/CI est activé dans le menu du moniteur{N};"),
    ("li", f"branchez le moniteur directement sur l'ordinateur, sans adaptateur ni commutateur, ou essayez une "
           f"autre entrée, par exemple DisplayPort ou HDMI{N};"),
    ("li", f"quittez Glimra par {q('{Exit}')} dans son menu, puis relancez-le{N};"),
    ("li", "si le moniteur accepte de nouvelles valeurs mais renvoie mal les valeurs actuelles, activez le mode "
           "sans blocage décrit plus bas."),
    ("p", f"{q('{VideoBrightnes}')} fonctionne dans tous les cas."),
    ("h", "Mode sans blocage"),
    ("p", f"{q('{Menu}')} → {q('{ProgramSetting}')} → {q('Ne pas bloquer le contrôle du moniteur')}. Certains "
          f"moniteurs acceptent de nouvelles valeurs sans indiquer les valeurs actuelles, et Glimra désactiverait "
          f"alors les curseurs du moniteur. Dans ce mode, les curseurs restent utilisables{N}: Glimra envoie vos "
          f"valeurs, les mémorise, les rétablit au démarrage suivant et ignore les erreurs de lecture. Laissez-le "
          f"désactivé si votre moniteur répond normalement. L'option demande Windows Vista ou plus récent."),
    ("h", f"Le bouton {q('{ResetSettings}')}"),
    ("p", f"Il envoie à chaque moniteur sa propre commande de retour aux réglages d'usine, puis relit dans les "
          f"curseurs la nouvelle luminosité et le nouveau contraste des moniteurs. Beaucoup de moniteurs "
          f"réinitialisent aussi leurs réglages de couleur et d'image. {q('{VideoBrightnes}')} revient à 0 sur "
          f"chaque écran{N}; le rétroéclairage de l'écran intégré d'un portable garde son niveau."),
    ("h", "{KeysSection}"),
    ("p", f"Glimra peut éclaircir ou assombrir l'écran depuis le clavier. Dans {q('{Menu}')} → "
          f"{q('{ProgramSetting}')}, sous {q('{KeysSection}')}, cliquez dans la case à côté de "
          f"{q('{BrightnessUpKey}')} ou {q('{BrightnessDownKey}')}, appuyez sur la combinaison voulue, par "
          f"exemple Ctrl+Alt+Flèche haut, puis cliquez sur {q('{Apply}')}. Les deux cases restent vides tant que "
          f"vous ne les remplissez pas{N}: Glimra ne prend donc de lui-même aucune touche aux autres programmes."),
    ("p", f"Chaque appui déplace la {q('{MonitorBrightnes}')} de dix (la {q('{VideoBrightnes}')} là où le "
          f"moniteur n'a pas de DDC/CI) et affiche un instant le nouveau niveau près du bas de l'écran. Des "
          f"appuis rapprochés parviennent au moniteur en une seule demande dès que vous marquez une pause. Les "
          f"touches agissent sur tous les écrans{N}; {q('{KeysUnderPointer}')} les limite à l'écran où se trouve "
          f"le pointeur de la souris."),
    ("p", f"Si un autre programme utilise déjà une combinaison, Glimra le signale et garde votre choix{N}: il "
          f"fonctionnera à un démarrage suivant, une fois la combinaison libérée. {q('{BrightnessUpKey}')} et "
          f"{q('{BrightnessDownKey}')} ne peuvent pas partager une même combinaison{N}: Glimra la refuse alors "
          f"pour {q('{BrightnessDownKey}')}."),
    ("h", "Démarrer avec Windows"),
    ("p", f"À son premier démarrage, Glimra s'inscrit pour démarrer avec Windows. Pour changer cela, ouvrez "
          f"{q('{Menu}')} → {q('{ProgramSetting}')}, cochez ou décochez {q('{RunWithSystem}')} et cliquez sur "
          f"{q('{Apply}')}. L'inscription est la valeur {q('Glimra')} de la clé de registre {{RunKey}}."),
    ("h", "Langue"),
    ("p", f"Choisissez-la dans {q('{Menu}')} → {q('{ProgramSetting}')} → {q('{ChooseLanguage}')} et cliquez sur "
          f"{q('{Apply}')}. La nouvelle langue prend effet au démarrage suivant{N}: Glimra propose donc de "
          f"redémarrer aussitôt. Les fichiers de langue se trouvent dans le dossier Langs à côté de Glimra.exe, "
          f"les fichiers d'aide dans le dossier Help."),
    ("h", "Mises à jour et rappels"),
    ("p", f"{q('{CheckUpdate}')} dans le menu demande au site du programme si une version plus récente existe{N}; "
          f"rien n'est téléchargé ni installé automatiquement. De temps en temps, Glimra vous rappelle quelques "
          f"choses{N}: un message qui invite à soutenir le projet, un message sur une version améliorée et, si "
          f"Glimra n'a pas été mis à jour depuis longtemps, la question de rechercher les mises à jour "
          f"maintenant. Cliquez sur un message pour ouvrir sa page web, ou ignorez-le simplement."),
    ("h", "Où sont conservés les réglages"),
    ("p", f"Les positions des curseurs et les options sont conservées dans le fichier {{SettingsFile}} (tapez le "
          f"chemin du dossier dans la barre d'adresse de l'Explorateur de fichiers pour l'ouvrir). Les positions "
          f"des curseurs des autres écrans, le choix {q('{LinkMonitors}')} et les touches de luminosité sont "
          f"conservées dans Displays.ini, dans le même dossier. Un Displays.ini endommagé est mis de côté sous "
          f"le nom Displays.ini.damaged, et Glimra le signale une fois. Pour repartir de zéro, quittez Glimra et "
          f"supprimez les deux fichiers. En dehors d'eux, Glimra n'enregistre que son démarrage automatique dans "
          f"le registre."),
    ("h", "Quitter Glimra"),
    ("p", f"Choisissez {q('{Exit}')} dans le menu, appuyez sur Échap dans la fenêtre ou cliquez sur l'icône de la "
          f"zone de notification avec le bouton central de la souris. Les positions des curseurs sont enregistrées "
          f"à la fermeture."),
]
