#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace vela {

// How a drawn picture is finished.
// bitmap: like a skin bitmap; opaque, pure black marks the transparent parts.
//         Whatever the drawer leaves unpainted becomes black (transparent on a
//         button); half-covered edge pixels are blended onto the skin's matte
//         colour; a drawn pure-black pixel is lifted to (1, 1, 1) so that it
//         can never punch a hole into a button by accident.
// icon:   keeps its alpha channel (status icons, the program icon).
enum class ImageKind { bitmap, icon };

// The registry of every picture the program shows, by bitmap id. Each id has a
// drawer that paints it at any size, and a natural size (the size of the
// original bitmap). A PNG named <id>.png in the override directory replaces
// the drawing. Window thread only.
class Skin {
 public:
  using Drawer = std::function<void(QPainter&, QSize)>;

  static void register_drawer(int id, QSize natural_size, Drawer drawer, ImageKind kind = ImageKind::bitmap);
  static bool has(int id);

  // The override PNG's size when there is one, else the registered size;
  // an invalid size for an unknown id.
  static QSize natural_size(int id);

  // The picture at `size` (natural size when empty), cached. A null pixmap
  // for an id that is neither registered nor overridden.
  static QPixmap pixmap(int id, QSize size = QSize());

  static void set_override_dir(const QString& dir);
  static QString override_dir();

  static std::vector<int> registered_ids();
  static void clear_cache();
};

}  // namespace vela
