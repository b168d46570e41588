#pragma once
// The "Help" page: three questions with their answers beside them.

#include <QWidget>

namespace aerolark {

class HelpPage final : public QWidget {
 public:
  explicit HelpPage(QWidget* parent = nullptr);
};

}  // namespace aerolark
