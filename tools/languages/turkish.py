FILE_NAME = "Turkish.lng"
NATIVE_NAME = "Türkçe"
CODE = "TR"
BADGE_COLOURS = ((227, 10, 23), (255, 255, 255), (255, 255, 255))
RTF_FONT = ("Tahoma", 162)

TEXTS = {
    "MonitorBrightnes": "Monitör parlaklığı",
    "ContrastMonitor": "Monitör kontrastı",
    "VideoBrightnes": "Video parlaklığı",
    "ResetSettings": "Sıfırla",
    "Menu": "Menü",
    "ResetSettingsTT": "Parlaklığı ve kontrastı fabrika ayarlarına sıfırla",
    "PanelContrastTT": "Dizüstü bilgisayarın yerleşik ekranında kontrast ayarı yoktur",
    "AboutProgram": "Hakkında",
    "Help": "Yardım",
    "CheckUpdate": "Güncellemeleri denetle",
    "ProgramWebsite": "Programın web sitesini ziyaret et",
    "ProjectAssistance": "Projeyi destekle",
    "ProgramSetting": "Ayarlar",
    "Cancel": "İptal",
    "Exit": "Çıkış",
    "LinkMonitors": "Monitörleri bağla",
    "DisplaysFileDamaged": "Diğer ekranların kayıtlı ayarları okunamadı. Dosya Displays.ini.damaged adıyla kenara alındı ve bu ekranlar varsayılan ayarlarla başlıyor.",
    "DescPrg": "Monitörün parlaklığını ve kontrastını ayarlar",
    "DescDonate": "Projeyi destekle",
    "ChooseLanguage": "Dil seçin",
    "RunWithSystem": "Windows ile başlat",
    "KeysSection": "Parlaklık tuşları",
    "BrightnessUpKey": "Parlaklığı artır",
    "BrightnessDownKey": "Parlaklığı azalt",
    "KeysUnderPointer": "Yalnızca işaretçinin altındaki ekran",
    "KeyTaken": "%s başka bir program tarafından kullanılıyor. Başka bir kombinasyon seçin.",
    "KeysSame": "Parlaklığı artır ve Parlaklığı azalt aynı %s kombinasyonunu paylaşamaz. Parlaklığı azalt için başka bir kombinasyon seçin.",
    "CheckNoBlocingM": "Monitör denetimini engelleme. Değerleri kaydet ve geri yükle, monitörden veri okuma "
                       "hatalarını yok say (bazı sorunlu monitörler için önerilir)",
    "Apply": "Uygula",
    "RestartProgram": "Değişikliklerin geçerli olması için programın yeniden başlatılması gerekiyor. %s Şimdi "
                      "yeniden başlatılsın mı?",
    "CheckUpdates": "Güncelleme denetimi",
    "UpdateCheckAborted": "%sGüncelleme denetimi yarıda kesildi!%sİnternet bağlantısının etkin olduğunu "
                          "denetleyin.%sProgramı bir güvenlik duvarının engellemediğinden emin olun.",
    "NoFataFound": "Veri bulunamadı",
    "ProgramNotUpdated": "Program güncel",
    "GoProgramWebsite": "Programın web sitesine gidilsin mi?",
    "OneCopyRunning": "Program zaten çalışıyor!",
    "ErStartWithWin": "Otomatik başlatma için kayıt defteri anahtarı oluşturulamıyor",
    "ErStartWithWinsAdd": "Uygulanamıyor - bu seçeneği değiştirme izniniz olmayabilir",
    "WantHelpProject": "Projeyi desteklemek ister misiniz? %s Bu iletiye tıklayın!",
    "DescDonateMess": "%s projesini destekleyin",
    "ImprovedVersion": "Programın geliştirilmiş bir sürümü var. %s Daha fazla bilgi için bu iletiye tıklayın!",
    "PersonalVersion": "%s: geliştirilmiş sürüm",
    "CheckUpdateNow": "%s uzun süredir güncellenmedi. Güncellemeler şimdi denetlensin mi?",
}

