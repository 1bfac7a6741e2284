#include "skin.h"

#include "skin_style.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <map>
#include <utility>

namespace vela {

namespace {

struct Entry {
  QSize natural;
  Skin::Drawer drawer;
  ImageKind kind = ImageKind::bitmap;
};

struct Registry {
  std::map<int, Entry> entries;
  QString override_dir;
  std::map<int, QImage> overrides;  // loaded override files, a null image = none
  std::map<std::pair<int, std::pair<int, int>>, QPixmap> cache;
  bool cleanup_registered = false;
};

Registry& registry() {
  static Registry r;
  return r;
}

void drop_cache() {
  registry().cache.clear();
  registry().overrides.clear();
}

// Runs when the application object goes away: no pixmap may outlive it.
void release_pixmaps() {
  drop_cache();
  registry().cleanup_registered = false;
}

const QImage& override_image(int id) {
  Registry& r = registry();
  auto it = r.overrides.find(id);
  if (it == r.overrides.end()) {
    QImage image;
    if (!r.override_dir.isEmpty()) {
      const QString path = QDir(r.override_dir).filePath(QStringLiteral("%1.png").arg(id));
      if (QFileInfo::exists(path)) image.load(path);
    }
    it = r.overrides.emplace(id, image).first;
  }
  return it->second;
}

// Bitmap convention: unpainted -> black key, edges blended onto the matte,
// drawn black lifted so it stays opaque.
void finish_bitmap(QImage& image) {
  const QColor matte = style::matte;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb px = line[x];  // premultiplied
      const int a = qAlpha(px);
      if (a == 0) {
        line[x] = qRgb(0, 0, 0);
        continue;
      }
      int r = qRed(px) + matte.red() * (255 - a) / 255;
      int g = qGreen(px) + matte.green() * (255 - a) / 255;
      int b = qBlue(px) + matte.blue() * (255 - a) / 255;
      if (r == 0 && g == 0 && b == 0) r = g = b = 1;
      line[x] = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
    }
  }
}

QImage draw(const Entry& entry, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    entry.drawer(p, size);
  }
  if (entry.kind == ImageKind::bitmap) {
    finish_bitmap(image);
    image = image.convertToFormat(QImage::Format_RGB32);
  }
  return image;
}

}  // namespace

void Skin::register_drawer(int id, QSize natural_size, Drawer drawer, ImageKind kind) {
  Registry& r = registry();
  r.entries[id] = Entry{natural_size, std::move(drawer), kind};
  std::erase_if(r.cache, [id](const auto& item) { return item.first.first == id; });
}

bool Skin::has(int id) { return registry().entries.count(id) != 0 || !override_image(id).isNull(); }

QSize Skin::natural_size(int id) {
  const QImage& file = override_image(id);
  if (!file.isNull()) return file.size();
  const auto& entries = registry().entries;
  const auto it = entries.find(id);
  return it == entries.end() ? QSize() : it->second.natural;
}

QPixmap Skin::pixmap(int id, QSize size) {
  Registry& r = registry();
  if (size.isEmpty()) size = natural_size(id);
  if (size.isEmpty()) return QPixmap();

  const auto key = std::make_pair(id, std::make_pair(size.width(), size.height()));
  if (const auto hit = r.cache.find(key); hit != r.cache.end()) return hit->second;

  QImage image;
  const QImage& file = override_image(id);
  if (!file.isNull()) {
    image = file.size() == size ? file : file.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else if (const auto it = r.entries.find(id); it != r.entries.end()) {
    image = draw(it->second, size);
  } else {
    return QPixmap();
  }

  if (!r.cleanup_registered) {
    qAddPostRoutine(release_pixmaps);
    r.cleanup_registered = true;
  }
  return r.cache.emplace(key, QPixmap::fromImage(image)).first->second;
}

void Skin::set_override_dir(const QString& dir) {
  registry().override_dir = dir;
  drop_cache();
}

QString Skin::override_dir() { return registry().override_dir; }

std::vector<int> Skin::registered_ids() {
  std::vector<int> ids;
  for (const auto& [id, entry] : registry().entries) ids.push_back(id);
  return ids;
}

void Skin::clear_cache() { drop_cache(); }

}  // namespace vela
