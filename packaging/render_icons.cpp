// Renders the program icon with the skin's own drawing into a hicolor icon
// tree: render_icons DIR SIZE... writes DIR/<N>x<N>/apps/vela-panel.png.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "skin.h"
#include "skin/shell_bitmaps.h"

int main(int argc, char** argv) {
  // Drawing needs no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  if (arguments.size() < 3) {
    std::fprintf(stderr, "usage: render_icons DIR SIZE...\n");
    return 2;
  }
  vela::register_shell_bitmaps();
  for (const QString& text : arguments.mid(2)) {
    bool ok = false;
    const int side = text.toInt(&ok);
    if (!ok || side < 1) {
      std::fprintf(stderr, "render_icons: not a size: %s\n", qPrintable(text));
      return 2;
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(side);
    const QString file = folder + QStringLiteral("/vela-panel.png");
    const QPixmap icon = vela::Skin::pixmap(vela::shell_bitmap::program_icon, QSize(side, side));
    if (!QDir().mkpath(folder) || icon.isNull() || !icon.save(file)) {
      std::fprintf(stderr, "render_icons: could not write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
