# Written in Brazilian Portuguese, read as well in Portugal; Windows names both "Portuguese".
FILE_NAME = "Portuguese.lng"
NATIVE_NAME = "Português"
CODE = "PT"
BADGE_COLOURS = ((0, 102, 51), (255, 204, 0), (255, 255, 255))
RTF_FONT = ("Tahoma", 0)

TEXTS = {
    "MonitorBrightnes": "Brilho do monitor",
    "ContrastMonitor": "Contraste do monitor",
    "VideoBrightnes": "Brilho do vídeo",
    "ResetSettings": "Redefinir",
    "Menu": "Menu",
    "ResetSettingsTT": "Restaurar brilho e contraste para os valores de fábrica",
    "PanelContrastTT": "A tela integrada do notebook não tem ajuste de contraste",
    "AboutProgram": "Sobre",
    "Help": "Ajuda",
    "CheckUpdate": "Verificar atualizações",
    "ProgramWebsite": "Visitar o site do programa",
    "ProjectAssistance": "Apoiar o projeto",
    "ProgramSetting": "Configurações",
    "Cancel": "Cancelar",
    "Exit": "Sair",
    "LinkMonitors": "Vincular monitores",
    "DisplaysFileDamaged": "Não foi possível ler as configurações salvas dos outros monitores. O arquivo foi guardado como Displays.ini.damaged e esses monitores iniciam com as configurações padrão.",
    "DescPrg": "Ajusta o brilho e o contraste do monitor",
    "DescDonate": "Apoiar o projeto",
    "ChooseLanguage": "Escolher idioma",
    "RunWithSystem": "Iniciar com o Windows",
    "KeysSection": "Teclas de brilho",
    "BrightnessUpKey": "Aumentar brilho",
    "BrightnessDownKey": "Diminuir brilho",
    "KeysUnderPointer": "Apenas a tela sob o ponteiro",
    "KeyTaken": "Outro programa já usa %s. Escolha outra combinação.",
    "KeysSame": "Aumentar brilho e Diminuir brilho não podem compartilhar %s. Escolha outra combinação para Diminuir brilho.",
    "CheckNoBlocingM": "Não bloquear o controle do monitor. Salvar e restaurar os valores, ignorar erros de "
                       "leitura do monitor (recomendado para alguns monitores problemáticos)",
    "Apply": "Aplicar",
    "RestartProgram": "É preciso reiniciar o programa para que as alterações tenham efeito. %s Reiniciar agora?",
    "CheckUpdates": "Verificação de atualizações",
    "UpdateCheckAborted": "%sA verificação de atualizações foi interrompida!%sVerifique se a conexão com a "
                          "Internet está ativa.%sCertifique-se de que nenhum firewall bloqueia o programa.",
    "NoFataFound": "Nenhum dado encontrado",
    "ProgramNotUpdated": "O programa está atualizado",
    "GoProgramWebsite": "Abrir o site do programa?",
    "OneCopyRunning": "O programa já está em execução!",
    "ErStartWithWin": "Não foi possível criar a chave do Registro para a inicialização automática",
    "ErStartWithWinsAdd": "Não foi possível aplicar: talvez você não tenha permissão para alterar esta opção",
    "WantHelpProject": "Quer apoiar o projeto? %s Clique nesta mensagem!",
    "DescDonateMess": "Apoie o %s",
    "ImprovedVersion": "Existe uma versão aprimorada do programa. %s Clique nesta mensagem para saber mais!",
    "PersonalVersion": "Versão aprimorada do %s",
    "CheckUpdateNow": "O %s não é atualizado há muito tempo. Verificar atualizações agora?",
}

