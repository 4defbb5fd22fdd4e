// The window's widgets and menu items by control, with the kind that each operation needs.
#pragma once

#include <QAction>
#include <QWidget>
#include <map>
#include <stdexcept>
#include <string>

#include "toolkit/controls.hpp"

namespace toolkit::qt {

class form_widgets {
 public:
  void add(control c, QWidget* widget) { widgets_[c] = widget; }
  void add(control c, QAction* action) { actions_[c] = action; }

  QWidget* widget(control c) const {
    auto it = widgets_.find(c);
    if (it == widgets_.end()) throw std::logic_error(std::string(name_of(c)) + " has no widget");
    return it->second;
  }
  QAction* action(control c) const {
    auto it = actions_.find(c);
    return it == actions_.end() ? nullptr : it->second;
  }

  // The widget as the kind an operation needs; asking a control for what it cannot do is a
  // fault of the program.
  template <typename Kind>
  Kind* as(control c) const {
    auto* w = qobject_cast<Kind*>(widget(c));
    if (w == nullptr) {
      throw std::logic_error(std::string(name_of(c)) + " is not a " +
                             Kind::staticMetaObject.className());
    }
    return w;
  }

  const std::map<control, QWidget*>& widgets() const { return widgets_; }
  const std::map<control, QAction*>& actions() const { return actions_; }

 private:
  std::map<control, QWidget*> widgets_;
  std::map<control, QAction*> actions_;
};

}  // namespace toolkit::qt
