// Radio items fill the columns row by row; the button group keeps at most one checked.
#include "toolkit/qt/radio_group.hpp"

namespace toolkit::qt {

radio_group::radio_group(const QString& title, int columns, QWidget* parent)
    : QGroupBox(title, parent), grid_(new QGridLayout(this)), columns_(columns) {
  grid_->setContentsMargins(6, 0, 6, 2);
  grid_->setVerticalSpacing(0);
}

void radio_group::add_item(const QString& text) {
  auto* button = new QRadioButton(text, this);
  // In the window's tab order the items follow the group and each other.
  QWidget::setTabOrder(buttons_.isEmpty() ? static_cast<QWidget*>(this) : buttons_.last(), button);
  const int index = count();
  group_.addButton(button, index);
  grid_->addWidget(button, index / columns_, index % columns_);
  buttons_.append(button);
}

void radio_group::clear() {
  for (QRadioButton* button : buttons_) {
    group_.removeButton(button);
    delete button;
  }
  buttons_.clear();
}

void radio_group::select(int index) {
  if (index >= 0 && index < count()) {
    buttons_.at(index)->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last button by itself.
  group_.setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_.setExclusive(true);
}

}  // namespace toolkit::qt
