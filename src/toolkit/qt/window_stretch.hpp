// A resized main window: the found-cell list and the Crysfire list take the room gained (and
// the found-cell list gives up room down to the window's minimum); every other control keeps
// its written place.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

#include "toolkit/qt/form_widgets.hpp"

namespace toolkit::qt {

class window_stretch : public QObject {
 public:
  // `client` holds the controls at their written places and has the written size. Sets the
  // client's minimum size.
  window_stretch(QWidget& client, const form_widgets& widgets);

  // The found-cell list keeps at least this many rows of its written row height.
  static constexpr int kLeastFoundRows = 5;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct follower {
    QWidget* widget;
    QRect written;
    bool moves_down;   // by the Crysfire list's growth
    bool grows_wide;   // by the extra width
    int height_share;  // 0: none, 1: the Crysfire list's part, 2: the found-cell list's part
  };
  void apply(QSize client);

  QSize written_;
  std::vector<follower> followers_;
};

}  // namespace toolkit::qt
