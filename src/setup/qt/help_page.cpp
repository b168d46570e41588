#include "setup/qt/help_page.h"

#include <QGridLayout>

#include "setup/page_texts.h"
#include "setup/qt/page_layout.h"
#include "setup/qt/qt_controls.h"

namespace aerolark {

HelpPage::HelpPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(12);
  int row = 0;
  for (const HelpAnswer& item : kHelpAnswers) {
    QLabel* question = MakeLabel(ToQt(item.question), this);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    question->setWordWrap(true);
    QLabel* answer = MakeLabel(ToQt(item.answer), this);
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
