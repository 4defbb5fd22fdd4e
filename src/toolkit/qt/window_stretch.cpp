#include "toolkit/qt/window_stretch.hpp"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace toolkit::qt {

namespace {
constexpr int kWrittenRowHeight = 14;
}  // namespace

window_stretch::window_stretch(QWidget& client, const form_widgets& widgets)
    : QObject(&client), written_(client.size()) {
  auto follow = [&](control c, bool moves_down, bool grows_wide, int height_share) {
    QWidget* w = widgets.widget(c);
    followers_.push_back({w, w->geometry(), moves_down, grows_wide, height_share});
  };
  // The Crysfire panel sits above the results panel: it grows, and the results move down.
  follow(control::Panel4, false, true, 1);
  follow(control::ListBox1, false, true, 1);
  follow(control::Panel2, true, true, 2);
  follow(control::ListBox6, false, true, 0);
  follow(control::ListBox4, false, true, 2);
  const int found_height = widgets.widget(control::ListBox4)->height();
  const int least = kLeastFoundRows * kWrittenRowHeight + 2 * 2;  // rows and the frame
  client.setMinimumSize(written_.width(), written_.height() - std::max(0, found_height - least));
  client.installEventFilter(this);
}

bool window_stretch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) apply(static_cast<QWidget*>(watched)->size());
  return false;
}

void window_stretch::apply(QSize client) {
  const int extra_width = std::max(0, client.width() - written_.width());
  const int extra_height = client.height() - written_.height();
  // Room gained is shared by the two lists; room given up comes from the found-cell list.
  const int crysfire_part = std::max(0, extra_height) / 2;
  const int shares[] = {0, crysfire_part, extra_height - crysfire_part};
  for (const follower& f : followers_) {
    QRect place = f.written;
    if (f.moves_down) place.translate(0, crysfire_part);
    if (f.grows_wide) place.setWidth(place.width() + extra_width);
    place.setHeight(place.height() + shares[f.height_share]);
    f.widget->setGeometry(place);
  }
}

}  // namespace toolkit::qt
