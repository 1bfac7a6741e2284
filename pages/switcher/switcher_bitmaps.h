#pragma once
// The switcher page's pictures: its keys (bus sources in white, red and
// green; effect and transition keys normal and lit), the background with
// the group frames, the lever's channel and thumb, and the small key.
#include <QRect>
#include <QSize>

namespace vela::switcher_bitmap {

// Bus source n (1..12): normal white, lit red, lit green.
constexpr int bus_normal(int n) { return 250 + 3 * (n - 1); }
constexpr int bus_red(int n) { return 249 + 3 * (n - 1); }
constexpr int bus_green(int n) { return 248 + 3 * (n - 1); }

constexpr int auto_normal = 245, auto_lit = 305;
constexpr int bkgd_normal = 246, bkgd_lit = 247;
constexpr int cut = 285;
constexpr int dip_normal = 286, dip_lit = 287;
constexpr int ftb_lit = 288, ftb_normal = 289;
constexpr int key1_normal = 290, key1_lit = 291;
constexpr int key2_normal = 292, key2_lit = 293;
constexpr int mix_normal = 295, mix_lit = 296;
constexpr int on_air_lit = 297, on_air_normal = 298;
constexpr int pip_normal = 299, pip_lit = 300;
constexpr int wipe_normal = 303, wipe_lit = 304;

constexpr QSize bus_size(70, 70);
constexpr QSize large_size(80, 80);  // Cut, Auto, FTB

constexpr int background = 294;
constexpr QSize background_size(1260, 585);
// The page the background is stretched over: the frames are drawn where the
// keys stand on a page of this size.
constexpr QSize page_size(1240, 580);

constexpr int lever_channel = 301;
constexpr QSize lever_channel_size(164, 420);
constexpr int lever_thumb = 302;
constexpr QSize lever_thumb_size(144, 41);

// The configuration and camera names keys.
constexpr int small_key = 379;
constexpr QSize small_key_size(30, 10);

}  // namespace vela::switcher_bitmap

namespace vela {

// Registers the drawers of every switcher page picture with the skin.
// Idempotent.
void register_switcher_bitmaps();

}  // namespace vela