HELP = [
    ("title", "Glimra Yardımı"),
    ("p", "Glimra, monitörünüzün parlaklığını ve kontrastını ve görüntünün parlaklığını ayarlar. Görev "
          "çubuğunun bildirim alanında durur: simgesine tıklamak üç kaydırıcılı pencereyi, sağ tıklamak menüyü "
          "açar. Başka bir yere tıkladığınızda pencere yeniden gizlenir."),
    ("h", "Üç kaydırıcı"),
    ("li", "\"{MonitorBrightnes}\" ve \"{ContrastMonitor}\", tıpkı monitörün düğmeleri gibi monitörün kendi "
           "ayarlarını değiştirir. Glimra, kaydırıcıyı bıraktıktan kısa bir süre sonra değeri DDC/CI üzerinden "
           "monitöre gönderir."),
    ("li", "\"{VideoBrightnes}\" görüntünün kendisini ekran kartı üzerinden (gama eğrisiyle) değiştirir. Dizüstü "
           "bilgisayarın yerleşik ekranı dahil her ekranda çalışır. 0 değerinde görüntü değişmez; bu kaydırıcıya "
           "farenin orta düğmesiyle tıklamak onu 0'a döndürür."),
    ("li", "Ok tuşları, Page Up ve Page Down odaktaki kaydırıcıyı hareket ettirir; Enter odağı bir sonrakine "
           "geçirir; Esc Glimra'yı kapatır."),
    ("h", "DDC/CI: Glimra monitörle nasıl konuşur"),
    ("p", "İki monitör kaydırıcısı DDC/CI gerektirir; bu, bilgisayarın video kablosu üzerinden monitörle "
          "konuştuğu bir kanaldır. DDC/CI'yı monitörün kendi ekran menüsünden açın (çoğunlukla \"Kurulum\", "
          "\"Sistem\" veya \"Diğer\" altında). Bağlantı da onu taşımalıdır: DisplayPort, HDMI, DVI ve VGA "
          "kabloları genellikle taşır, ancak birçok dönüştürücü, yerleştirme istasyonu, KVM anahtarı ve USB "
          "çoklayıcı taşımaz. Dizüstü bilgisayarın yerleşik ekranında DDC/CI yoktur; Glimra onun arka ışığını "
          "Windows üzerinden ayarlar (aşağıya bakın)."),
    ("h", "Birden çok monitör"),
    ("p", "Birden çok ekran varsa Glimra her ekran için üç kaydırıcılı bir grup gösterir; gruplar, ekranların "
          "masaüstündeki sırasıyla yan yana durur ve her biri kendi monitörünün adını taşır. Bir grup yalnızca "
          "kendi monitörüne (tek görüntüyü iki monitörde gösteren bir ekranın her monitörüne) gönderir ve "
          "yalnızca kendi ekranının \"{VideoBrightnes}\" değerini ayarlar. En yüksek değeri 100'den farklı olan "
          "bir monitör kendi ölçeğini alır: kaydırıcısının tepesi bu en yüksek değeri gönderir. Glimra "
          "çalışırken takılan veya çıkarılan bir ekran grubunu kazanır veya kaybeder."),
    ("p", "Menüdeki \"{LinkMonitors}\" (iki veya daha çok ekran varken görünür) grupları birbirine bağlar: bir "
          "grupta kaydırılan kaydırıcı, her gruptaki aynı kaydırıcıyı aynı konuma getirir. Bağı çözmek için onu "
          "yeniden seçin."),
    ("h", "Dizüstü bilgisayarın yerleşik ekranı"),
    ("p", "Yerleşik ekranda DDC/CI yoktur, ancak Windows onun arka ışığına erişim sağlar ve Glimra bunu "
          "kullanır: bu ekranın \"{MonitorBrightnes}\" kaydırıcısı, Windows'un kendi parlaklık kaydırıcısı gibi "
          "arka ışığı ayarlar; kaydırıcıyı bıraktığınızda ekranın izin verdiği en yakın adıma gider. "
          "\"{ContrastMonitor}\" devre dışı kalır, çünkü böyle bir ekranın kontrast ayarı yoktur. "
          "\"{VideoBrightnes}\" her ekranda olduğu gibi çalışır. Arka ışığı Windows ve dizüstü bilgisayarın "
          "tuşları da değiştirir; bu yüzden Glimra, penceresini her açışınızda düzeyi yeniden okur."),
    ("h", "Monitör kaydırıcıları devre dışı kalırsa"),
    ("p", "Gri monitör kaydırıcıları, Glimra başlarken monitörün DDC/CI üzerinden yanıt vermediği anlamına gelir. "
          "Bu durumda:"),
    ("li", "monitörün menüsünde DDC/CI'nın açık olduğunu denetleyin;"),
    ("li", "monitörü dönüştürücü veya anahtar olmadan doğrudan bilgisayara bağlayın ya da DisplayPort veya HDMI "
           "gibi başka bir giriş deneyin;"),
    ("li", "Glimra'yı menüsündeki \"{Exit}\" ile kapatıp yeniden başlatın;"),
    ("li", "monitör yeni değerleri kabul ediyor ama geçerli değerlerini düzgün bildirmiyorsa aşağıda anlatılan "
           "engellemesiz modu açın."),
    ("p", "\"{VideoBrightnes}\" her durumda çalışır."),
    ("h", "Engellemesiz mod"),
    ("p", "\"{Menu}\" → \"{ProgramSetting}\" → \"Monitör denetimini engelleme\". Bazı monitörler yeni değerleri "
          "kabul eder ama geçerli değerlerini bildirmez; Glimra bu durumda monitör kaydırıcılarını devre dışı "
          "bırakırdı. Bu modda kaydırıcılar kullanılabilir kalır: Glimra değerlerinizi gönderir, hatırlar, bir "
          "sonraki başlangıçta yeniden uygular ve okuma hatalarını yok sayar. Monitörünüz normal yanıt veriyorsa "
          "bu modu kapalı bırakın. Seçenek Windows Vista veya sonrasını gerektirir."),
    ("h", "\"{ResetSettings}\" düğmesi"),
    ("p", "Her monitöre kendi fabrika ayarlarına sıfırlama komutunu gönderir, ardından monitörlerin yeni "
          "parlaklık ve kontrast değerlerini kaydırıcılara okur. Birçok monitör bununla renk ve görüntü "
          "ayarlarını da sıfırlar. \"{VideoBrightnes}\" her ekranda 0'a döner; dizüstü bilgisayarın yerleşik "
          "ekranının arka ışığı düzeyini korur."),
    ("h", "{KeysSection}"),
    ("p", "Glimra ekranı klavyeden aydınlatıp karartabilir. \"{Menu}\" → \"{ProgramSetting}\" penceresinde, "
          "\"{KeysSection}\" bölümünde \"{BrightnessUpKey}\" veya \"{BrightnessDownKey}\" yanındaki kutuya "
          "tıklayın, istediğiniz kombinasyona basın (örneğin Ctrl+Alt+Yukarı ok) ve \"{Apply}\" düğmesine "
          "tıklayın. Siz doldurana kadar iki kutu da boştur; yani Glimra kendiliğinden başka programların "
          "tuşlarını almaz."),
    ("p", "Her basış \"{MonitorBrightnes}\" değerini on birim (monitörde DDC/CI yoksa \"{VideoBrightnes}\" "
          "değerini) değiştirir ve yeni düzeyi kısa bir süre ekranın alt kenarına yakın gösterir. Art arda hızlı "
          "basışlar, siz durduğunuzda monitöre tek bir istek olarak ulaşır. Tuşlar tüm ekranlarda çalışır; "
          "\"{KeysUnderPointer}\" onları fare işaretçisinin bulunduğu ekranla sınırlar."),
    ("p", "Bir kombinasyonu başka bir program zaten kullanıyorsa Glimra bunu bildirir ve seçiminizi saklar; o "
          "program kombinasyonu bıraktığında sonraki bir başlangıçta çalışır. \"{BrightnessUpKey}\" ve "
          "\"{BrightnessDownKey}\" aynı kombinasyonu paylaşamaz: Glimra bu durumda onu \"{BrightnessDownKey}\" "
          "için reddeder."),
    ("h", "Windows ile başlatma"),
    ("p", "Glimra ilk başlatıldığında kendini Windows ile başlayacak şekilde ayarlar. Bunu değiştirmek için "
          "\"{Menu}\" → \"{ProgramSetting}\" penceresini açın, \"{RunWithSystem}\" kutusunu işaretleyin veya "
          "işareti kaldırın ve \"{Apply}\" düğmesine tıklayın. Kayıt, {RunKey} kayıt defteri anahtarındaki "
          "\"Glimra\" değeridir."),
    ("h", "Dil"),
    ("p", "Dili \"{Menu}\" → \"{ProgramSetting}\" → \"{ChooseLanguage}\" bölümünden seçip \"{Apply}\" düğmesine "
          "tıklayın. Yeni dil bir sonraki başlangıçta geçerli olur, bu yüzden Glimra hemen yeniden başlatmayı "
          "önerir. Dil dosyaları Glimra.exe'nin yanındaki Langs klasöründe, yardım dosyaları Help klasöründedir."),
    ("h", "Güncellemeler ve hatırlatıcılar"),
    ("p", "Menüdeki \"{CheckUpdate}\", programın web sitesine daha yeni bir sürüm olup olmadığını sorar; hiçbir "
          "şey kendiliğinden indirilmez veya yüklenmez. Glimra ara sıra bazı şeyleri hatırlatır: projeye destek "
          "isteyen bir ileti, geliştirilmiş bir sürüm hakkında bir bildirim ve Glimra uzun süredir "
          "güncellenmediyse güncellemelerin şimdi denetlenip denetlenmeyeceği sorusu. Web sayfasını açmak için "
          "iletiye tıklayın ya da yok sayın."),
    ("h", "Ayarların saklandığı yer"),
    ("p", "Kaydırıcı konumları ve seçenekler {SettingsFile} dosyasında saklanır (klasörü açmak için yolunu Dosya "
          "Gezgini'nin adres çubuğuna yazın). Diğer ekranların kaydırıcı konumları, \"{LinkMonitors}\" seçimi ve "
          "parlaklık tuşları aynı klasördeki Displays.ini dosyasında saklanır. Bozuk bir Displays.ini, "
          "Displays.ini.damaged adıyla kenara alınır ve Glimra bunu bir kez bildirir. Sıfırdan başlamak için "
          "Glimra'yı kapatıp iki dosyayı da silin. Glimra bunların dışında yalnızca kayıt defterindeki otomatik "
          "başlatma kaydını tutar."),
    ("h", "Glimra'yı kapatma"),
    ("p", "Menüde \"{Exit}\" seçeneğini seçin, pencerede Esc tuşuna basın veya bildirim alanındaki simgeye "
          "farenin orta düğmesiyle tıklayın. Kaydırıcı konumları Glimra kapanırken kaydedilir."),
]
