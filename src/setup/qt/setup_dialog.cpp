#include "setup/qt/setup_dialog.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "setup/image_chooser_logic.h"
#include "setup/page_texts.h"
#include "setup/qt/aircraft_page.h"
#include "setup/qt/background_page.h"
#include "setup/qt/help_page.h"
#include "setup/qt/image_file_chooser.h"
#include "setup/qt/logo_message_page.h"
#include "setup/qt/page_layout.h"
#include "setup/qt/tune_page.h"

namespace aerolark {
namespace {

// Draws mnemonics without their underline, for a button whose letter
// belongs to another button.
class NoMnemonicUnderline final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_UnderlineShortcut) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

}  // namespace

Setup::Setup(Settings& settings, const QString& installFolder, SetupServices services,
             QWidget* parent)
    : QDialog(parent),
      services_(std::move(services)),
      installFolder_(FromQt(installFolder)),
      logic_(settings, *this) {
  setWindowTitle(ToQt(DialogCaption()));

  Wiring wiring{controls_, logic_};
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("SSTab1");
  // Every page's name in full: the window grows rather than hide a tab.
  tabs->setUsesScrollButtons(false);
  tabs->setElideMode(Qt::ElideNone);
  tabs->addTab(new AircraftPage(wiring, tabs), ToQt(kPageTitles[0]));
  tabs->addTab(new BackgroundPage(wiring,
                                  ToQt(InstallFolderForDisplay(installFolder_)), tabs),
               ToQt(kPageTitles[1]));
  tabs->addTab(new LogoMessagePage(wiring, tabs), ToQt(kPageTitles[2]));
  tabs->addTab(new HelpPage(tabs), ToQt(kPageTitles[3]));
  tabs->addTab(new TunePage(wiring, tabs), ToQt(kPageTitles[4]));
  tabs->setCurrentIndex(0);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 6);
  column->setSpacing(6);
  column->addWidget(tabs, 1);
  column->addWidget(MakeBottomBar());

  logic_.Load(services_.fontFamilies(), installFolder_);
  FixDesignedSize(this, QSize(kClientWidth, kClientHeight));
}

QWidget* Setup::MakeBottomBar() {
  auto* bar = new QWidget(this);
  auto* about = new QPushButton(QStringLiteral("&About"), bar);
  about->setObjectName("cmdAbout");
  auto* help = new QPushButton(QStringLiteral("&Online HELP"), bar);
  help->setObjectName("cmdHelp");
  auto* ok = new QPushButton(QStringLiteral("&OK"), bar);
  ok->setObjectName("cmdOK");
  // "&Online HELP" and "&OK" share Alt+O; Qt would only move the focus
  // between two buttons with one key. Alt+O closes the dialog, so the help
  // button neither takes the key nor underlines its letter. The style is
  // made after the button, so that the button goes first when the bar does.
  help->setShortcut(QKeySequence());
  auto* plain = new NoMnemonicUnderline;
  plain->setParent(bar);
  help->setStyle(plain);
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
  connect(about, &QPushButton::clicked, this, [this] { logic_.About(); });
  connect(help, &QPushButton::clicked, this, [this] { logic_.Help(installFolder_); });
  connect(ok, &QPushButton::clicked, this, [this] { accept(); });
  return bar;
}

void Setup::Show(const Message& message) {
  waiting_.Give(message, isVisible(), [this](const Message& m) { services_.showMessage(this, m); });
}

void Setup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // After this event: the dialog is then placed and drawn, and the message
  // is centred over it.
  if (waiting_.any()) {
    QTimer::singleShot(0, this, [this] {
      waiting_.ShowAll([this](const Message& m) { services_.showMessage(this, m); });
    });
  }
}

void Setup::SetFontName(Control label, std::string_view family) {
  auto* widget = findChild<QLabel*>(ToQt(ControlName(label)));
  if (!widget) return;
  QFont font = widget->font();
  font.setFamilies({ToQt(family)});
  widget->setFont(font);
}

// The chooser lives only for this click: the next use starts afresh.
void Setup::RunChooser(const ChooserKind& kind, DialogStore& store) {
  auto chooser = std::make_unique<ImageFileChooser>(kind, store, services_.fileSystems(),
                                                    services_.showMessage, this);
  services_.runModal(*chooser);
}

}  // namespace aerolark