HELP = [
    ("title", "Ajuda do Glimra"),
    ("p", "O Glimra ajusta o brilho e o contraste do monitor e o brilho da imagem. Ele fica na área de "
          "notificação da barra de tarefas: um clique no ícone abre a janela com os três controles deslizantes, "
          "um clique com o botão direito abre o menu. A janela se oculta assim que você clica em outro lugar."),
    ("h", "Os três controles deslizantes"),
    ("li", "“{MonitorBrightnes}” e “{ContrastMonitor}” alteram as configurações do próprio monitor, como os "
           "botões dele. O Glimra envia o valor ao monitor por DDC/CI um instante depois que você solta o "
           "controle."),
    ("li", "“{VideoBrightnes}” altera a própria imagem por meio da placa de vídeo (a curva gama dela). Funciona "
           "em qualquer tela, inclusive na tela embutida de um notebook. Em 0 a imagem não muda; um clique com o "
           "botão do meio do mouse nesse controle o traz de volta a 0."),
    ("li", "As setas, Page Up e Page Down movem o controle que está com o foco; Enter passa o foco adiante; Esc "
           "encerra o Glimra."),
    ("h", "DDC/CI: como o Glimra conversa com o monitor"),
    ("p", "Os dois controles do monitor precisam de DDC/CI, um canal pelo qual o computador conversa com o "
          "monitor pelo cabo de vídeo. Ative o DDC/CI no menu na tela do próprio monitor (geralmente em "
          "“Configuração”, “Sistema” ou “Outros”). A conexão precisa transmiti-lo: cabos DisplayPort, HDMI, DVI "
          "e VGA costumam transmitir, mas muitos adaptadores, docks, comutadores KVM e hubs USB não. A tela "
          "embutida de um notebook não tem DDC/CI; o Glimra ajusta a retroiluminação dela pelo Windows (veja "
          "abaixo)."),
    ("h", "Vários monitores"),
    ("p", "Com várias telas, o Glimra mostra um grupo de três controles para cada tela, lado a lado na ordem em "
          "que as telas estão dispostas na área de trabalho, cada grupo com o nome do seu monitor. Um grupo "
          "envia só para o próprio monitor (para cada monitor de uma tela que mostra a mesma imagem em dois) e "
          "ajusta só o “{VideoBrightnes}” da própria tela. Um monitor que informa um máximo diferente de 100 "
          "recebe uma escala própria: o topo do controle envia esse máximo. Uma tela conectada ou desconectada "
          "com o Glimra em execução ganha ou perde o seu grupo."),
    ("p", "“{LinkMonitors}” no menu, presente com duas ou mais telas, vincula os grupos: um controle movido em "
          "um grupo leva o mesmo controle de cada grupo à mesma posição. Escolha-o de novo para desvinculá-los."),
    ("h", "A tela embutida de um notebook"),
    ("p", "Uma tela embutida não tem DDC/CI, mas o Windows dá acesso à retroiluminação dela, e o Glimra a usa: o "
          "“{MonitorBrightnes}” dessa tela ajusta a retroiluminação como o próprio controle de brilho do "
          "Windows, no passo mais próximo que a tela permite, assim que você solta o controle. O "
          "“{ContrastMonitor}” dela continua desativado, pois uma tela assim não tem ajuste de contraste. O "
          "“{VideoBrightnes}” funciona como em qualquer tela. O Windows e as teclas do notebook também mudam a "
          "retroiluminação, por isso o Glimra lê o nível de novo cada vez que você abre a janela."),
    ("h", "Quando os controles do monitor continuam desativados"),
    ("p", "Controles do monitor em cinza significam que o monitor não respondeu por DDC/CI quando o Glimra foi "
          "iniciado. Nesse caso:"),
    ("li", "verifique se o DDC/CI está ativado no menu do monitor;"),
    ("li", "ligue o monitor diretamente ao computador, sem adaptadores nem comutadores, ou tente outra entrada, "
           "como DisplayPort ou HDMI;"),
    ("li", "feche o Glimra com “{Exit}” no menu e inicie-o de novo;"),
    ("li", "se o monitor aceita novos valores mas informa mal os atuais, ative o modo sem bloqueio descrito "
           "abaixo."),
    ("p", "“{VideoBrightnes}” funciona em qualquer caso."),
    ("h", "Modo sem bloqueio"),
    ("p", "“{Menu}” → “{ProgramSetting}” → “Não bloquear o controle do monitor”. Alguns monitores aceitam novos "
          "valores mas não informam os atuais, e então o Glimra desativaria os controles do monitor. Neste modo "
          "os controles continuam disponíveis: o Glimra envia os seus valores, guarda-os, aplica-os de novo na "
          "próxima inicialização e ignora erros de leitura. Deixe-o desligado se o monitor responde normalmente. "
          "A opção requer o Windows Vista ou posterior."),
    ("h", "O botão “{ResetSettings}”"),
    ("p", "Ele envia a cada monitor o próprio comando de restauração de fábrica e depois lê nos controles o novo "
          "brilho e o novo contraste dos monitores. Muitos monitores também restauram as configurações de cor e "
          "imagem. “{VideoBrightnes}” volta a 0 em cada tela; a retroiluminação da tela embutida de um notebook "
          "mantém o nível."),
    ("h", "{KeysSection}"),
    ("p", "O Glimra pode aumentar ou diminuir o brilho da tela pelo teclado. Em “{Menu}” → “{ProgramSetting}”, "
          "em “{KeysSection}”, clique na caixa ao lado de “{BrightnessUpKey}” ou “{BrightnessDownKey}”, "
          "pressione a combinação desejada, por exemplo Ctrl+Alt+Seta para cima, e clique em “{Apply}”. As duas "
          "caixas ficam vazias até você preenchê-las, então o Glimra não toma por conta própria nenhuma tecla de "
          "outros programas."),
    ("p", "Cada toque move o “{MonitorBrightnes}” em dez (o “{VideoBrightnes}” onde o monitor não tem DDC/CI) e "
          "mostra o novo nível por um instante perto da parte de baixo da tela. Toques rápidos chegam ao monitor "
          "como um único pedido assim que você faz uma pausa. As teclas agem em todas as telas; "
          "“{KeysUnderPointer}” as limita à tela em que está o ponteiro do mouse."),
    ("p", "Se outro programa já usa uma combinação, o Glimra avisa e guarda a sua escolha, que passa a funcionar "
          "em uma próxima inicialização quando aquele programa a liberar. “{BrightnessUpKey}” e "
          "“{BrightnessDownKey}” não podem compartilhar uma combinação: o Glimra a recusa então para "
          "“{BrightnessDownKey}”."),
    ("h", "Iniciar com o Windows"),
    ("p", "Na primeira inicialização, o Glimra se configura para iniciar com o Windows. Para mudar isso, abra "
          "“{Menu}” → “{ProgramSetting}”, marque ou desmarque “{RunWithSystem}” e clique em “{Apply}”. A entrada é "
          "o valor “Glimra” na chave do Registro {RunKey}."),
    ("h", "Idioma"),
    ("p", "Escolha-o em “{Menu}” → “{ProgramSetting}” → “{ChooseLanguage}” e clique em “{Apply}”. O novo idioma "
          "vale a partir da próxima inicialização, por isso o Glimra oferece reiniciar logo. Os arquivos de "
          "idioma ficam na pasta Langs ao lado do Glimra.exe, e os de ajuda, na pasta Help."),
    ("h", "Atualizações e lembretes"),
    ("p", "“{CheckUpdate}” no menu pergunta ao site do programa se existe uma versão mais nova; nada é baixado "
          "nem instalado sozinho. De vez em quando o Glimra lembra você de algumas coisas: uma mensagem pedindo "
          "apoio ao projeto, um aviso sobre uma versão aprimorada e, quando o Glimra não é atualizado há muito "
          "tempo, a pergunta se deseja verificar atualizações agora. Clique em uma mensagem para abrir a página "
          "dela, ou simplesmente ignore-a."),
    ("h", "Onde as configurações ficam guardadas"),
    ("p", "As posições dos controles e as opções ficam no arquivo {SettingsFile} (digite o caminho da pasta na "
          "barra de endereços do Explorador de Arquivos para abri-la). As posições dos controles das outras "
          "telas, a opção “{LinkMonitors}” e as teclas de brilho ficam em Displays.ini, na mesma pasta. Um "
          "Displays.ini danificado é guardado à parte como Displays.ini.damaged, e o Glimra avisa uma vez. Para "
          "começar do zero, feche o Glimra e exclua os dois arquivos. Além deles, o Glimra só guarda a entrada "
          "de inicialização automática no Registro."),
    ("h", "Fechar o Glimra"),
    ("p", "Escolha “{Exit}” no menu, pressione Esc na janela ou clique no ícone da área de notificação com o "
          "botão do meio do mouse. As posições dos controles são salvas quando o Glimra é fechado."),
]
