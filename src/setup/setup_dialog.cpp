#include "setup/setup_dialog.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "setup/aircraft_page.h"
#include "setup/background_page.h"
#include "setup/help_page.h"
#include "setup/image_file_chooser.h"
#include "setup/logo_message_page.h"
#include "setup/message_sink.h"
#include "setup/tune_page.h"

namespace aerolark {

Setup::Setup(Settings& settings, const QString& installFolder, SetupServices services,
             QWidget* parent)
    : QDialog(parent), services_(std::move(services)), store_(settings, *services_.messages) {
  setWindowTitle(QStringLiteral("Aerolark  ") + MakerAddress());
  setFixedSize(kClientWidth, kClientHeight);
  store_.SetMessageOwner(this);

  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("SSTab1");
  aircraft_ = new AircraftPage(store_, tabs);
  background_ = new BackgroundPage(store_, installFolder, tabs);
  logoMessage_ = new LogoMessagePage(store_, tabs);
  help_ = new HelpPage(tabs);
  tune_ = new TunePage(store_, tabs);
  tabs->addTab(aircraft_, QStringLiteral("Aircraft"));
  tabs->addTab(background_, QStringLiteral("BackGround"));
  tabs->addTab(logoMessage_, QStringLiteral("Logo/Message"));
  tabs->addTab(help_, QStringLiteral("Help"));
  tabs->addTab(tune_, QStringLiteral("Tune the Screensaver"));
  tabs->setCurrentIndex(0);

  background_->SetSelectHandler([this] { SelectPicture(BackgroundChooser()); });
  logoMessage_->SetSelectHandler([this] { SelectPicture(LogoChooser()); });

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 6);
  column->setSpacing(6);
  column->addWidget(tabs, 1);
  column->addWidget(MakeBottomBar());

  Load();
}

Setup::~Setup() = default;

QWidget* Setup::MakeBottomBar() {
  auto* bar = new QWidget(this);
  auto* about = new QPushButton(QStringLiteral("&About"), bar);
  about->setObjectName("cmdAbout");
  auto* help = new QPushButton(QStringLiteral("&Online HELP"), bar);
  help->setObjectName("cmdHelp");
  // "&Online HELP" and "&OK" share Alt+O; Qt would only move the focus
  // between two buttons with one key. Alt+O closes the dialog.
  help->setShortcut(QKeySequence());
  auto* ok = new QPushButton(QStringLiteral("&OK"), bar);
  ok->setObjectName("cmdOK");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  // Equal stretch on both sides of the middle pair keeps it centred;
  // the OK button's width is balanced by a spacer of the same width.
  row->addSpacing(ok->sizeHint().width());
  row->addStretch();
  row->addWidget(about);
  row->addWidget(help);
  row->addStretch();
  row->addWidget(ok);
  connect(about, &QPushButton::clicked, this, [this] { ShowAbout(); });
  connect(help, &QPushButton::clicked, this, [this] { Navigate(SupportAddress()); });
  connect(ok, &QPushButton::clicked, this, [this] { accept(); });
  return bar;
}

// The order matters: later steps read what earlier handlers stored (the
// font chosen by index is then found again by name).
void Setup::Load() {
  logoMessage_->FillFonts(services_.fontFamilies());
  logoMessage_->SelectStoredFontIndex();
  logoMessage_->ShowSelectedFontInSample();
  aircraft_->planeVisible->Load();
  background_->LoadChoice();
  aircraft_->prop->Load();
  logoMessage_->messageText->Load();
  aircraft_->speed->Load();
  logoMessage_->message->Load();
  logoMessage_->logo->Load();
  logoMessage_->SelectLogo();
  background_->SelectBG();
  logoMessage_->SelectStoredFontName();
  aircraft_->planeInterval->Load();
  aircraft_->aircraftInterval->Load();
  logoMessage_->SelectStoredSizeIndex();
  logoMessage_->LoadSizeText();
  tune_->tune->Load();
  aircraft_->mouseSensitivity->Load();
  aircraft_->clock->Load();
  aircraft_->clockFontSize->Load();
  aircraft_->LoadSoundOff();
  aircraft_->volume->Load();
  aircraft_->powerSave->Load();
  background_->EnableSelectForChoice();
}

void Setup::Navigate(const QString& webPageUrl) { services_.openUrl(QUrl(webPageUrl)); }

void Setup::ShowAbout() {
  services_.messages->Show(
      this, Message{QStringLiteral("About Aerolark"),
                    QStringLiteral("Aerolark\nVersion %1\n%2").arg(ProgramVersion(), MakerAddress()),
                    MessageIcon::About});
}

// The chooser lives only for this click: the next use starts afresh.
void Setup::SelectPicture(const ChooserKind& kind) {
  auto chooser = std::make_unique<ImageFileChooser>(kind, store_, services_.fileSystems(), this);
  services_.runModal(*chooser);
  if (kind.key == Key::BMPFileName) {
    background_->SelectBG();
  } else {
    logoMessage_->SelectLogo();
  }
}

}  // namespace aerolark
