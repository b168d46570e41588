#include "setup/qt/help_page.h"

#include <QGridLayout>

#include "setup/qt/page_layout.h"

namespace aerolark {
namespace {

struct Answered {
  const char* question;
  const char* answer;
};

const Answered kQuestions[] = {
    {"How do I load a custom background?",
     "The first thing you need is a background.  The size needs to be 800x600 pixels to fill "
     "the entire screen. Simply click the BACKGROUND tab and the CUSTOM option button and click "
     "the SELECT BACKGROUND button."},
    {"How do I load a custom logo?",
     "The first thing you need is a background.  The size doesn't matter (smaller looks "
     "better).  Simply click the Logo/Message tab and the CUSTOM option button and click the "
     "SELECT LOGO button."},
    {"Why is it slow loading the settings screen?",
     "Some machines are faster than others, but the reason for the slow down is directly "
     "related to the number of fonts you have installed on your system.  The more the fonts the "
     "slower it is to load."},
};

}  // namespace

HelpPage::HelpPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(12);
  int row = 0;
  for (const Answered& item : kQuestions) {
    QLabel* question = MakeLabel(QString::fromLatin1(item.question), this);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    question->setWordWrap(true);
    QLabel* answer = MakeLabel(QString::fromLatin1(item.answer), this);
    answer->setWordWrap(true);
    grid->addWidget(question, row, 0, Qt::AlignTop);
    grid->addWidget(answer, row, 1, Qt::AlignTop);
    ++row;
  }
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 5);
  grid->setRowStretch(row, 1);
}

}  // namespace aerolark
